#!/usr/bin/env bash
# Runs the start-up benchmark under Wine.
#   bench/startup/run.sh [BUILD_DIR] [RUNS]
# BUILD_DIR defaults to build; the document is the fixture long.pdf.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-9}
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
export FOLIVEX_WINEPREFIX=${FOLIVEX_WINEPREFIX:-$build/wine}
echo "load: $(uptime | sed 's/.*load average: //')"
"$root/tools/wine-run" "$build/bench/StartupBench.exe" \
    "$(winpath "$build/bin/Folivex.exe")" "$(winpath "$build/bench/StartupEmptyWindow.exe")" \
    "$(winpath "$build/fixtures/long.pdf")" "$runs"
echo "load: $(uptime | sed 's/.*load average: //')"
