#!/usr/bin/env bash
# Installs what is missing, builds, writes the sample documents and runs
# Folivex under Wine on FILE, or on the sample PDF when no FILE is given.
# With a display (DISPLAY set) the window opens there; without one the
# program runs on a virtual screen, and once the page is painted a
# screenshot is saved (its path is printed) and the program is closed.
#
#   tools/run.sh [FILE]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build

"$root/tools/install-deps.sh"
"$root/tools/build.sh" "$build"

file=${1:-$build/fixtures/sample.pdf}
[ -e "$file" ] || file=$build/fixtures/report.pdf
file=$(readlink -f "$file")
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }

export FOLIVEX_WINEPREFIX=$build/wine
if [ -n "${DISPLAY:-}" ]; then
    # The window opens on the user's display, inside Wine's desktop window.
    export FOLIVEX_USE_DISPLAY=1
    . "$root/tools/wine-env.sh"
    folivex_wine_up
    exec "$FOLIVEX_WINE" "$build/bin/Folivex.exe" "$(windows_path "$file")"
fi

. "$root/tools/wine-env.sh"
folivex_wine_up
shot=$build/folivex-screenshot.png
"$FOLIVEX_WINE" "$build/bin/Folivex.exe" "$(windows_path "$file")" >/dev/null 2>&1 &
program=$!
# Wait until the title names the document, or a message box says why it
# could not be opened (Wine's debugger lists the windows with their titles),
# then until two screenshots in a row agree: painting has finished.
for _ in $(seq 1 60); do
    "$FOLIVEX_WINE" winedbg --command "info wnd" 2>/dev/null |
        grep -F -e " $(basename "$file") - " -e "#32770" >/dev/null && break
    sleep 1
done
import -window root "$shot"
for _ in $(seq 1 40); do
    sleep 0.5
    import -window root "$shot.next.png"
    compare -metric AE "$shot" "$shot.next.png" null: 2>/dev/null && break
    mv "$shot.next.png" "$shot"
done
rm -f "$shot.next.png"
"$FOLIVEX_WINE" taskkill /im Folivex.exe >/dev/null 2>&1 || kill "$program"
wait "$program" || true
echo "screenshot: $shot"
