#!/bin/sh
# Generates the large page image and runs the comic benchmark under Wine.
#   bench/comic/run.sh [build dir]
set -eu
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
BUILD=${1:-$ROOT/build}
cmake --build "$BUILD" --target ComicBench
python3 "$ROOT/tests/fixtures/image_fixtures.py" "$BUILD/bench/comic-fixtures"
"$ROOT/tools/wine-run" "$BUILD/bench/ComicBench.exe" "Z:$(echo "$BUILD/bench/comic-fixtures/imaging/large.png" | tr / '\\')"
