#!/bin/sh
# On a real X display, where a text box takes Ctrl+E for "end of line", the
# window's command keys still work from it: Ctrl+E asks where to export the
# answer sheet from a pupil's count box he has just typed in, and from the
# report box. (The server stays up between the two programs: on-xvfb.sh
# starts it with -noreset.)
set -eu
binary=$1
exec "$(dirname "$0")/../../scripts/on-xvfb.sh" "-screen 0 1024x768x24" sh -c '
    unset QT_QPA_PLATFORM
    failures=0
    # twips of a spot inside the control: 15 make a pixel
    for case in "pupil count:6800:3870:3" "report box:3000:5800:"; do
        name=${case%%:*}; rest=${case#*:}
        x=${rest%%:*}; rest=${rest#*:}; y=${rest%%:*}; typed=${rest#*:}
        "$0" & pid=$!
        wid=""
        for i in $(seq 1 100); do
            wid=$(xdotool search --name "Математика - координати на върхове" 2>/dev/null | head -n 1) || true
            [ -n "$wid" ] && break
            sleep 0.1
        done
        xdotool mousemove --window "$wid" $((x / 15)) $((y / 15)) click 1
        sleep 0.3
        [ -n "$typed" ] && xdotool type "$typed"
        xdotool key ctrl+e
        asked=no
        for i in $(seq 1 30); do
            xdotool search --name "Запиши листа" >/dev/null 2>&1 && { asked=yes; break; }
            sleep 0.1
        done
        kill $pid 2>/dev/null || true
        wait $pid 2>/dev/null || true
        if [ $asked = yes ]; then echo "ok: Ctrl+E from the $name"; else echo "FAIL: Ctrl+E from the $name"; failures=$((failures + 1)); fi
    done
    [ $failures = 0 ]' "$binary"
