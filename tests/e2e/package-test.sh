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
"$root/tools/package.sh" --no-build "$build" "$work/dist" || exit 1
setup=$(ls "$work"/dist/Folivex-*-setup.exe)

export FOLIVEX_WINEPREFIX=$work/wine
# No desktop entries outside the prefix for the Start-menu shortcut.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
unset FOLIVEX_DISPLAY FOLIVEX_USE_DISPLAY
. "$root/tools/wine-env.sh"
trap 'folivex_wine_down; kill "$(tr -d " " <"/tmp/.X${DISPLAY#:}-lock")"; rm -rf "$work"' EXIT
folivex_wine_up || exit 1
FOLIVEX_SETUP="Z:${setup//\//\\}" "$FOLIVEX_WINE" "$build/tests/PackageTest.exe" --gtest_brief=1
status=$?

# Ending the prefix's server writes its registry to disk. The user's keys of
# the three types are new in this prefix too: they must go as well.
wineserver -k
wineserver -w
left=$(find "$WINEPREFIX/drive_c" -iname '*folivex*'
    grep -H -i folivex "$WINEPREFIX"/*.reg
    grep -H -E '\\\.(pdf|cbz|cbr)[]\\]|RegisteredApplications' "$WINEPREFIX/user.reg")
left=$(grep -v '^[^:]*:\[Software\\\\Folivex\] ' <<<"$left")
[ -z "$left" ] || { printf 'Left behind by the uninstaller:\n%s\n' "$left"; status=1; }
exit $status
