#!/usr/bin/env bash
# Render speed of the engine beside MuPDF on long real-world documents.
#
#   bench/engine-vs-mupdf.sh [PDF...]
#
# Builds the engine and pdfrender natively for Linux, then times, as whole
# processes, `pdfrender FILE 1 60 1000` and `mutool draw -w 1000 FILE 1-60`
# (both render and discard the pages) on each PDF, by default the R
# reference manual (r-doc-pdf) and the gnuplot manual (gnuplot-doc).
# Prints milliseconds per page for each, their ratio (engine / MuPDF; at
# most 1.0 is the goal) and the worst ratio, the best of RUNS runs
# (default 3).  Installs the Debian packages of the default manuals and
# MuPDF's tools when missing.
#
#   WORK=DIR        build folder (default build-bench)
#   ENGINE_DIR=DIR  time an existing native engine build instead
#   RUNS=N PAGES=N WIDTH=N
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=${WORK:-$root/build-bench}
runs=${RUNS:-3}
pages=${PAGES:-60}
width=${WIDTH:-1000}

docs=("$@")
if [ ${#docs[@]} -eq 0 ]; then
    docs=(/usr/share/R/doc/manual/refman.pdf /usr/share/doc/gnuplot/gnuplot.pdf)
fi
missing=()
command -v mutool >/dev/null || missing+=(mupdf-tools)
[ -f /usr/share/R/doc/manual/refman.pdf ] || missing+=(r-doc-pdf)
[ -f /usr/share/doc/gnuplot/gnuplot.pdf ] || missing+=(gnuplot-doc)
if [ ${#missing[@]} -gt 0 ]; then
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
for doc in "${docs[@]}"; do
    [ -f "$doc" ] || {
        echo "missing $doc" >&2
        exit 1
    }
done

engine=${ENGINE_DIR:-$work/pdfium}
[ -n "${ENGINE_DIR:-}" ] || "$root/deps/pdfium/build.sh" --native "$engine"
cmake -S "$root/bench/pdfrender" -B "$work/pdfrender" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DFOLIVEX_PDFIUM_DIR="$engine" >/dev/null
cmake --build "$work/pdfrender" >/dev/null
pdfrender="$work/pdfrender/pdfrender"

# Best wall time in milliseconds of RUNS runs of a command.
best_ms() {
    local best="" start end ms
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1
        end=$(date +%s%N)
        ms=$(((end - start) / 1000000))
        if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
    done
    echo "$best"
}

printf '%-16s %12s %12s %7s\n' document "engine ms/p" "mupdf ms/p" ratio
worst=0
for doc in "${docs[@]}"; do
    # Both render the same pages: the first PAGES, or all of a shorter file.
    count=$(mutool info "$doc" 2>/dev/null | awk '/^Pages:/ { print $2 }')
    last=$pages
    [ -n "$count" ] && [ "$count" -lt "$last" ] && last=$count
    ours=$(best_ms "$pdfrender" "$doc" 1 "$last" "$width")
    mupdf=$(best_ms mutool draw -q -w "$width" "$doc" "1-$last")
    ratio=$(awk -v e="$ours" -v m="$mupdf" 'BEGIN { printf "%.2f", e / m }')
    awk -v n="$(basename "$doc")" -v e="$ours" -v m="$mupdf" -v p="$last" -v r="$ratio" \
        'BEGIN { printf "%-16s %12.2f %12.2f %7s\n", n, e / p, m / p, r }'
    worst=$(awk -v a="$worst" -v b="$ratio" 'BEGIN { print (b > a ? b : a) }')
done
echo "worst ratio $worst"
echo "commands: $pdfrender FILE 1 $pages $width ; mutool draw -q -w $width FILE 1-$pages (best of $runs)"
