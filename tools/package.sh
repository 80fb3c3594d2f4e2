#!/usr/bin/env bash
# Makes the two release files of Folivex in DIST_DIR (default: dist):
#
#   Folivex-<version>-win64.zip   the portable program: Folivex.exe, pdfium.dll,
#                                 unrar.dll, README.txt and LICENSES/
#   Folivex-<version>-setup.exe   the per-user installer (packaging/Folivex.nsi)
#
# First builds everything into BUILD_DIR (default: build) as tools/build.sh
# does; --no-build packages what BUILD_DIR already holds. The zip is
# reproducible: same inputs, same bytes. Expects tools/install-deps.sh to
# have run (NSIS, and the Debian packages whose copyright files give the
# licence texts).
#
#   tools/package.sh [--no-build] [BUILD_DIR [DIST_DIR]]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_first=1
if [ "${1:-}" = --no-build ]; then
    build_first=0
    shift
fi
build=${1:-$root/build}
dist=${2:-$root/dist}
[ $build_first = 0 ] || "$root/tools/build.sh" "$build"
build=$(cd "$build" && pwd)
bin=$build/bin
mkdir -p "$dist"
dist=$(cd "$dist" && pwd)

version=$(sed -n 's/^project(Folivex VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
maker=$(sed -n 's/^#define FOLIVEX_MAKER *"\(.*\)"$/\1/p' "$root/about/Maker.h")
year=$(sed -n 's/^#define FOLIVEX_COPYRIGHT L"\\x00A9 \([0-9]*\) ".*/\1/p' "$root/about/Maker.h")
if [ -z "$version" ] || [ -z "$maker" ] || [ -z "$year" ]; then
    echo "$0: cannot read the version from CMakeLists.txt or the maker from about/Maker.h" >&2
    exit 1
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/LICENSES"
for file in Folivex.exe pdfium.dll unrar.dll; do
    [ -f "$bin/$file" ] || { echo "$0: $bin/$file is missing: build first" >&2; exit 1; }
    cp "$bin/$file" "$stage/"
done
sed -e "s/@VERSION@/$version/g" -e "s/@COPYRIGHT@/$year $maker/g" "$root/packaging/README.txt" >"$stage/README.txt"

# Where each licence text comes from: deb:PACKAGE is the package's copyright
# file, common:NAME a text of /usr/share/common-licenses, npm:FILE a file of
# the engine's npm package, repo:FILE a file of packaging/licences (for the
# texts that neither Debian nor npm keep), build:FILE a file the build wrote.
npm_package=$root/deps/pdfium/node_modules/@embedpdf/pdfium
source_of() {
    case $1 in
    deb:*) echo "/usr/share/doc/${1#deb:}/copyright" ;;
    common:*) echo "/usr/share/common-licenses/${1#common:}" ;;
    npm:*) echo "$npm_package/${1#npm:}" ;;
    repo:*) echo "$root/packaging/licences/${1#repo:}" ;;
    build:*) echo "$bin/${1#build:}" ;;
    esac
}
describe() {
    case $1 in
    deb:*) echo "Debian package ${1#deb:} $(dpkg-query -W -f='${Version}' "${1#deb:}"), its copyright file" ;;
    common:*) echo "Debian's /usr/share/common-licenses/${1#common:}" ;;
    npm:*) echo "npm package @embedpdf/pdfium $(sed -n 's/^  "version": "\(.*\)",$/\1/p' "$npm_package/package.json"), ${1#npm:}" ;;
    repo:*) echo "Folivex's packaging/licences/${1#repo:}" ;;
    build:*) echo "the unrar-nonfree source package, as its build wrote ${1#build:}" ;;
    esac
}
# licence FILE COMPONENT LICENCE SOURCE...: LICENSES/FILE, a header naming the
# component and its licence as the About window does, then each text.
licence() {
    local out=$stage/LICENSES/$1 component=$2 name=$3 src path
    shift 3
    printf '%s\nLicence: %s\n' "$component" "$name" >"$out"
    for src in "$@"; do
        path=$(source_of "$src")
        if [ ! -s "$path" ]; then
            echo "$0: licence text of $component not found: $path (run tools/install-deps.sh)" >&2
            exit 1
        fi
        printf '\n==============================================================================\n' >>"$out"
        printf 'From %s\n\n' "$(describe "$src")" >>"$out"
        cat "$path" >>"$out"
    done
}
licence PDFium.txt "PDFium" "BSD-3-Clause, Apache-2.0" npm:LICENSE.pdfium
licence FreeType.txt "FreeType" "FTL" deb:libfreetype6
licence libjpeg-turbo.txt "libjpeg-turbo" "IJG, BSD-3-Clause" deb:libjpeg62-turbo
licence OpenJPEG.txt "OpenJPEG" "BSD-2-Clause" deb:libopenjp2-7
licence libpng.txt "libpng" "libpng-2.0" deb:libpng16-16
licence zlib.txt "zlib" "Zlib" deb:zlib1g
licence Little-CMS.txt "Little CMS" "MIT" deb:liblcms2-2
licence AGG-2.3.txt "AGG 2.3" "AGG (permissive)" repo:AGG-2.3.txt
licence Abseil.txt "Abseil" "Apache-2.0" deb:libabsl20220623 common:Apache-2.0
licence ICU.txt "ICU" "Unicode-3.0" deb:libicu72
licence fast_float.txt "fast_float" "MIT, Apache-2.0" deb:libfast-float-dev common:Apache-2.0
licence simdutf.txt "simdutf" "MIT, Apache-2.0" repo:simdutf.txt common:Apache-2.0
licence LLVM-libc.txt "LLVM libc" "Apache-2.0 LLVM" deb:libllvm14 common:Apache-2.0
licence UnRAR.txt "UnRAR (CBR)" "Licence UnRAR" build:unrar-license.txt
licence embedpdf-pdfium.txt "@embedpdf/pdfium, the WebAssembly build of PDFium" "MIT" npm:LICENSE
licence wasm2c-runtime.txt "wasm2c runtime (WABT)" "Apache-2.0" deb:wabt common:Apache-2.0
# Windows line ends, for every editor there.
for text in "$stage"/README.txt "$stage"/LICENSES/*.txt; do
    sed -i 's/\r*$/\r/' "$text"
done

zip=$dist/Folivex-$version-win64.zip
setup=$dist/Folivex-$version-setup.exe
rm -f "$zip" "$setup"

# Names in sorted order, one fixed date (the last commit's, so that a release
# carries its own), fixed attributes: the same files give the same bytes.
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 315532800)}
python3 - "$stage" "$zip" "$epoch" <<'PY'
import os, sys, time, zipfile
stage, out, epoch = sys.argv[1], sys.argv[2], int(sys.argv[3])
date = max(time.gmtime(epoch)[:6], (1980, 1, 1, 0, 0, 0))
names = sorted(os.path.relpath(os.path.join(d, f), stage).replace(os.sep, "/")
               for d, _, files in os.walk(stage) for f in files)
with zipfile.ZipFile(out, "w") as z:
    for name in names:
        info = zipfile.ZipInfo(name, date)
        info.create_system = 0          # MS-DOS attributes, as a Windows tool writes them
        info.external_attr = 0x20       # archive
        info.compress_type = zipfile.ZIP_DEFLATED
        with open(os.path.join(stage, name), "rb") as f:
            z.writestr(info, f.read(), compresslevel=9)
PY

makensis -V2 -WX -INPUTCHARSET UTF8 -DVERSION="$version" -DMAKER="$maker" -DYEAR="$year" -DSTAGE="$stage" \
    -DICON="$build/res/Folivex.ico" -DOUTFILE="$setup" "$root/packaging/Folivex.nsi"

for file in "$zip" "$setup"; do
    echo "$(sha256sum "$file" | cut -d' ' -f1)  $(stat -c %s "$file") bytes  $file"
done
