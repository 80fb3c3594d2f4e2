# Sourced by the comic benchmarks: writes the generated comics into
# $BUILD/bench/comics once, and again when their generator changes.
comics=$BUILD/bench/comics
if [ ! -f "$comics/open-1.cbz" ] || [ "$ROOT/bench/comic/make_comics.py" -nt "$comics/open-1.cbz" ]; then
    python3 "$ROOT/bench/comic/make_comics.py" "$comics"
fi
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
