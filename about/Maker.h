// Who makes Folivex and where to find it: the copyright line, the maker's
// site and the other product the About window presents. A release changes
// them here and nowhere else; the version block of Folivex.exe (res/) is
// built from the same macros, so this header holds nothing but macros.
//
// The project has no public web address yet: the addresses below use the
// reserved "example" domain, which can never lead to someone else's site.
#ifndef FOLIVEX_MAKER_H
#define FOLIVEX_MAKER_H

#define FOLIVEX_MAKER     "Folivex contributors"
#define FOLIVEX_COPYRIGHT L"\x00A9 2026 " FOLIVEX_MAKER

#ifndef RC_INVOKED
#define FOLIVEX_SITE_NAME    L"folivex.example"
#define FOLIVEX_SITE_ADDRESS L"https://folivex.example/"

// The other product: the PDF engine this reader is built on, PDFium compiled
// through WebAssembly so that every access it makes stays inside its own
// memory.
#define FOLIVEX_ENGINE_FRENCH                                                                                          \
    L"Des contributeurs de Folivex \u00e9galement : le moteur PDF cloisonn\u00e9 de ce lecteur, PDFium compil\u00e9 "  \
    L"en "                                                                                                             \
    L"WebAssembly, pour qu'un PDF malveillant ne puisse pas atteindre la m\u00e9moire du programme qui l'ouvre."
#define FOLIVEX_ENGINE_ENGLISH                                                                                         \
    L"Also from the Folivex contributors: the sandboxed PDF engine inside this reader, PDFium compiled through "       \
    L"WebAssembly, so that a hostile PDF cannot reach the memory of the program that opens it."
#define FOLIVEX_ENGINE_SITE_NAME    L"folivex.example/engine"
#define FOLIVEX_ENGINE_SITE_ADDRESS L"https://folivex.example/engine/"
#endif

#endif
