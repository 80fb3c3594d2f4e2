#!/bin/sh
# Generates the 300-page heavy PDF (once) and runs the thumbnail benchmark
# under Wine.
#   bench/thumbs/run.sh [BUILD_DIR] [PRESSES_PER_ROUND] [ROUNDS]
set -eu
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
BUILD=$(cd "${1:-$ROOT/build}" && pwd)
cmake --build "$BUILD" --target ThumbsBench
DOC="$BUILD/bench/thumbs-fixtures/heavy.pdf"
if [ ! -f "$DOC" ] || [ "$HERE/heavy_pdf.py" -nt "$DOC" ]; then
    python3 "$HERE/heavy_pdf.py" "$BUILD/bench/thumbs-fixtures" 300
fi
export FOLIVEX_WINEPREFIX=${FOLIVEX_WINEPREFIX:-$BUILD/wine}
"$ROOT/tools/wine-run" "$BUILD/bench/ThumbsBench.exe" "Z:$(echo "$DOC" | tr / '\\')" "${2:-15}" "${3:-6}"
