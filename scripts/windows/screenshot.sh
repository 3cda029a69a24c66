#!/bin/sh
# A screenshot of the Windows program under Wine on a virtual X server, after
# the clicks of docs/window.png (scripts/screenshot.sh): seven points and
# "Чертай". Wine draws no frame where no window manager runs, so the picture
# is the client area, as Windows would show it inside its frame.
#   WINEPREFIX=... scripts/windows/screenshot.sh plane-figures.exe docs/window-windows.png
set -eu
program=${1:-build-windows/plane-figures.exe}
output=${2:-docs/window-windows.png}
export WINEDEBUG=-all LC_ALL=C.UTF-8
: "${WINEPREFIX:?a Wine prefix made by scripts/windows/wine-prefix.sh}"
scripts/on-xvfb.sh "-screen 0 800x600x24" sh -c '
    out=$1
    wine "$0" & pid=$!
    id=$(scripts/window-id.sh) || { kill $pid; exit 1; }
    sleep 1
    for p in "20 20" "60 20" "100 20" "20 60" "60 60" "100 60" "180 140"; do
        set -- $p
        xdotool mousemove --window "$id" $((10 + $1)) $((58 + $2)) click 1
        sleep 0.1
    done
    xdotool mousemove --window "$id" 44 308 click 1
    sleep 1
    import -window "$id" "$out"
    kill $pid
    wineserver -k' "$program" "$output"
echo "wrote $output"
