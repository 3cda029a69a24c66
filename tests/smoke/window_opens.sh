#!/bin/sh
# Start the program on Xvfb and check that its window appears with the right
# caption and a 517 x 450 client area:
#   window_opens.sh BINARY [PLACE ARGUMENT...]
# With PLACE (+X+Y), the ARGUMENTs are passed to the program and the window
# must stand at PLACE: Qt's own options, -qwindowgeometry among them, reach Qt.
set -eu
binary=$1
place=${2:-+}
[ $# -ge 2 ] && shift 2 || shift $#
exec "$(dirname "$0")/../../scripts/on-xvfb.sh" "-screen 0 1024x768x24" sh -c '
    unset QT_QPA_PLATFORM
    binary=$1; place=$2; shift 2
    "$binary" "$@" & pid=$!
    title="https://plane-figures.example Математика - координати на върхове"
    # the window may show its caption before Qt has moved it to its place:
    # wait for the place too, then judge the last seen
    for i in $(seq 1 100); do
        line=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$title\"" | head -n 1) || true
        case "$line" in *" 517x450$place"*) break ;; esac
        sleep 0.1
    done
    kill $pid 2>/dev/null || true
    wait $pid 2>/dev/null || true
    if [ -z "$line" ]; then echo "no window titled: $title"; exit 1; fi
    echo "window: $line"
    case "$line" in
        *" 517x450$place"*) echo "client area 517 x 450 at $place"; exit 0 ;;
        *) echo "client area is not 517 x 450 at $place"; exit 1 ;;
    esac' sh "$binary" "$place" "$@"
