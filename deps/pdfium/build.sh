#!/bin/sh
# Builds the PDF engine from the pinned @embedpdf/pdfium WebAssembly module,
# with clang and the optimisation profile pdfium.profile.
#
#   deps/pdfium/build.sh OUTDIR           pdfium.dll + libpdfium.dll.a (MinGW),
#                                         pdfium_test.dll + libpdfium_test.dll.a
#   deps/pdfium/build.sh --native OUTDIR  libpdfium.a for Linux tools
#
# Idempotent and incremental: the CMake + Ninja project under OUTDIR/obj
# (OUTDIR/obj-native) redoes only what changed.  Extra CMake options such
# as -DPDFIUM_GUARD_PAGES=OFF may follow OUTDIR; CC chooses another
# compiler for the native build (CC=gcc builds without the profile).
set -e
native=0
if [ "$1" = "--native" ]; then
  native=1
  shift
fi
if [ -z "$1" ]; then
  echo "usage: $0 [--native] OUTDIR [cmake options]" >&2
  exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$1"
out=$(cd "$1" && pwd)
shift

# The module comes from npm through tools/install-deps.sh, the one place
# that runs npm ci.
stamp="$here/node_modules/.package-lock.json"
if [ ! -f "$here/node_modules/@embedpdf/pdfium/dist/pdfium.wasm" ] ||
   [ "$here/package-lock.json" -nt "$stamp" ]; then
  echo "$0: the engine module is missing or older than package-lock.json: run tools/install-deps.sh" >&2
  exit 1
fi

options=$#
if [ $native = 1 ]; then
  obj="$out/obj-native"
  compiler=${CC:-clang-14}
  set -- -DCMAKE_C_COMPILER="$compiler" "$@"
else
  # clang targets MinGW with MinGW's headers, linker and libgcc.
  obj="$out/obj"
  compiler=clang-14
  libgcc=$(dirname "$(x86_64-w64-mingw32-gcc -print-libgcc-file-name)")
  set -- -DCMAKE_SYSTEM_NAME=Windows \
         -DCMAKE_C_COMPILER=$compiler -DCMAKE_C_COMPILER_TARGET=x86_64-w64-mingw32 \
         -DCMAKE_EXE_LINKER_FLAGS="-L$libgcc" -DCMAKE_SHARED_LINKER_FLAGS="-L$libgcc" \
         -DCMAKE_RC_COMPILER=x86_64-w64-mingw32-windres "$@"
fi
# Configure once; again when options are given, and afresh when the folder
# was configured for another compiler, which CMake cannot switch in place.
if [ -f "$obj/CMakeCache.txt" ] &&
   ! grep -q "^CMAKE_C_COMPILER:[A-Z]*=\(.*/\)\?$compiler\$" "$obj/CMakeCache.txt"; then
  rm -rf "$obj"
fi
if [ ! -f "$obj/build.ninja" ] || [ $options -gt 0 ]; then
  cmake -S "$here" -B "$obj" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DPDFIUM_OUT="$out" "$@" >/dev/null
fi
cmake --build "$obj" -j 2
