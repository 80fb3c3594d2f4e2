#!/usr/bin/env bash
# Runs the print benchmark under Wine, on the private CUPS queue of the print
# test (started here, as root, and stopped on the way out): a text page of
# report.pdf and two comic pages of 2000 x 3000 pixels of noise (one of them
# landscape, so it is turned), at 300 and 600 dpi, each in a fresh process.
#   bench/print/run.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
cmake --build "$build" --target PrintBench fixtures >/dev/null
queue=$build/bench/print-queue
mkdir -p "$queue"
python3 - "$root/tests/fixtures" "$queue/noise.cbz" <<'PY'
import random, sys
sys.path.insert(0, sys.argv[1])
from image_fixtures import png
from zip_fixtures import Entry, build_zip
rng = random.Random(1)
pages = [png(w, h, [rng.randbytes(w * 3) for _ in range(h)], level=1) for w, h in ((2000, 3000), (3000, 2000))]
open(sys.argv[2], 'wb').write(build_zip([Entry('p%d.png' % (i + 1), p) for i, p in enumerate(pages)]))
PY
trap 'sh "$root/tests/e2e/print-queue.sh" stop "$queue"' EXIT
sh "$root/tests/e2e/print-queue.sh" start "$queue" 2>/dev/null
export CUPS_SERVER=$queue/cups.sock FOLIVEX_WINEPREFIX=${FOLIVEX_WINEPREFIX:-$build/wine}
for dpi in 300 600; do
    "$root/tools/wine-run" "$build/bench/PrintBench.exe" "$(winpath "$build/fixtures/report.pdf")" $dpi 3
    "$root/tools/wine-run" "$build/bench/PrintBench.exe" "$(winpath "$queue/noise.cbz")" $dpi 2
done
