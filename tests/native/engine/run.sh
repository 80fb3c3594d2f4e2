#!/bin/sh
# Fuzzes the PDF engine natively: builds the engine with clang (coverage on
# the generated module, AddressSanitizer on the host glue), the libFuzzer
# target, the seed corpus; replays the committed regression inputs, then
# fuzzes for FUZZ_SECONDS.
#
#   tests/native/engine/run.sh BUILDDIR FUZZ_SECONDS [libFuzzer options]
#
# Exits non-zero on a build failure, a regression input failing again or
# any fuzzer finding (crash, leak, timeout, an engine that did not recover).
set -eu

[ $# -ge 2 ] || { echo "usage: $0 BUILDDIR FUZZ_SECONDS [libFuzzer options]" >&2; exit 2; }
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../../.." && pwd)
BUILD=$(mkdir -p "$1" && cd "$1" && pwd)
SECONDS_TO_FUZZ=$2
shift 2

CC=clang-14 "$ROOT/deps/pdfium/build.sh" --native "$BUILD/pdfium" \
    -DPDFIUM_MODULE_OPTIONS="-O1;-fsanitize=fuzzer-no-link" \
    -DPDFIUM_GLUE_OPTIONS="-g;-fsanitize=address,fuzzer-no-link" -DPDFIUM_PROFILE=
CC=clang-14 cmake -S "$HERE" -B "$BUILD/fuzz" -G Ninja -DFOLIVEX_PDFIUM_DIR="$BUILD/pdfium" >/dev/null
cmake --build "$BUILD/fuzz"
FUZZER="$BUILD/fuzz/fuzz_engine"

rm -rf "$BUILD/seeds" && python3 "$HERE/seeds.py" "$ROOT/tests/fixtures" "$BUILD/seeds"

export ASAN_OPTIONS=detect_leaks=1:allow_user_segv_handler=1
cases=$(find "$HERE/regressions" -type f ! -name '.*' | sort)
if [ -n "$cases" ]; then
    # shellcheck disable=SC2086 # the names hold no spaces
    "$FUZZER" $cases >"$BUILD/regressions.log" 2>&1 || {
        cat "$BUILD/regressions.log" >&2
        echo "fuzz_engine: a regression input fails again" >&2
        exit 1
    }
fi

if [ "$SECONDS_TO_FUZZ" -gt 0 ]; then
    mkdir -p "$BUILD/corpus" "$BUILD/artifacts"
    echo "fuzzing the engine for $SECONDS_TO_FUZZ s"
    "$FUZZER" -max_total_time="$SECONDS_TO_FUZZ" -timeout=20 -rss_limit_mb=4096 -report_slow_units=2 \
        -print_final_stats=1 -artifact_prefix="$BUILD/artifacts/" "$@" \
        "$BUILD/corpus" "$BUILD/seeds" 2>"$BUILD/fuzz.log" || {
        tail -n 60 "$BUILD/fuzz.log" >&2
        echo "fuzz_engine: the fuzzer found a failure (see $BUILD/artifacts)" >&2
        exit 1
    }
    grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" "$BUILD/fuzz.log" || true
    grep -E "cov: [0-9]+" "$BUILD/fuzz.log" | tail -n 1 || true
fi
echo "native engine fuzzing passed"
