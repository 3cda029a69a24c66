#!/bin/sh
# The teacher's guide opens from the pupil's window (Shift+F1) and from the
# teacher's window (F1), and shows its first page: the guide's window is
# titled with the first heading read back from the page it shows.
#   guide_opens.sh PROGRAM GUIDE-PAGE.md
set -eu
binary=$1
heading=$(sed -n 's/^# //p' "$2" | head -n 1)
[ -n "$heading" ] || { echo "FAIL: no heading in $2"; exit 1; }
exec "$(dirname "$0")/../../scripts/on-xvfb.sh" "-screen 0 1366x768x24" sh -c '
    unset QT_QPA_PLATFORM
    heading=$1
    # the X window titled $1, after ten seconds at most
    window() {
        for i in $(seq 1 50); do
            id=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$1\": (" | awk "{print \$1; exit}")
            [ -n "$id" ] && { echo "$id"; return 0; }
            sleep 0.2
        done
        return 1
    }
    status=0
    for way in "pupil:Математика - координати на върхове:shift+F1" \
               "teacher:Равнинни фигури — за учителя:F1"; do
        who=${way%%:*}; rest=${way#*:}; title=${rest%:*}; key=${rest##*:}
        if [ "$who" = teacher ]; then "$2" --teacher & else "$2" & fi
        pid=$!
        id=$(window "https://plane-figures.example $title" || window "$title") ||
            { echo "FAIL: the $who window did not open"; kill $pid; exit 1; }
        sleep 0.3
        xdotool windowfocus --sync "$id" key "$key"
        if window "$heading" >/dev/null; then
            echo "ok: $key in the $who window shows the guide: $heading"
        else
            echo "FAIL: $key in the $who window showed no guide titled «$heading»"
            status=1
        fi
        kill $pid 2>/dev/null; wait $pid 2>/dev/null || true
    done
    exit $status' sh "$heading" "$binary"
