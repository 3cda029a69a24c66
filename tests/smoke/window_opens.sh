#!/bin/sh
# Start the program on Xvfb and check that its window appears with the right
# caption and a 517 x 450 client area.
set -eu
binary=$1
exec xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    unset QT_QPA_PLATFORM
    "$0" & pid=$!
    title="https://plane-figures.example Математика - координати на върхове"
    for i in $(seq 1 100); do
        line=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$title\"" | head -n 1) || true
        [ -n "$line" ] && break
        sleep 0.1
    done
    kill $pid 2>/dev/null || true
    wait $pid 2>/dev/null || true
    if [ -z "$line" ]; then echo "no window titled: $title"; exit 1; fi
    echo "window: $line"
    case "$line" in
        *" 517x450+"*) echo "client area 517 x 450"; exit 0 ;;
        *) echo "client area is not 517 x 450"; exit 1 ;;
    esac' "$binary"
