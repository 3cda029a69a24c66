#!/bin/sh
# The Windows program under Wine shows what the Linux program shows: its
# window has the caption and the 517 x 450 client area; points clicked on the
# canvas and "Чертай" give the report that the Linux program's --report gives
# for the same points, and the canvas the same pixels as the Linux window's;
# its own --report writes the same bytes; --help is in Bulgarian (Qt's texts
# built in).
#   window_as_on_linux.sh plane-figures.exe winprobe.exe LINUX-PROGRAM
set -u
program=$1
probe=$2
linux=$3
. "$(dirname "$0")/common.sh"

# the window as Windows sees it
wine "$program" &
pid=$!
shown=$(wine "$probe" window plane-figures.example | tr -d "\r")
[ -n "$shown" ] || fail "no window"
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
echo "$shown"
[ "$(echo "$shown" | sed -n 's/^caption: //p')" = "$title" ] || fail "caption"
echo "$shown" | grep -qx 'client: 517x450' || fail "client area is not 517 x 450"

for name in square lattice random; do
    points "$name" >"$work/$name.pfig"
    file=$(winepath -w "$work/$name.pfig")
    "$linux" --report "$work/$name.pfig" >"$work/$name.linux.txt"

    wine "$program" --report "$file" >"$work/$name.report.txt" ||
        fail "$name: --report exits with $?"
    cmp -s "$work/$name.linux.txt" "$work/$name.report.txt" || fail "$name: --report differs"

    env -u QT_QPA_PLATFORM "$linux" &
    pid=$!
    set -- $(window_of plane-figures)
    [ "${2:-}" = 517x450 ] || fail "$name: the Linux window did not open at 517 x 450"
    sleep 0.5
    click_points "$1" "$work/$name.pfig"
    canvas_shot "$1" "$work/$name.linux.png"
    kill "$pid"
    wait "$pid" 2>/dev/null

    wine "$program" &
    pid=$!
    set -- $(window_of plane-figures.exe)
    [ "${2:-}" = 517x450 ] || fail "$name: the Windows window did not open at 517 x 450"
    sleep 0.5
    click_points "$1" "$work/$name.pfig"
    canvas_shot "$1" "$work/$name.windows.png"
    report_of "$1" "$work/$name.window.txt" || fail "$name: no report copied"
    kill "$pid"
    wait "$pid" 2>/dev/null

    # the same lines; --report ends each with CR LF, the copied text may not
    if ! awk '{sub(/\r$/, ""); printf "%s\r\n", $0}' "$work/$name.window.txt" |
        cmp -s - "$work/$name.linux.txt"; then
        fail "$name: the window's report differs from the Linux --report"
        diff "$work/$name.window.txt" "$work/$name.linux.txt" | head -n 10
    fi
    differing=$(compare -metric AE "$work/$name.linux.png" "$work/$name.windows.png" null: 2>&1) || true
    [ "$differing" = 0 ] || fail "$name: $differing canvas pixels differ from the Linux window's"
    echo "$name: $(head -n 1 "$work/$name.linux.txt" | tr -d '\r'), $(wc -l <"$work/$name.linux.txt") report lines"
done

help=$(wine "$program" --help | head -n 1)
case $help in
    Използване:*) ;;
    *) fail "--help does not start in Bulgarian: $help" ;;
esac
finish
