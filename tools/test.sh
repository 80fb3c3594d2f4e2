#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit and
# end-to-end tests under Wine through CTest, then the native sanitizer tests
# and a short fuzzing run of each parser. Exits 0 only when everything passed.
#
#   tools/test.sh [BUILD_DIR]
#   FOLIVEX_FUZZ_SECONDS=N  seconds of fuzzing per target (default 10)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}

"$root/tools/install-deps.sh" || exit 1
"$root/tools/build.sh" "$build" || exit 1
build=$(cd "$build" && pwd)

export FOLIVEX_WINEPREFIX=$build/wine
. "$root/tools/wine-env.sh"
folivex_wine_up || exit 1

status=0
jobs=${FOLIVEX_JOBS:-$(nproc)}
# A failing test gets one more run, so that a rare lost input event under
# load does not sink the whole run; but a test that needed it is a bug to
# find, so it is named in a banner that cannot be missed.
if ! ctest --test-dir "$build" --output-on-failure -j "$jobs"; then
    failed=$(cut -d: -f2 "$build/Testing/Temporary/LastTestsFailed.log" 2>/dev/null | tr '\n' ' ')
    echo "tools/test.sh: running again: $failed"
    if ctest --test-dir "$build" --output-on-failure --rerun-failed; then
        echo "################################################################"
        echo "# FLAKY: passed only on the second run: $failed"
        echo "# Find out why; a retry is not a fix."
        echo "################################################################"
    else
        status=1
    fi
fi
folivex_wine_down

if [ -x "$root/tests/native/run.sh" ]; then
    "$root/tests/native/run.sh" "$build/native" "${FOLIVEX_FUZZ_SECONDS:-10}" || status=1
fi
# The PDF engine natively, through its glue: regression inputs, then fuzzing.
if [ -x "$root/tests/native/engine/run.sh" ]; then
    "$root/tests/native/engine/run.sh" "$build/native-engine" "${FOLIVEX_FUZZ_SECONDS:-10}" || status=1
fi

if [ $status -eq 0 ]; then
    echo "tools/test.sh: all tests passed"
else
    echo "tools/test.sh: FAILED"
fi
exit $status
