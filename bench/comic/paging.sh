#!/usr/bin/env bash
# Pages through a generated 200-page CBZ under Wine at a reading pace and a
# fast pace, and tells for every step whether its page came from the cache.
#   bench/comic/paging.sh [BUILD_DIR] [STEPS] [READING_MS] [FAST_MS] [nothumbs]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$(cd "${1:-$ROOT/build}" && pwd)
. "$ROOT/bench/comic/comics.sh"
run_bench PagingBench "$(winpath "$comics/paging.cbz")" "${2:-40}" "${3:-1000}" \
    "${4:-250}" ${5:+"$5"}
