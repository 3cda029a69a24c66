#!/bin/sh
# Pictures of the teacher's side for the README: the teacher's window as it
# opens, and a class set's pages (25 variants of 10 points, code 20261209,
# a heading line): the first worksheet, the first worksheet for plotting,
# and the first page of the answer key.
#   scripts/classset.sh [binary] [folder]
# writes teacher-window.png, class-worksheet.png, class-worksheet-plotting.png
# and class-key.png into folder (docs). Needs xvfb, x11-utils, xdotool,
# imagemagick and poppler-utils.
set -eu
binary=${1:-build/src/plane-figures}
folder=${2:-docs}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# a teacher's home with Bulgarian folder names, as a Bulgarian desktop sets them
mkdir -p "$work/config"
echo 'XDG_DOCUMENTS_DIR="$HOME/Документи"' >"$work/config/user-dirs.dirs"
scripts/on-xvfb.sh "-screen 0 1024x768x24" sh -c '
    HOME=/home/uchitel XDG_CONFIG_HOME=$1/config "$0" --teacher & pid=$!
    id=
    for i in $(seq 1 50); do
        id=$(xwininfo -root -tree 2>/dev/null | awk "/Равнинни фигури — за учителя/ {print \$1; exit}")
        [ -n "$id" ] && break
        sleep 0.2
    done
    [ -n "$id" ] || { echo "the teacher'"'"'s window did not open"; kill $pid; exit 1; }
    sleep 1
    import -window "$id" "$2"
    kill $pid' "$binary" "$work" "$folder/teacher-window.png"

set -- --variants 25 --points 10 --code 20261209 --heading "6 а клас, 12.12.2026"
"$binary" --class-set "$work/drawn" "$@"
"$binary" --class-set "$work/plotting" "$@" --plotting >/dev/null
page() { pdftoppm -png -r 50 -f 1 -l 1 -singlefile "$1" "$2"; }
page "$work/drawn/работни-листове.pdf" "$folder/class-worksheet"
page "$work/plotting/работни-листове.pdf" "$folder/class-worksheet-plotting"
page "$work/drawn/отговори.pdf" "$folder/class-key"
echo "wrote teacher-window.png, class-worksheet.png, class-worksheet-plotting.png and class-key.png in $folder"
