#!/bin/sh
# The Windows program under Wine opens the teacher's guide that travels
# inside it, from the pupil's window (Shift+F1) and the teacher's (F1): a
# window titled with the first heading of the page it shows.
#   guide_opens.sh plane-figures.exe GUIDE-PAGE.md
set -u
program=$1
. "$(dirname "$0")/common.sh"
heading=$(sed -n 's/^# //p' "$2" | head -n 1)
[ -n "$heading" ] || fail "no heading in $2"

# the X window whose title is $1 exactly, after 20 seconds at most
titled() {
    for _ in $(seq 1 200); do
        id=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$1\": (" | awk '{print $1; exit}')
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

for way in "pupil|$title|shift+F1" "teacher|Равнинни фигури — за учителя|F1"; do
    who=${way%%|*}; rest=${way#*|}; caption=${rest%|*}; key=${rest##*|}
    if [ "$who" = teacher ]; then wine "$program" --teacher & else wine "$program" & fi
    pid=$!
    if id=$(titled "$caption"); then
        sleep 0.5
        xdotool windowfocus --sync "$id" key "$key" 2>/dev/null || xdotool windowactivate "$id" key "$key"
        if titled "$heading" >/dev/null; then
            echo "$who window, $key: the guide, «$heading»"
        else
            fail "$key in the $who window showed no guide titled «$heading»"
        fi
    else
        fail "the $who window did not open"
    fi
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
done
finish
