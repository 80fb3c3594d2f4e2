#!/bin/sh
# Builds the inflate benchmark natively with optimisation (no sanitizers),
# generates the Deflate fixtures and prints the timings.
set -eu
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
OUT=${1:-$ROOT/build-bench-inflate}
mkdir -p "$OUT"
${CXX:-clang++-14} -std=c++17 -O2 -fshort-wchar -I"$ROOT/tests/native/shim" -I"$ROOT" \
    "$HERE/InflateBench.cpp" "$ROOT/archive/Inflate.cpp" -o "$OUT/InflateBench"
python3 "$ROOT/tests/fixtures/zip_fixtures.py" "$OUT/fixtures"
"$OUT/InflateBench" "$OUT/fixtures"
