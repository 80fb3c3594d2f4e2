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
FOLIVEX_EXE=$(windows_path "$build/bin/Folivex.exe") \
    "$FOLIVEX_WINE" "$build/tests/FolivexSnapshot.exe" "$(windows_path "$file")" "$(windows_path "$shot")"
echo "screenshot: $shot"
