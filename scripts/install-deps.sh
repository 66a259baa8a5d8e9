#!/bin/sh
# Installs the Debian packages that building, running and testing Tesselin need, and only those
# that are missing. Safe to run again.
set -eu

packages="
cmake
g++
make
pkg-config
qt6-base-dev
qt6-base-dev-tools
libgl-dev
fonts-liberation2
fonts-roboto-unhinted
xvfb
xauth
xdotool
x11-utils
imagemagick
dbus
dbus-x11
at-spi2-core
python3
python3-pyatspi
desktop-file-utils
appstream
dpkg-dev
devscripts
valgrind
libxcb1-dev
"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=""
else
    sudo="sudo"
fi
echo "install-deps: installing$missing"
$sudo apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
