#!/bin/sh
# Builds unrar.dll from Debian's unrar-nonfree source package (non-free)
# with the MinGW-w64 cross compiler, posix threads flavour.
#
#   deps/unrar/build.sh OUTDIR    OUTDIR/unrar.dll and OUTDIR/unrar-license.txt
#
# The source is fetched with apt-get source into OUTDIR/source (the deb-src
# entry comes from tools/install-deps.sh) and must be the pinned version.
# The CMake + Ninja project under OUTDIR/obj redoes only what changed, so a
# second run with nothing changed does nothing.
set -eu
PINNED=1:6.2.6-1+deb12u1
if [ $# -ne 1 ]; then
  echo "usage: $0 OUTDIR" >&2
  exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$1"
out=$(cd "$1" && pwd)
upstream=${PINNED#*:}
upstream=${upstream%-*}
src=$out/source
tree=$src/unrar-nonfree-$upstream
obj=$out/obj

fetched=0
if [ "$(cat "$tree/.pinned-version" 2>/dev/null)" != "$PINNED" ]; then
  rm -rf "$src"
  mkdir -p "$src"
  # As root apt would hand the download to its unprivileged user, which
  # cannot write here.
  sandbox=
  [ "$(id -u)" -ne 0 ] || sandbox="-o APT::Sandbox::User=root"
  if ! (cd "$src" && apt-get $sandbox -qq source "unrar-nonfree=$PINNED" >/dev/null); then
    echo "$0: cannot fetch unrar-nonfree $PINNED: run tools/install-deps.sh (it adds Debian's non-free sources)" >&2
    exit 1
  fi
  version=$(sed -n 's/^Version: //p' "$src/unrar-nonfree_$upstream"-*.dsc)
  if [ "$version" != "$PINNED" ] || [ ! -f "$tree/dll.cpp" ]; then
    echo "$0: fetched unrar-nonfree $version, expected $PINNED" >&2
    exit 1
  fi
  echo "$PINNED" >"$tree/.pinned-version"
  fetched=1
fi

if [ ! -f "$obj/build.ninja" ] || [ $fetched = 1 ]; then
  cmake -S "$here" -B "$obj" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_SYSTEM_NAME=Windows \
        -DCMAKE_CXX_COMPILER=x86_64-w64-mingw32-g++-posix \
        -DCMAKE_RC_COMPILER=x86_64-w64-mingw32-windres \
        -DUNRAR_SOURCE="$tree" -DUNRAR_OUT="$out" >/dev/null
fi
cmake --build "$obj" -j 2
