#!/bin/sh
# The Windows program under Wine makes the same class set as the Linux
# program from the same settings and code: the variants' point files and the
# key's CSV byte for byte, and both PDFs; and it gives the same class
# results for a folder of pupils' files, byte for byte.
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

# the pupils' files: one right (the key's counts), one with a wrong count and
# an empty box, one a variant's file as the set made it
mkdir "$work/class"
key=$(sed -n 2p "$work/linux/отговори.csv" | tr -d '\r' | cut -d ';' -f 2-8 | tr ';' ' ')
wrong=$(echo "$key" | awk '{$1 += 1; $7 = "-"; print}')
hand_in() {
    { head -n 1 "$work/linux/$1"
      printf '# ученик: %s\n# отговор: %s\n# проверки: 2\n# подсказки: 1\n# показани отговори: не\n' "$2" "$3"
      tail -n +2 "$work/linux/$1"; } >"$work/class/$4"
}
hand_in вариант-01.pfig "Ана Петрова, 6 а" "$key" ana.pfig
hand_in вариант-01.pfig "Иван Иванов, 6 а" "$wrong" ivan.pfig
cp "$work/linux/вариант-02.pfig" "$work/class/maria.pfig"
"$linux" --class-results "$work/class" >"$work/linux-results.csv" || fail "the Linux program gave no results"
wine "$program" --class-results "$(winepath -w "$work/class")" >"$work/windows-results.csv" ||
    fail "--class-results exits with $?"
cmp -s "$work/linux-results.csv" "$work/windows-results.csv" || fail "the class results differ"
tr -d '\r' <"$work/windows-results.csv" | sed 's/^\xef\xbb\xbf//'
grep -q '^Ана Петрова, 6 а;1;1;1;1;1;1;1;1;2;1;не;' "$work/windows-results.csv" ||
    fail "the right answers are not all right"
finish
