# Sourced by the scripts that run Windows programs: brings up the project's
# X display (Xvfb, unless FOLIVEX_USE_DISPLAY=1 keeps the user's DISPLAY) and
# its Wine prefix, both reused across runs.
#
#   FOLIVEX_WINEPREFIX  the prefix folder (default: build/wine in the source tree)
#   FOLIVEX_DISPLAY     the Xvfb display number (default: derived from the prefix)

folivex_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${FOLIVEX_WINEPREFIX:-$folivex_root/build/wine}
export WINEARCH=win64
# Wine keeps per-user state under HOME; a bare CI environment may not set it.
export HOME=${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installers: nothing here needs .NET or the HTML engine.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
FOLIVEX_WINE=/usr/lib/wine/wine64
[ -x "$FOLIVEX_WINE" ] || FOLIVEX_WINE=wine

folivex_display_up() {
    if [ "${FOLIVEX_USE_DISPLAY:-0}" = 1 ] && [ -n "${DISPLAY:-}" ]; then
        return 0
    fi
    local n=${FOLIVEX_DISPLAY:-$((90 + $(printf '%s' "$WINEPREFIX" | cksum | cut -d' ' -f1) % 400))}
    export DISPLAY=:$n
    if [ ! -e "/tmp/.X11-unix/X$n" ] || ! kill -0 "$(cat /tmp/.X$n-lock 2>/dev/null | tr -d ' ')" 2>/dev/null; then
        rm -f "/tmp/.X$n-lock" "/tmp/.X11-unix/X$n"
        Xvfb ":$n" -screen 0 1600x1200x24 -nolisten tcp -noreset >/dev/null 2>&1 &
        local i
        for i in $(seq 1 100); do
            [ -e "/tmp/.X11-unix/X$n" ] && return 0
            sleep 0.1
        done
        echo "Xvfb did not start on :$n" >&2
        return 1
    fi
}

# The prefix is made once, with a Wine virtual desktop so that window
# activation, focus and frames are Wine's own, as on Windows, whatever the
# X server has (Xvfb has no window manager), reporting Windows 10 like the
# systems the program is made for, and without the crash dialog,
# which would keep a crashed test waiting for a click until its timeout.
folivex_prefix_up() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.folivex-ready-3" ]; then
            timeout 300 "$FOLIVEX_WINE" wineboot -i >/dev/null 2>&1
            cat > "$WINEPREFIX/desktop.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine]
"Version"="win10"

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1600x1200"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
            # Both run to completion before returning; no need to wait for the
            # server to exit, which a leftover process could delay forever.
            timeout 60 "$FOLIVEX_WINE" regedit /S "$(printf 'Z:%s' "$WINEPREFIX/desktop.reg" | tr / '\\')" >/dev/null 2>&1
            touch "$WINEPREFIX/.folivex-ready-3"
        fi
    ) 9>"$WINEPREFIX.lock"
}

folivex_wine_up() {
    folivex_display_up || return 1
    folivex_prefix_up || return 1
    # Keep the server alive between the many short test processes, and start
    # Wine's own services (desktop, services.exe...) here, with no terminal:
    # started from a test they would inherit its output pipe and keep CTest
    # waiting until they exit.
    wineserver -p60 </dev/null >/dev/null 2>&1 || true
    timeout 60 "$FOLIVEX_WINE" cmd /c exit </dev/null >/dev/null 2>&1
}

folivex_wine_down() {
    wineserver -k >/dev/null 2>&1 || true
}
