#!/bin/sh
# Installs the Debian packages that building, running and testing Tesselin need, and only those
# that are missing. Safe to run again.
set -eu

# Build: compiler, CMake, Qt 6 Widgets and Test. Run: the fonts the layout's faces map to, and
# FreeSans for control pictures. Tests and screenshots: an X server, pointer and keyboard from
# outside, the accessibility bus and its Python client, ImageMagick's import; validators for the
# installed files, dpkg-shlibdeps, hardening-check, valgrind, and xcb for the start-up probe.
packages="
cmake
g++
make
qt6-base-dev
qt6-base-dev-tools
libgl-dev
fonts-liberation2
fonts-roboto-unhinted
fonts-freefont-ttf
fonts-dejavu-core
xvfb
xdotool
imagemagick
dbus-daemon
at-spi2-core
python3
python3-pyatspi
desktop-file-utils
appstream
dpkg-dev
devscripts
valgrind
libxcb1-dev
pkg-config
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
