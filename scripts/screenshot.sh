#!/bin/sh
# Take screenshots of the running program under a virtual X server, after a
# pupil's clicks: six points in two rows and "Чертай"; then with the last
# report line chosen (a click in the report box, then End).
#   scripts/screenshot.sh [binary] [output.png] [chosen.png]
# Needs xvfb, x11-utils, xdotool and imagemagick (make screenshot installs them).
set -eu
binary=${1:-build/src/plane-figures}
output=${2:-docs/window.png}
chosen=${3:-docs/chosen-figure.png}
scripts/on-xvfb.sh "-screen 0 1280x600x24" sh -c '
    out=$1
    chosen=$2
    "$0" & pid=$!
    id=$(scripts/window-id.sh) || { kill $pid; exit 1; }
    sleep 0.5
    # canvas inner area starts at (10, 58) in the window; "Чертай" is centred at (44, 308)
    for p in "20 20" "60 20" "100 20" "20 60" "60 60" "100 60" "180 140"; do
        set -- $p
        xdotool mousemove --window "$id" $((10 + $1)) $((58 + $2)) click 1
        sleep 0.1
    done
    xdotool mousemove --window "$id" 44 308 click 1
    sleep 0.5
    import -window "$id" "$out"
    # the report box starts at (8, 328); the reason shows in the panel beside the window
    xdotool mousemove --window "$id" 300 335 click 1 key End
    sleep 0.8
    scripts/window-and-notes.sh "$id" "$chosen"
    kill $pid' "$binary" "$output" "$chosen"
echo "wrote $output and $chosen"
