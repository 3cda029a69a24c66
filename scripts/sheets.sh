#!/bin/sh
# Pictures of the answer sheet and the worksheet, exported by the running
# program under a virtual X server, for two point sets: seven points, and 15
# points in a 3 × 5 lattice 20 px apart (318 figures). The program opens the
# points, "Чертай" is clicked, then Ctrl+E and Ctrl+Shift+E write the PDFs
# through the file dialog, and pdftoppm turns the pages into pictures: the
# first page of each sheet, and for the lattice's answer sheet its first two
# pages side by side (the report in columns).
#   scripts/sheets.sh [binary] [folder]
# writes answer-sheet.png, worksheet.png, answer-sheet-lattice.png and
# worksheet-lattice.png into folder (docs). Needs xvfb, x11-utils,
# xdotool, imagemagick and poppler-utils.
set -eu
binary=${1:-build/src/plane-figures}
folder=${2:-docs}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '# plane-figures points\n20 20\n60 20\n100 20\n20 60\n60 60\n100 60\n180 140\n' > "$work/seven.pfig"
{
    echo '# plane-figures points'
    for y in 20 40 60; do for x in 20 40 60 80 100; do echo "$x $y"; done; done
} > "$work/lattice.pfig"

# the sheets of one point set: $work/$1-answers.pdf and $work/$1-worksheet.pdf
export_sheets() {
    scripts/on-xvfb.sh "-screen 0 1024x768x24" sh -c '
        points=$1 answers=$2 worksheet=$3
        "$0" "$points" & pid=$!
        id=$(scripts/window-id.sh) || { kill $pid; exit 1; }
        sleep 0.5
        xdotool mousemove --window "$id" 44 308 click 1   # "Чертай"
        sleep 0.5
        # a sheet through the file dialog: its name field has the focus
        export_sheet() {
            xdotool windowfocus "$id" key --clearmodifiers "$1"
            sleep 1
            xdotool key ctrl+a type --delay 20 "$2"
            xdotool key Return
            for i in $(seq 1 50); do [ -s "$2" ] && break; sleep 0.2; done
            sleep 0.5
        }
        export_sheet ctrl+e "$answers"
        export_sheet ctrl+shift+e "$worksheet"
        kill $pid' "$binary" "$work/$1.pfig" "$work/$1-answers.pdf" "$work/$1-worksheet.pdf"
    for sheet in answers worksheet; do
        [ -s "$work/$1-$sheet.pdf" ] || { echo "no $1-$sheet.pdf was written"; exit 1; }
    done
}

# page $3 of $1.pdf as $2
page() { pdftoppm -png -r 50 -f "$3" -l "$3" -singlefile "$work/$1.pdf" "$2"; }

export_sheets seven
export_sheets lattice
page seven-answers "$folder/answer-sheet" 1
page seven-worksheet "$folder/worksheet" 1
page lattice-worksheet "$folder/worksheet-lattice" 1
page lattice-answers "$work/lattice-1" 1
page lattice-answers "$work/lattice-2" 2
montage "$work/lattice-1.png" "$work/lattice-2.png" -tile 2x1 -geometry +8+0 \
    -background '#d0d0d0' "$folder/answer-sheet-lattice.png"
echo "wrote answer-sheet.png, worksheet.png, answer-sheet-lattice.png and worksheet-lattice.png in $folder"
