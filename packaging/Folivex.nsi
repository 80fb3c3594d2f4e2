; Folivex's installer: one user, no administrator rights. Everything it
; writes lies in the user's profile and the user's own registry hive.
;
; tools/package.sh builds it with makensis, passing VERSION, MAKER, YEAR, STAGE
; (the folder holding the files of the portable zip), ICON and OUTFILE.
;
; It registers Folivex with Windows (default-apps settings, "Open with") but
; never makes it the handler of a file type: Windows resets an association a
; program sets for itself, and choosing stays the user's act. The program
; offers to open the settings page where the user makes that choice.

Target amd64-unicode ; Folivex is a 64-bit program; a 32-bit stub would not even start on 64-bit-only Wine
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh
!include Integration.nsh

!define CAPABILITIES "Software\Folivex\Capabilities"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Folivex"

Name "Folivex"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Folivex"
; An upgrade goes where the previous version went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Folivex ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "Folivex"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "Folivex ${VERSION} setup"
VIAddVersionKey /LANG=0 "CompanyName" "${MAKER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "© ${YEAR} ${MAKER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Folivex.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first is the default; NSIS picks French for a French user interface.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "French"

LangString Description ${LANG_ENGLISH} "Minimal reader for PDF and comics (CBZ, CBR): display, printing and search, built to start instantly."
LangString Description ${LANG_FRENCH} "Lecteur minimal de PDF et de bandes dessinées (CBZ, CBR) : affichage, impression et recherche, conçu pour démarrer instantanément."
LangString PdfType ${LANG_ENGLISH} "PDF document"
LangString PdfType ${LANG_FRENCH} "Document PDF"
LangString CbzType ${LANG_ENGLISH} "Comic book (CBZ)"
LangString CbzType ${LANG_FRENCH} "Bande dessinée (CBZ)"
LangString CbrType ${LANG_ENGLISH} "Comic book (CBR)"
LangString CbrType ${LANG_FRENCH} "Bande dessinée (CBR)"
LangString RemoveSettings ${LANG_ENGLISH} "Also remove your Folivex settings (two-page view, thumbnail panel, About window and default-reader choices)?"
LangString RemoveSettings ${LANG_FRENCH} "Supprimer aussi vos réglages de Folivex (double page, panneau des miniatures, choix pour la fenêtre À propos et le lecteur par défaut) ?"

; A file type Folivex opens: its ProgID with icon and open command, listed in
; the type's "Open with" and in the capabilities Windows reads.
!macro RegisterType EXT TYPENAME
    WriteRegStr HKCU "Software\Classes\Folivex.${EXT}" "" "${TYPENAME}"
    WriteRegStr HKCU "Software\Classes\Folivex.${EXT}\DefaultIcon" "" "$INSTDIR\Folivex.exe,0"
    WriteRegStr HKCU "Software\Classes\Folivex.${EXT}\shell\open\command" "" '"$INSTDIR\Folivex.exe" "%1"'
    WriteRegNone HKCU "Software\Classes\.${EXT}\OpenWithProgids" "Folivex.${EXT}"
    WriteRegStr HKCU "Software\Classes\Applications\Folivex.exe\SupportedTypes" ".${EXT}" ""
    WriteRegStr HKCU "${CAPABILITIES}\FileAssociations" ".${EXT}" "Folivex.${EXT}"
!macroend

; Removes what RegisterType wrote. The type's own key goes only when nothing
; else is left in it: it may hold the user's choice or another program's.
!macro UnregisterType EXT
    DeleteRegKey HKCU "Software\Classes\Folivex.${EXT}"
    DeleteRegValue HKCU "Software\Classes\.${EXT}\OpenWithProgids" "Folivex.${EXT}"
    DeleteRegKey /ifempty HKCU "Software\Classes\.${EXT}\OpenWithProgids"
    DeleteRegKey /ifempty HKCU "Software\Classes\.${EXT}"
!macroend

Section
    SetOutPath "$INSTDIR"
    File "${STAGE}/Folivex.exe"
    File "${STAGE}/pdfium.dll"
    File "${STAGE}/unrar.dll"
    File "${STAGE}/README.txt"
    SetOutPath "$INSTDIR\LICENSES"
    File "${STAGE}/LICENSES/*.txt"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Folivex.lnk" "$INSTDIR\Folivex.exe"

    WriteRegStr HKCU "Software\Classes\Applications\Folivex.exe" "FriendlyAppName" "Folivex"
    WriteRegStr HKCU "Software\Classes\Applications\Folivex.exe\shell\open\command" "" '"$INSTDIR\Folivex.exe" "%1"'
    !insertmacro RegisterType pdf "$(PdfType)"
    !insertmacro RegisterType cbz "$(CbzType)"
    !insertmacro RegisterType cbr "$(CbrType)"
    ; The program asks to become the default PDF reader only when this value exists.
    WriteRegStr HKCU "${CAPABILITIES}" "ApplicationName" "Folivex"
    WriteRegStr HKCU "${CAPABILITIES}" "ApplicationDescription" "$(Description)"
    WriteRegStr HKCU "${CAPABILITIES}" "ApplicationIcon" "$INSTDIR\Folivex.exe,0"
    WriteRegStr HKCU "Software\RegisteredApplications" "Folivex" "${CAPABILITIES}"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Folivex"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Folivex.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

    ${NotifyShell_AssocChanged}
SectionEnd

Section Uninstall
    Delete "$INSTDIR\Folivex.exe"
    Delete "$INSTDIR\pdfium.dll"
    Delete "$INSTDIR\unrar.dll"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSES\*.txt"
    RMDir "$INSTDIR\LICENSES"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Folivex.lnk"

    !insertmacro UnregisterType pdf
    !insertmacro UnregisterType cbz
    !insertmacro UnregisterType cbr
    DeleteRegKey HKCU "Software\Classes\Applications\Folivex.exe"
    DeleteRegValue HKCU "Software\RegisteredApplications" "Folivex"
    DeleteRegKey /ifempty HKCU "Software\RegisteredApplications"
    DeleteRegKey HKCU "${CAPABILITIES}"

    ; The settings are the user's: asked only when there are some, and kept
    ; by a silent uninstall.
    EnumRegValue $0 HKCU "Software\Folivex" 0
    StrCmp $0 "" settingsDone
    MessageBox MB_YESNO|MB_ICONQUESTION "$(RemoveSettings)" /SD IDNO IDNO settingsDone
    DeleteRegKey HKCU "Software\Folivex"
settingsDone:
    DeleteRegKey /ifempty HKCU "Software\Folivex"

    ${NotifyShell_AssocChanged}
    ; Last, so that an uninstall cut short can be run again from the list.
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
