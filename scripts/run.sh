#!/usr/bin/env bash
# Sets up the machine, builds the boss key and starts it under Wine.
# Without a display it runs on a virtual one, saves a screenshot of the main
# window and prints the screenshot's path.
set -eu
here="$(dirname "$(readlink -f "$0")")"
"$here/setup.sh"
"$here/build.sh"
. "$here/env.sh"
exe="$BOSSKEY_BUILD/app/bosskey.exe"

if display_works; then
    ensure_wineserver
    wine_manages_windows Y
    exec wine "$exe"
fi

ensure_display
ensure_wineserver
wine_manages_windows N
shot="${BOSSKEY_SCREENSHOT:-$BOSSKEY_BUILD/screenshot.png}"
wine "$exe" </dev/null >/dev/null 2>&1 &
app=$!
# Wait for the main window, then give it a moment to paint.
win=""
for i in $(seq 1 100); do
    win=$(xwininfo -root -tree 2>/dev/null | awk '/霜翎老板键/ {print $1; exit}')
    [ -n "$win" ] && break
    sleep 0.2
done
sleep 2
if [ -n "$win" ]; then
    import -window "$win" "$shot"
else
    echo "the main window did not appear; screenshot of the whole screen" >&2
    import -window root "$shot"
fi
echo "screenshot: $shot"
kill "$app" 2>/dev/null || true
wineserver -k </dev/null >/dev/null 2>&1 || true
kill "$BOSSKEY_XVFB_PID" 2>/dev/null || true
