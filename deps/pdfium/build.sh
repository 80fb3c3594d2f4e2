#!/bin/sh
# Builds the PDF engine from the pinned @embedpdf/pdfium WebAssembly module.
#
#   deps/pdfium/build.sh OUTDIR           pdfium.dll + libpdfium.dll.a (MinGW)
#   deps/pdfium/build.sh --native OUTDIR  libpdfium.a for Linux tools
#
# Idempotent and incremental: the CMake + Ninja project under OUTDIR/obj
# (OUTDIR/obj-native) redoes only what changed.  Extra CMake options such
# as -DPDFIUM_GUARD_PAGES=OFF may follow OUTDIR.
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
  set -- -DCMAKE_C_COMPILER="${CC:-gcc}" "$@"
else
  obj="$out/obj"
  set -- -DCMAKE_SYSTEM_NAME=Windows \
         -DCMAKE_C_COMPILER=x86_64-w64-mingw32-gcc \
         -DCMAKE_RC_COMPILER=x86_64-w64-mingw32-windres "$@"
fi
# Configure once; again only when options are given.
if [ ! -f "$obj/build.ninja" ] || [ $options -gt 0 ]; then
  cmake -S "$here" -B "$obj" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DPDFIUM_OUT="$out" "$@" >/dev/null
fi
cmake --build "$obj" -j 2
