#!/usr/bin/env bash
# Lists and reads a 1,000-page non-solid and a 1,000-page solid CBR through
# unrar.dll under Wine, beside the native `unrar t` of the same files.
#   bench/rar/run.sh [BUILD_DIR] [PAGES]
# The comics are generated once into BUILD_DIR/bench/rar-comics.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
pages=${2:-1000}
comics=$build/bench/rar-comics
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }

cmake --build "$build" --target RarBench
if [ ! -f "$comics/solid.cbr" ] || [ "$(cat "$comics/pages" 2>/dev/null)" != "$pages" ] ||
   [ "$root/bench/rar/make_cbr.py" -nt "$comics/solid.cbr" ]; then
    python3 "$root/bench/rar/make_cbr.py" "$comics" "$pages"
    echo "$pages" >"$comics/pages"
fi

export FOLIVEX_WINEPREFIX=${FOLIVEX_WINEPREFIX:-$build/wine}
for archive in nonsolid solid; do
    file=$comics/$archive.cbr
    echo "== $archive.cbr: $pages pages, $(($(stat -c %s "$file") / 1048576)) MiB"
    TIMEFORMAT="%R %U %S"
    read -r wall user sys < <({ time unrar t -idq "$file"; } 2>&1)
    python3 -c 'import sys; w, u, s = map(float, sys.argv[1:]); print("%-40s %9.0f ms  (%.0f ms CPU)" % ("unrar t (native, whole archive)", w * 1000, (u + s) * 1000))' "$wall" "$user" "$sys"
    # Each archive in a process of its own, so that its peak memory is its own.
    "$root/tools/wine-run" "$build/bench/RarBench.exe" "$(winpath "$file")"
done
