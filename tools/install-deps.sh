#!/usr/bin/env bash
# Installs what building, running and testing Folivex needs on Debian 12:
# Debian packages through apt-get (main, plus non-free where a component
# needs it) and the pinned npm packages of deps/. Safe to run again: when
# everything is present it installs nothing and returns in a second or two.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    # cross build
    cmake ninja-build g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 googletest
    # the PDF engine: WebAssembly to C, compiled by clang with its profile
    # (llvm-profdata); npm for the engine package
    wabt clang-14 llvm-14
    # running and testing under Wine on a virtual X server
    wine wine64 xvfb xauth locales imagemagick
    # fixtures
    python3 qpdf
    # native sanitizer and fuzz builds of the parsers
    clang-14 libclang-rt-14-dev libfuzzer-14-dev
)
command -v node >/dev/null 2>&1 || packages+=(nodejs)
command -v npm >/dev/null 2>&1 || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The French user interface is tested by running the program in a French
# locale, which glibc must know.
if ! locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
    SUDO=
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO localedef -i fr_FR -f UTF-8 fr_FR.UTF-8
fi

# npm packages pinned by the lock files under deps/ (the only npm ci of
# the project; the engine build checks for its result). Packages bring
# files, never install scripts.
for lock in deps/*/package-lock.json; do
    [ -f "$lock" ] || continue
    dir=$(dirname "$lock")
    if [ ! -d "$dir/node_modules" ] || [ "$lock" -nt "$dir/node_modules/.package-lock.json" ]; then
        (cd "$dir" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error)
    fi
done
