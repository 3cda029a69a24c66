#!/bin/sh
# On a school computer's 1366 × 768 screen, F1 opens the help in a box that
# stays within the screen and leaves room for a taskbar and a title bar:
# at most 700 pixels tall, its bottom (and its button) on the screen.
set -eu
binary=$1
exec "$(dirname "$0")/../../scripts/on-xvfb.sh" "-screen 0 1366x768x24" sh -c '
    unset QT_QPA_PLATFORM
    "$1" & pid=$!
    trap "kill $pid 2>/dev/null || true" EXIT
    id=$("$2/scripts/window-id.sh")
    sleep 0.3
    xdotool windowfocus --sync "$id" key F1
    line=""
    for i in $(seq 1 50); do
        line=$(xwininfo -root -tree 2>/dev/null | grep -F "\"Равнинни фигури – помощ\"" | head -n 1) || true
        [ -n "$line" ] && break
        sleep 0.2
    done
    if [ -z "$line" ]; then echo "FAIL: F1 opened no help box"; exit 1; fi
    help=$(echo "$line" | awk "{print \$1}")
    eval "$(xwininfo -id "$help" | awk -F: "
        /Absolute upper-left X/ {print \"x=\" \$2+0}
        /Absolute upper-left Y/ {print \"y=\" \$2+0}
        /Width/ {print \"w=\" \$2+0}
        /Height/ {print \"h=\" \$2+0}")"
    echo "help box: ${w}x${h}+${x}+${y}"
    [ "$h" -le 700 ] || { echo "FAIL: taller than 700 px"; exit 1; }
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1366 ] && [ $((y + h)) -le 768 ] ||
        { echo "FAIL: not within the screen"; exit 1; }
    echo "ok: the help fits a 1366 x 768 screen"' sh "$binary" "$(cd "$(dirname "$0")/../.." && pwd)"
