# Sourced by the comic benchmarks: writes the generated comics into
# $BUILD/bench/comics once, and again when their generator changes, and
# gives run_bench, which builds a benchmark and runs it under Wine between
# two readings of the machine's load (a busy machine moves the figures).
comics=$BUILD/bench/comics
if [ ! -f "$comics/open-1.cbz" ] || [ "$ROOT/bench/comic/make_comics.py" -nt "$comics/open-1.cbz" ]; then
    python3 "$ROOT/bench/comic/make_comics.py" "$comics"
fi
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
run_bench() {
    cmake --build "$BUILD" --target "$1"
    export FOLIVEX_WINEPREFIX=${FOLIVEX_WINEPREFIX:-$BUILD/wine}
    echo "load: $(uptime | sed 's/.*load average: //')"
    "$ROOT/tools/wine-run" "$BUILD/bench/$1.exe" "${@:2}"
    echo "load: $(uptime | sed 's/.*load average: //')"
}
