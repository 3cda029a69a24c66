#!/bin/sh
# Pictures of a pupil's task and of the class's results for the README,
# taken of the running program under a virtual X server. A class set of 25
# variants of 10 points (code 20261209) is made; variant 7, saved by a pupil
# with two counts wrong, is opened, F5 pressed (task-check.png), then F6 twice:
# what is easy to miss, then a figure drawn (task-hint.png). Three pupils'
# files are read in the teacher's window, tab "Резултати на класа"
# (class-results.png).
#   scripts/task.sh [binary] [folder]
# Needs xvfb, x11-utils, xdotool and imagemagick.
set -eu
binary=$(realpath "${1:-build/src/plane-figures}")
folder=$(realpath "${2:-docs}")
work=$(mktemp -d)
class=/tmp/plane-figures-6a  # a short name, as it shows in the picture
trap 'rm -rf "$work" "$class"' EXIT
"$binary" --class-set "$work/set" --variants 25 --points 10 --code 20261209 >/dev/null

# a pupil's saved task: variant $1's file with his name and counts, the
# first ($3) and the fourth ($4) count off by those
hand_in() {
    row=$(sed -n "$(($1 + 1))p" "$work/set/отговори.csv" | tr -d '\r' | cut -d ';' -f 2-8)
    answer=$(echo "$row" | awk -F ';' -v a="$3" -v b="$4" '{$1 += a; $4 += b; print}')
    variant=$(printf '%s/set/вариант-%02d.pfig' "$work" "$1")
    { head -n 1 "$variant"
      printf '# ученик: %s\n# отговор: %s\n# проверки: %s\n# подсказки: %s\n' "$2" "$answer" "$5" "$6"
      printf '# показани отговори: не\n'
      tail -n +2 "$variant"; }
}
mkdir -p "$class"
hand_in 7 "Иван Петров, 6 а" -3 1 0 0 >"$work/ivan.pfig"
hand_in 3 "Ана Георгиева, 6 а" 0 0 2 1 >"$class/ana.pfig"
cp "$work/ivan.pfig" "$class/ivan.pfig"
hand_in 12 "Мария Тодорова, 6 а" 1 0 4 3 >"$class/maria.pfig"

cd "$(dirname "$0")/.."
scripts/on-xvfb.sh "-screen 0 1280x600x24" sh -c '
    "$0" "$1" & pid=$!
    id=$(scripts/window-id.sh) || { kill $pid; exit 1; }
    sleep 1
    # the window and the panel beside it
    shot() { scripts/window-and-notes.sh "$id" "$1"; }
    xdotool windowfocus --sync "$id" key F5
    sleep 0.8
    shot "$2"
    xdotool key F6
    sleep 0.5
    xdotool key F6
    sleep 0.8
    shot "$3"
    kill $pid' "$binary" "$work/ivan.pfig" "$folder/task-check.png" "$folder/task-hint.png"

scripts/on-xvfb.sh "-screen 0 1280x800x24" sh -c '
    "$0" --teacher & pid=$!
    id=
    for i in $(seq 1 50); do
        id=$(xdotool search --onlyvisible --name "за учителя" | head -n 1) && [ -n "$id" ] && break
        sleep 0.2
    done
    [ -n "$id" ] || { echo "the teacher'"'"'s window did not open"; kill $pid; exit 1; }
    sleep 1
    xdotool windowsize --sync "$id" 1180 420  # wide enough for all seven kinds
    xdotool windowfocus --sync "$id" key ctrl+Tab
    sleep 0.3
    xdotool key alt+a key ctrl+a type --delay 10 "$1"
    xdotool key Return
    sleep 1.5
    import -window "$id" "$2"
    kill $pid' "$binary" "$class" "$folder/class-results.png"
echo "wrote task-check.png, task-hint.png and class-results.png in $folder"
