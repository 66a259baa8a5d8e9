#!/bin/sh
# Without a display to open, tesselin says so in one line on stderr and exits with code 1.
set -u
binary=$1
failures=0

check() {
    what=$1
    shift
    err=$(mktemp)
    env "$@" "$binary" 2>"$err" >/dev/null
    code=$?
    lines=$(wc -l <"$err")
    if [ "$code" -ne 1 ] || [ "$lines" -ne 1 ] || ! grep -q '^tesselin: Das Fenster kann nicht geöffnet werden' "$err"; then
        echo "FAIL: $what: exit code $code, $lines lines on stderr:"
        cat "$err"
        failures=$((failures + 1))
    fi
    rm -f "$err"
}

check "no DISPLAY nor WAYLAND_DISPLAY" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
# Display 4711 has no server: the connection is refused.
check "display refuses the connection" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:4711

if [ "$failures" -ne 0 ]; then
    echo "no_display: 0 passed, $failures failed"
    exit 1
fi
echo "no_display: 2 passed, 0 failed"
