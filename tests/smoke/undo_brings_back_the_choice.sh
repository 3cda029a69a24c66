#!/bin/sh
# The real window on a virtual X server, driven with the mouse and keys as a
# pupil drives it: four points opened from the command line, the second
# chosen in the N list, "Изтрий  1 т.", Ctrl+Z, and "Изтрий  1 т." again.
# The undo must have chosen the point again, so that the second press
# deletes it; the points are then saved through the file dialog (Ctrl+S)
# and read back.
set -eu
binary=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '20 20\n60 20\n100 20\n20 60\n' > "$work/four.pfig"
"$(dirname "$0")/../../scripts/on-xvfb.sh" "-screen 0 1024x768x24" sh -c '
    unset QT_QPA_PLATFORM
    scripts=$1 points=$2 saved=$3
    "$0" "$points" & pid=$!
    id=$("$scripts/window-id.sh") || { kill $pid; exit 1; }
    sleep 0.5
    press() { xdotool windowfocus --sync "$id" key --clearmodifiers "$@"; sleep 0.3; }
    click() { xdotool mousemove --window "$id" "$1" "$2" click 1; sleep 0.3; }
    click 300 60        # the first row of the N list: point 0
    press Down          # point 1
    click 224 308       # "Изтрий  1 т."
    press ctrl+z
    click 224 308       # again: the point the undo chose again
    press ctrl+s
    sleep 1
    xdotool key ctrl+a type --delay 20 "$saved"
    xdotool key Return
    for i in $(seq 1 50); do [ -s "$saved" ] && break; sleep 0.2; done
    kill $pid' "$binary" "$(dirname "$0")/../../scripts" "$work/four.pfig" "$work/saved.pfig"
expected=$(printf '# plane-figures points\n20 20\n100 20\n20 60')
if [ ! -s "$work/saved.pfig" ]; then
    echo "FAIL: nothing was saved"
    exit 1
fi
if [ "$(cat "$work/saved.pfig")" != "$expected" ]; then
    echo "FAIL: the undone deletion did not choose point 1 again; saved:"
    cat "$work/saved.pfig"
    exit 1
fi
echo "ok: Ctrl+Z chose point 1 again and the second deletion took it"
