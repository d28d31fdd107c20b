# Shared environment of the project's scripts; source it, don't run it.
# Sets the Wine prefix, locale and display the program and its tests run with.

BOSSKEY_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export BOSSKEY_ROOT
export WINEPREFIX="${BOSSKEY_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/bosskey/wine32}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer dialogs: the program needs neither.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Chinese system code page (936) for the A functions.
{ export LC_ALL=zh_CN.UTF-8; } 2>/dev/null
{ export LANG=zh_CN.UTF-8; } 2>/dev/null
BOSSKEY_BUILD="${BOSSKEY_BUILD:-$BOSSKEY_ROOT/build}"

if [ "$(id -u)" = 0 ]; then SUDO=""; else SUDO="sudo"; fi

# display_works: true when $DISPLAY answers.
display_works() {
    [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1
}

# ensure_display: use the current display, or start a virtual one.
# Sets BOSSKEY_XVFB_PID when it started Xvfb.
ensure_display() {
    display_works && return 0
    local n=99
    while [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ]; do n=$((n + 1)); done
    setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    BOSSKEY_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do
        display_works && return 0
        sleep 0.1
    done
    echo "Xvfb did not start on $DISPLAY" >&2
    return 1
}

# wineserver_running: true when a wineserver serves this prefix (its working
# directory is the prefix's server directory).
wineserver_running() {
    local key pid
    key=$(printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX" 2>/dev/null)) || return 1
    for pid in $(pgrep -x 'wineserver(32|64)?' 2>/dev/null); do
        case "$(readlink "/proc/$pid/cwd" 2>/dev/null)" in */"$key") return 0 ;; esac
    done
    return 1
}

# ensure_wineserver: a persistent wineserver for the prefix, with its services
# started once. Their standard streams go nowhere, so none of them holds a
# caller's pipes open (ctest would wait for them).
ensure_wineserver() {
    wineserver_running && return 0
    wineserver -p </dev/null >/dev/null 2>&1
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

# wine_manages_windows Y|N: whether Wine leaves its windows to the X window
# manager. On the virtual display no window manager runs, and Wine waits up
# to 2 s for one on every hide of a managed window, so there Wine manages the
# windows itself (N); on a desktop the window manager does (Y). Changed only
# when the prefix holds another value.
wine_manages_windows() {
    local want="$1" current
    current=$(sed -n '/^\[Software\\\\Wine\\\\X11 Driver\]/,/^\[/s/^"Managed"="\(.\)"/\1/p' \
        "$WINEPREFIX/user.reg" 2>/dev/null | head -1)
    [ "${current:-Y}" = "$want" ] && return 0
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d "$want" /f \
        </dev/null >/dev/null 2>&1
}
