#!/bin/sh
# The Windows program under Wine makes the same class set as the Linux
# program from the same settings and code: the variants' point files and the
# key's CSV byte for byte, and both PDFs.
#   class_set_as_on_linux.sh plane-figures.exe LINUX-PROGRAM
set -u
program=$1
linux=$2
. "$(dirname "$0")/common.sh"

settings="--variants 30 --points 12 --code 20261209 --heading 6_а_клас"
# shellcheck disable=SC2086
"$linux" --class-set "$work/linux" $settings >/dev/null || fail "the Linux program made no set"
# shellcheck disable=SC2086
wine "$program" --class-set "$(winepath -w "$work/windows")" $settings >"$work/said.txt" ||
    fail "--class-set exits with $?"
cat "$work/said.txt"
made=$(ls "$work/windows" | grep -c '\.pfig$')
[ "$made" = 30 ] || fail "$made point files instead of 30"
for file in "$work"/linux/*.pfig "$work/linux/отговори.csv"; do
    name=$(basename "$file")
    cmp -s "$file" "$work/windows/$name" || fail "$name differs from the Linux program's"
done
for name in работни-листове.pdf отговори.pdf; do
    head -c 5 "$work/windows/$name" 2>/dev/null | grep -q '^%PDF-' || fail "no $name"
done
finish
