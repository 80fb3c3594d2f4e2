#!/usr/bin/env bash
# Builds Folivex for Windows into BUILD_DIR (default: build): first the PDF
# engine (pdfium.dll) and the RAR library (unrar.dll), each rebuilt only when
# its inputs change, then the program,
# its tests, benchmarks and fixtures. Expects tools/install-deps.sh to have run.
#
#   tools/build.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
mkdir -p "$build"
build=$(cd "$build" && pwd)
jobs=${FOLIVEX_JOBS:-$(nproc)}

pdfium_dir=$build/deps/pdfium
if [ -x "$root/deps/pdfium/build.sh" ]; then
    "$root/deps/pdfium/build.sh" "$pdfium_dir"
fi

# unrar.dll, likewise rebuilt only when its inputs change.
"$root/deps/unrar/build.sh" "$build/deps/unrar"

# Configuring every time is cheap and picks up an engine built since the
# last configuration.
cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DFOLIVEX_PDFIUM_DIR="$pdfium_dir" >/dev/null
cmake --build "$build" -j "$jobs"
