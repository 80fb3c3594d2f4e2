#!/bin/sh
# Builds the inflate benchmark natively with the program's optimisation
# (g++ -O3, as the Release build; CXX and CXXFLAGS override), writes the real
# text, page, PNG and random streams and prints ours against zlib.
#   bench/inflate/run.sh [OUTDIR]
set -eu
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
OUT=${1:-$ROOT/build-bench-inflate}
mkdir -p "$OUT"
${CXX:-g++} -std=c++17 ${CXXFLAGS:--O3 -fno-stack-protector} -fshort-wchar -I"$ROOT/tests/native/shim" -I"$ROOT" \
    "$HERE/InflateBench.cpp" "$ROOT/archive/Inflate.cpp" -lz -o "$OUT/InflateBench"
[ -f "$OUT/streams/text.bin" ] || python3 "$HERE/make_streams.py" "$OUT/streams"
uptime
"$OUT/InflateBench" "$OUT/streams"
