#!/usr/bin/env bash
# The release files of the build in BUILD_DIR, tried in a Wine prefix and on
# a display of their own, both made here and removed afterwards: PackageTest
# installs, runs and uninstalls; then nothing of Folivex may be left in the
# prefix, no file and no registry entry, but the settings key.
#
#   tests/e2e/package-test.sh BUILD_DIR
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
work=$build/package-test
rm -rf "$work"
mkdir -p "$work"
"$root/tools/package.sh" --no-build "$build" "$work/dist" || exit 1

export FOLIVEX_WINEPREFIX=$work/wine
# No desktop entries written outside the prefix for the Start-menu shortcut.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
unset FOLIVEX_DISPLAY FOLIVEX_USE_DISPLAY
. "$root/tools/wine-env.sh"
cleanup() {
    folivex_wine_down
    kill "$(tr -d ' ' <"/tmp/.X${DISPLAY#:}-lock")" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
folivex_wine_up || exit 1

setup=$(ls "$work"/dist/Folivex-*-setup.exe)
FOLIVEX_SETUP="Z:${setup//\//\\}" "$FOLIVEX_WINE" "$build/tests/PackageTest.exe" --gtest_brief=1
status=$?

# Ending the prefix's server writes its registry to disk.
wineserver -k
wineserver -w
files=$(find "$WINEPREFIX/drive_c" -iname '*folivex*')
# The user's keys of the three types are new in this prefix too: they go as well.
entries=$({
    grep -H -i folivex "$WINEPREFIX"/*.reg
    grep -H -E '\\\.(pdf|cbz|cbr)[]\\]|RegisteredApplications' "$WINEPREFIX/user.reg"
} | grep -v '^[^:]*:\[Software\\\\Folivex\] ')
if [ -n "$files$entries" ]; then
    printf 'Left behind by the uninstaller:\n%s\n%s\n' "$files" "$entries"
    status=1
fi
exit $status
