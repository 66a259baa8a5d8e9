#!/bin/sh
# Saves a PNG of the real window under Xvfb (no window manager): screenshot.sh TESSELIN OUT.png
# QT_SCALE_FACTOR in the environment scales the window as on a high-density display; keys in
# TESSELIN_KEYS (xdotool names, e.g. "7 1") are pressed first.
set -eu
binary=$1
out=$2
scale=${QT_SCALE_FACTOR:-1}
width=$(awk "BEGIN { print int(1280 * $scale) }")
height=$(awk "BEGIN { print int(1024 * $scale) }")

exec 3>&1
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 4 -screen 0 "${width}x${height}x24" -nolisten tcp 4>"$fifo" 2>/dev/null &
server=$!
read -r number <"$fifo"
rm -f "$fifo"
trap 'kill $app $server 2>/dev/null; wait 2>/dev/null' EXIT
export DISPLAY=":$number"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
"$binary" &
app=$!
window=$(xdotool search --sync --onlyvisible --name '^Tesselin$' | head -n 1)
if [ -n "${TESSELIN_KEYS:-}" ]; then
    xdotool windowfocus --sync "$window"
    # shellcheck disable=SC2086
    xdotool key $TESSELIN_KEYS
fi
sleep 0.5
import -window "$window" "$out"
echo "saved $out ($(identify -format '%wx%h' "$out"))" >&3
