#!/usr/bin/env bash
# Installs everything the build and the tests need, from Debian's packages,
# and prepares the 32-bit Wine prefix. Idempotent; quick when all is there.
set -eu
. "$(dirname "$(readlink -f "$0")")/env.sh"

PACKAGES="cmake make g++-mingw-w64-i686 wine wine32:i386 xvfb x11-utils xauth
fonts-wqy-zenhei fonts-dejavu-core googletest locales imagemagick python3 python3-pil procps"

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"
}

missing=""
for p in $PACKAGES; do installed "$p" || missing="$missing $p"; done
if [ -n "$missing" ]; then
    echo "setup: installing$missing"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $SUDO dpkg --add-architecture i386
    fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi

# The Chinese locale Wine takes its code page from.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
    echo "setup: generating zh_CN.UTF-8"
    if grep -q '^# *zh_CN.UTF-8 UTF-8' /etc/locale.gen; then
        $SUDO sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
    elif ! grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen; then
        echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    fi
    $SUDO locale-gen >/dev/null
fi

# The Wine prefix, outside the source tree.
marker="$WINEPREFIX/.bosskey-ready"
if [ ! -f "$marker" ]; then
    echo "setup: creating Wine prefix $WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    ensure_display
    wineboot -i </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
    # The skins' fixed face and the controls' face are not installed; map
    # both names to the Chinese font the system has.
    for face in "宋体" "SimSun"; do
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ \
            /d "WenQuanYi Zen Hei" /f </dev/null >/dev/null 2>&1
    done
    wineserver -w </dev/null >/dev/null 2>&1 || true
    touch "$marker"
    [ -n "${BOSSKEY_XVFB_PID:-}" ] && kill "$BOSSKEY_XVFB_PID" 2>/dev/null || true
fi

