#!/usr/bin/env bash
# Opening a 2,000-page CBZ under Wine: the steps of the open, and the time
# Folivex.exe takes from launch to the title beyond a one-page CBZ.
#   bench/comic/open.sh [BUILD_DIR] [RUNS]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$(cd "${1:-$ROOT/build}" && pwd)
. "$ROOT/bench/comic/comics.sh"
run_bench OpenBench "$(winpath "$BUILD/bin/Folivex.exe")" \
    "$(winpath "$comics/open-2000.cbz")" "$(winpath "$comics/open-1.cbz")" "${2:-9}"
