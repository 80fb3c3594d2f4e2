#!/usr/bin/env bash
# Opening a 2,000-page CBZ under Wine: the steps of the open, and the time
# Folivex.exe takes from launch to the title beyond a one-page CBZ.
#   bench/comic/open.sh [BUILD_DIR] [RUNS]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$(cd "${1:-$ROOT/build}" && pwd)
. "$ROOT/bench/comic/comics.sh"
cmake --build "$BUILD" --target OpenBench
export FOLIVEX_WINEPREFIX=${FOLIVEX_WINEPREFIX:-$BUILD/wine}
echo "load: $(uptime | sed 's/.*load average: //')"
"$ROOT/tools/wine-run" "$BUILD/bench/OpenBench.exe" "$(winpath "$BUILD/bin/Folivex.exe")" \
    "$(winpath "$comics/open-2000.cbz")" "$(winpath "$comics/open-1.cbz")" "${2:-9}"
echo "load: $(uptime | sed 's/.*load average: //')"
