#!/usr/bin/env bash
# Installs what building, running and testing Folivex needs on Debian 12:
# Debian packages through apt-get (main, plus non-free where a component
# needs it) and the pinned npm packages of deps/. Safe to run again: when
# everything is present it installs nothing and returns in a second or two.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    # cross build
    cmake ninja-build g++-mingw-w64-x86-64 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest
    # the PDF engine: WebAssembly to C, compiled by clang with its profile
    # (llvm-profdata); npm for the engine package
    wabt clang-14 llvm-14
    # running and testing under Wine on a virtual X server
    wine wine64 xvfb xauth locales imagemagick
    # unrar.dll: apt-get source unpacks Debian's source with dpkg-source
    dpkg-dev
    # fixtures and benchmarks; rar and unrar (non-free) write and test CBRs
    python3 qpdf rar unrar
    # real print jobs: a private CUPS queue, and the tools that read its jobs back
    cups cups-client ghostscript poppler-utils
    # native sanitizer and fuzz builds of the parsers
    clang-14 libclang-rt-14-dev libfuzzer-14-dev
    # zlib, the reference that the inflate benchmark and fuzz target compare
    # the decoder with (Folivex itself does not use it); the benchmark's text
    # is the coreutils manual, its pages are drawn in DejaVu Sans
    zlib1g-dev coreutils fonts-dejavu-core
    # release files (tools/package.sh): NSIS for the installer, and the
    # packages whose copyright files give the licence texts of LICENSES/
    nsis libfreetype6 libjpeg62-turbo libopenjp2-7 libpng16-16 zlib1g liblcms2-2 libabsl20220623 libicu72
    libfast-float-dev libllvm14
)
command -v node >/dev/null 2>&1 || packages+=(nodejs)
command -v npm >/dev/null 2>&1 || packages+=(npm)

SUDO=
[ "$(id -u)" -eq 0 ] || SUDO=sudo

# Debian's non-free component, in a file of our own beside the machine's
# sources: deb for the rar and unrar tools, deb-src for the unrar-nonfree
# source that deps/unrar/build.sh turns into unrar.dll. Rewritten only when
# its text differs, so a second run changes nothing.
nonfree=/etc/apt/sources.list.d/folivex-non-free.sources
nonfree_text='Types: deb deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: non-free
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg'
refresh=0
if [ "$(cat "$nonfree" 2>/dev/null)" != "$nonfree_text" ]; then
    printf '%s\n' "$nonfree_text" | $SUDO tee "$nonfree" >/dev/null
    refresh=1
fi
# apt-get source needs the source index, which an older update may lack.
ls /var/lib/apt/lists/*_non-free_source_Sources* >/dev/null 2>&1 || refresh=1

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ] || [ $refresh = 1 ]; then
    $SUDO apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The French user interface is tested by running the program in a French
# locale, which glibc must know.
if ! locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
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
