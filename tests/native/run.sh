#!/bin/sh
# Builds the archive parsers natively with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs their unit tests on the generated
# fixtures, seeds the fuzz targets from the same fixtures and fuzzes each
# target for FUZZ_SECONDS (0: no fuzzing).
#
#   tests/native/run.sh BUILDDIR FUZZ_SECONDS
#
# Exits non-zero on any build failure, test failure or fuzzer finding.
set -eu

[ $# -eq 2 ] || { echo "usage: $0 BUILDDIR FUZZ_SECONDS" >&2; exit 2; }
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
BUILD=$(mkdir -p "$1" && cd "$1" && pwd)

CC=${CC:-clang-14} CXX=${CXX:-clang++-14} cmake -S "$HERE" -B "$BUILD" -G Ninja >/dev/null
cmake --build "$BUILD" -j2

FIXTURES="$BUILD/fixtures"
rm -rf "$FIXTURES" && python3 "$ROOT/tests/fixtures/make_fixtures.py" "$FIXTURES"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
FOLIVEX_FIXTURES="$FIXTURES" "$BUILD/archive_tests" --gtest_brief=1

# Seeds: the generated archives, images and Deflate streams under 1 MB.
# fuzz_inflate reads two bytes of output size first.
SEEDS="$BUILD/seeds"
rm -rf "$SEEDS" && mkdir -p "$SEEDS/fuzz_zip" "$SEEDS/fuzz_inflate" "$SEEDS/fuzz_probe"
find "$FIXTURES" -type f -size -1024k \( -name '*.zip' -o -name '*.cbz' \) \
    -exec cp --backup=numbered -t "$SEEDS/fuzz_zip" {} +
find "$FIXTURES" -type f -size -1024k \( -name '*.png' -o -name '*.gif' -o -name '*.bmp' -o -name '*.webp' \
    -o -name '*.jpg' \) -exec cp --backup=numbered -t "$SEEDS/fuzz_probe" {} +
for stream in "$FIXTURES"/deflate/*.bin; do
    name=$(basename "$stream" .bin)
    { printf '\377\377'; cat "$stream"; } >"$SEEDS/fuzz_inflate/$name-full"
    { printf '\020\000'; cat "$stream"; } >"$SEEDS/fuzz_inflate/$name-prefix"
done

if [ "$2" -gt 0 ]; then
    for target in fuzz_zip fuzz_inflate fuzz_probe; do
        mkdir -p "$BUILD/corpus/$target" "$BUILD/artifacts/$target"
        echo "fuzzing $target for $2 s"
        "$BUILD/$target" -max_total_time="$2" -timeout=20 -rss_limit_mb=2048 \
            -print_final_stats=1 -artifact_prefix="$BUILD/artifacts/$target/" \
            "$BUILD/corpus/$target" "$SEEDS/$target" 2>"$BUILD/$target.log" || {
            tail -n 60 "$BUILD/$target.log" >&2
            echo "$target: the fuzzer found a failure (see $BUILD/artifacts/$target)" >&2
            exit 1
        }
        grep -E "^stat::number_of_executed_units" "$BUILD/$target.log" || true
    done
fi
echo "native archive checks passed"
