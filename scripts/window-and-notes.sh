#!/bin/sh
# A picture of the program's window and the notes panel beside it, as they
# stand on the screen, for the screenshot scripts on their virtual X server:
#   scripts/window-and-notes.sh WINDOW-ID OUTPUT.png
set -eu
eval "$(xdotool getwindowgeometry --shell "$1")"
left=$X; top=$Y; right=$((X + WIDTH)); bottom=$((Y + HEIGHT))
panel=$(xdotool search --onlyvisible --name "^Бележки$" | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$panel")"
[ $((X + WIDTH)) -gt $right ] && right=$((X + WIDTH))
[ $((Y + HEIGHT)) -gt $bottom ] && bottom=$((Y + HEIGHT))
import -window root -crop $((right - left))x$((bottom - top))+$left+$top "$2"
