#!/bin/sh
# Start-up of the Windows program under Wine against a bare Qt Widgets
# window built with the same static Qt: from CreateProcess until the window
# is shown, measured inside Wine by winprobe, the two started in turn, after
# one start of each to warm the caches; the medians and their ratio.
#   scripts/windows/startup-bench.sh [build-windows] [runs]
# A benchmark, not a test: the goal is a ratio within 1.1.
set -eu
build=${1:-build-windows}
runs=${2:-15}
build=$(cd "$build" && pwd)
export WINEPREFIX="$build/wine-bench" WINEDEBUG=-all LC_ALL=C.UTF-8
"$(dirname "$0")/wine-prefix.sh" "$WINEPREFIX"
scripts/on-xvfb.sh "-screen 0 1024x768x24" sh -c '
    build=$0 runs=$1
    probe=$build/tests/windows/winprobe.exe
    wineserver -p  # one Wine session for every start
    : >"$build/startup-program.txt"
    : >"$build/startup-bare.txt"
    for i in $(seq 0 "$runs"); do
        program=$(wine "$probe" startup plane-figures.example "$(winepath -w "$build/plane-figures.exe")" | tr -d "\r")
        bare=$(wine "$probe" startup "bare Qt window" \
            "$(winepath -w "$build/tests/windows/bare-window.exe")" | tr -d "\r")
        [ "$i" = 0 ] && continue  # the warm-up
        echo "$program" >>"$build/startup-program.txt"
        echo "$bare" >>"$build/startup-bare.txt"
    done
    wineserver -k' "$build" "$runs"
median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
program=$(median "$build/startup-program.txt")
bare=$(median "$build/startup-bare.txt")
echo "start-up until the window is shown, median of $runs under $(wine --version 2>/dev/null):"
echo "  plane-figures.exe  $program ms"
echo "  bare Qt window     $bare ms"
awk -v p="$program" -v b="$bare" 'BEGIN { printf "  ratio              %.2f (goal: at most 1.10)\n", p / b }'
