#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test under Wine.
set -eu
here="$(dirname "$(readlink -f "$0")")"
"$here/setup.sh"
"$here/build.sh"
. "$here/env.sh"
ensure_display
ensure_wineserver
wine_manages_windows N
cleanup() {
    wineserver -k </dev/null >/dev/null 2>&1 || true
    [ -n "${BOSSKEY_XVFB_PID:-}" ] && kill "$BOSSKEY_XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT
cd "$BOSSKEY_BUILD"
ctest --output-on-failure --timeout 900 "$@"
