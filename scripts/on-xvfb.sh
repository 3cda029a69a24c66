#!/bin/sh
# Run a command on a virtual X server of its own, as xvfb-run does:
#   scripts/on-xvfb.sh "SERVER OPTIONS" COMMAND [ARGUMENT...]
# The server picks a free display itself (-displayfd) and names it once it
# takes clients. xvfb-run -a guesses a free one from the lock files instead,
# so two started at the same moment (two builds, or a build and a screenshot)
# both take :99 and one of them cannot connect.
# The server never resets (-noreset): by default it resets whenever its last
# client leaves, dropping every client still connecting at that moment and
# the root window's properties. A probe that comes and goes (xwininfo,
# xdotool, the accessibility bus's launcher, which sets its address on the
# root window and leaves) would then, now and then, cut off the program
# just as it connects: "could not connect to display".
set -eu
options=$1
shift
dir=$(mktemp -d)
server=
finish() {
    [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
    rm -rf "$dir"
}
trap finish EXIT
trap 'exit 130' INT TERM
mkfifo "$dir/display"
# shellcheck disable=SC2086 # the options are words for the server
Xvfb -displayfd 3 -nolisten tcp -noreset $options 3>"$dir/display" 2>"$dir/log" &
server=$!
if ! read -r number <"$dir/display"; then
    echo "Xvfb did not start:" >&2
    cat "$dir/log" >&2
    exit 1
fi
status=0
DISPLAY=:$number "$@" || status=$?
exit $status
