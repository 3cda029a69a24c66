#!/bin/sh
# Take a screenshot of the running window under a virtual X server:
#   scripts/screenshot.sh [binary] [output.png]
# Needs xvfb, xauth, x11-utils and imagemagick (make screenshot installs them).
set -eu
binary=${1:-build/src/plane-figures}
output=${2:-docs/window.png}
xvfb-run -a -s "-screen 0 800x600x24" sh -c '
    "$0" & pid=$!
    for i in $(seq 1 50); do
        id=$(xwininfo -root -tree 2>/dev/null | awk "/Математика - координати на върхове/ {print \$1; exit}")
        [ -n "$id" ] && break
        sleep 0.2
    done
    sleep 1
    import -window "$id" "$1"
    kill $pid' "$binary" "$output"
echo "wrote $output"
