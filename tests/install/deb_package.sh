#!/bin/sh
# Builds the .deb with CPack, unpacks it with dpkg -x into a scratch root, checks the files are
# where the .desktop file says and that it depends on the Qt runtime and the substituted fonts.
set -eu
build=$1
app_id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    echo "deb_package: 0 passed, 1 failed"
    exit 1
}
deb=$(ls "$work"/out/*.deb)
dpkg-deb -f "$deb" Depends >"$work/depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 fonts-liberation2 fonts-roboto-unhinted fonts-freefont-ttf; do
    if ! tr ',' '\n' <"$work/depends" | sed 's/^ *//; s/[ (].*//' | grep -qx "$needed"; then
        echo "FAIL: Depends lacks $needed: $(cat "$work/depends")"
        failures=$((failures + 1))
    fi
done

dpkg -x "$deb" "$work/root"
/usr/bin/python3 "$(dirname "$0")/check_installed.py" "$work/root" /usr "$app_id" ||
    failures=$((failures + 1))

if [ "$failures" -ne 0 ]; then
    echo "deb_package: 0 passed, $failures failed"
    exit 1
fi
echo "deb_package: 2 passed, 0 failed"
