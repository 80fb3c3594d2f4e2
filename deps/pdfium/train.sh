#!/bin/sh
# Writes the engine's optimisation profile, deps/pdfium/pdfium.profile:
# builds the engine natively with clang's profile instrumentation, renders a
# training corpus with pdfrender as the reader renders pages, and merges the
# counts as text.  Run it again when the module or split.py changes; a stale
# profile only makes the engine slower, never wrong.
#
#   deps/pdfium/train.sh WORKDIR
#
# The corpus: the project's generated test documents and the fuzzer's seed
# pages (base-14 fonts, vector paths, images, shadings), and Debian manuals
# that the speed benchmark does not use (Type 1 and Type 3 fonts, text and
# vector drawings).  The profile is keyed by function names, which are the
# same in the native and the Windows build of the same generated C.  The
# encrypted test documents stay out: their random salts change the counts,
# and the profile is meant to come out the same on every run.
set -eu
if [ $# -ne 1 ]; then
  echo "usage: $0 WORKDIR" >&2
  exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
mkdir -p "$1"
work=$(cd "$1" && pwd)

manuals="/usr/share/R/doc/manual/R-intro.pdf /usr/share/R/doc/manual/R-exts.pdf
/usr/share/pari/doc/tutorial.pdf /usr/share/pari/doc/libpari.pdf
/usr/share/doc/octave/liboctave.pdf /usr/share/doc/asymptote/CAD.pdf
/usr/share/doc/asymptote/asy-latex.pdf"
for manual in $manuals; do
  [ -f "$manual" ] || {
    echo "$0: missing $manual (tools/install-deps.sh installs it)" >&2
    exit 1
  }
done

CC=clang-14 "$here/build.sh" --native "$work/engine" \
  -DPDFIUM_MODULE_OPTIONS="-O2;-fprofile-instr-generate" -DPDFIUM_GLUE_OPTIONS="-fprofile-instr-generate" \
  -DPDFIUM_PROFILE=
CC=clang-14 cmake -S "$root/bench/pdfrender" -B "$work/pdfrender" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DFOLIVEX_PDFIUM_DIR="$work/engine" -DCMAKE_EXE_LINKER_FLAGS=-fprofile-instr-generate >/dev/null
cmake --build "$work/pdfrender" >/dev/null

rm -rf "$work/corpus" "$work/raw"
mkdir -p "$work/corpus" "$work/raw"
python3 "$root/tests/fixtures/make_fixtures.py" "$work/corpus" >/dev/null
python3 "$root/tests/native/engine/seeds.py" "$root/tests/fixtures" "$work/corpus/seeds" >/dev/null
rm -f "$work"/corpus/user-password*.pdf "$work"/corpus/owner-only*.pdf \
  "$work"/corpus/seeds/user-password*.pdf "$work"/corpus/seeds/owner-only*.pdf
export LLVM_PROFILE_FILE="$work/raw/%p.profraw"
for doc in "$work"/corpus/*.pdf "$work"/corpus/seeds/*.pdf; do
  "$work/pdfrender/pdfrender" "$doc" 1 20 800 >/dev/null 2>&1 || true
done
for manual in $manuals; do
  "$work/pdfrender/pdfrender" "$manual" 1 40 1000 >/dev/null
done
llvm-profdata-14 merge -sparse -text -o "$here/pdfium.profile" "$work"/raw/*.profraw
