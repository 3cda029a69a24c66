# Shared by the checks of the Windows program under Wine (sourced): the
# Wine prefix and the X display come from make windows-check.
export LC_ALL=C.UTF-8 WINEDEBUG=-all
: "${WINEPREFIX:?make windows-check gives the Wine prefix}"
: "${DISPLAY:?make windows-check runs the checks on Xvfb}"
title="https://plane-figures.example Математика - координати на върхове"
status=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*"
    status=1
}

# the X window of the program's client area, by its caption and its X
# class ("plane-figures.exe" under Wine, "plane-figures" on Linux):
# "ID WIDTHxHEIGHT", or nothing after 15 seconds
window_of() {
    for _ in $(seq 1 150); do
        line=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$title\": (\"$1\"" | head -n 1) || true
        if [ -n "$line" ]; then
            echo "$line" | awk '{for (i = 1; i <= NF; i++) if ($i ~ /^[0-9]+x[0-9]+\+/) {
                sub(/\+.*/, "", $i); print $1, $i; exit}}'
            return 0
        fi
        sleep 0.1
    done
}

# write the points of a set, "X Y" a line: square, lattice (3 x 5, 20 px
# apart) or random (11 grid nodes, always the same)
points() {
    case $1 in
        square) printf '20 20\n100 20\n100 100\n20 100\n' ;;
        lattice) for y in 60 80 100; do for x in 100 120 140 160 180; do echo "$x $y"; done; done ;;
        random) awk 'BEGIN { srand(11); for (i = 0; i < 11; i++)
                    print 20 * int(rand() * 14), 20 * int(rand() * 12) }' ;;
    esac
}

# click each point of the file $2 on the canvas of window $1, then "Чертай"
# (the canvas's inner area starts at (10, 58), "Чертай" is centred at (44, 308))
click_points() {
    while read -r x y; do
        xdotool mousemove --window "$1" $((10 + x)) $((58 + y)) click 1
        sleep 0.05
    done <"$2"
    xdotool mousemove --window "$1" 44 308 click 1
    sleep 0.7
}

# the canvas of window $1 as shown on the screen, into the PNG $2
canvas_shot() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -window root -crop "263x229+$((X + 10))+$((Y + 58))" +repage "$2"
}

# the report box's text of the Windows program's window $1, through the
# Windows clipboard (a click in it, Ctrl+A, Ctrl+C), into $2
report_of() {
    xdotool mousemove --window "$1" 300 335 click 1
    sleep 0.2
    xdotool key ctrl+a ctrl+c
    sleep 0.5
    wine "$probe" clipboard "$(winepath -w "$2")"
}

# the exit status of a check script
finish() {
    [ "$status" = 0 ] && echo "all passed"
    exit "$status"
}
