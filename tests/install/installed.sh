#!/bin/sh
# `cmake --install` into a scratch root, as a distribution's package build would, then the checks.
set -eu
build=$1
app_id=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
/usr/bin/python3 "$(dirname "$0")/check_installed.py" "$root" /usr "$app_id"
