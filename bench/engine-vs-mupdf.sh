#!/usr/bin/env bash
# Render speed of the engine beside MuPDF on two long real-world manuals.
#
#   bench/engine-vs-mupdf.sh [WORKDIR]
#
# Builds the engine and pdfrender natively for Linux, then times, as whole
# processes, `pdfrender FILE 1 60 1000` and `mutool draw -w 1000 FILE 1-60`
# (both render and discard the pages) on the R reference manual (r-doc-pdf)
# and the gnuplot manual (gnuplot-doc).  Prints milliseconds per page for
# each and their ratio (engine / MuPDF; at most 1.0 is the goal), the best
# of RUNS runs (default 3).  Installs the Debian packages when missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-$root/build-bench}
runs=${RUNS:-3}
pages=60
width=1000

missing=()
command -v mutool >/dev/null || missing+=(mupdf-tools)
[ -f /usr/share/R/doc/manual/refman.pdf ] || missing+=(r-doc-pdf)
[ -f /usr/share/doc/gnuplot/gnuplot.pdf ] || missing+=(gnuplot-doc)
if [ ${#missing[@]} -gt 0 ]; then
  apt-get install -y --no-install-recommends "${missing[@]}"
fi

# ENGINE_DIR names an existing native engine build to time instead.
engine=${ENGINE_DIR:-$work/pdfium}
[ -n "${ENGINE_DIR:-}" ] || "$root/deps/pdfium/build.sh" --native "$engine"
cmake -S "$root/bench/pdfrender" -B "$work/pdfrender" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DFOLIVEX_PDFIUM_DIR="$engine" >/dev/null
cmake --build "$work/pdfrender" >/dev/null
pdfrender="$work/pdfrender/pdfrender"

# The manuals: the R reference manual and the gnuplot manual.
docs=(/usr/share/R/doc/manual/refman.pdf /usr/share/doc/gnuplot/gnuplot.pdf)
for doc in "${docs[@]}"; do
  [ -f "$doc" ] || { echo "missing $doc" >&2; exit 1; }
done

# Best wall time in milliseconds of RUNS runs of a command.
best_ms() {
  local best="" start end ms
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    ms=$(( (end - start) / 1000000 ))
    if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
  done
  echo "$best"
}

printf '%-16s %12s %12s %7s\n' document "engine ms/p" "mupdf ms/p" ratio
for doc in "${docs[@]}"; do
  ours=$(best_ms "$pdfrender" "$doc" 1 $pages $width)
  mupdf=$(best_ms mutool draw -q -w $width "$doc" 1-$pages)
  awk -v n="$(basename "$doc")" -v e="$ours" -v m="$mupdf" -v p=$pages \
    'BEGIN { printf "%-16s %12.2f %12.2f %7.2f\n", n, e / p, m / p, e / m }'
done
echo "commands: $pdfrender FILE 1 $pages $width ; mutool draw -q -w $width FILE 1-$pages"
