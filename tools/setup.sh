#!/bin/sh
# Installs, from Debian's packages, everything the builds and the tests need.
# Idempotent: when every package is present it only checks and returns.
set -eu

NATIVE="cmake g++ make libgtest-dev"
CROSS="g++-mingw-w64-i686 binutils-mingw-w64-i686"
WINE="wine wine32:i386 xvfb xauth xdotool x11-apps imagemagick fonts-wqy-zenhei socat locales"

missing=""
arch_needed=0
dpkg --print-foreign-architectures | grep -qx i386 || arch_needed=1
for p in $NATIVE $CROSS $WINE; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing="$missing $p"
done
[ -z "$missing" ] && [ "$arch_needed" = 0 ] && exit 0

SUDO=""
[ "$(id -u)" = 0 ] || SUDO="sudo"
if [ "$arch_needed" = 1 ]; then
    $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
