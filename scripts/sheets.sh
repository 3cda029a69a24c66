#!/bin/sh
# Pictures of the answer sheet and the worksheet, exported by the running
# program under a virtual X server: it opens a point set, "Чертай" is clicked,
# then Ctrl+E and Ctrl+Shift+E write the PDFs through the file dialog, and
# pdftoppm turns each first page into a picture.
#   scripts/sheets.sh [binary] [answers.png] [worksheet.png]
# Needs xvfb, xauth, x11-utils, xdotool and poppler-utils.
set -eu
binary=${1:-build/src/plane-figures}
answers=${2:-docs/answer-sheet.png}
worksheet=${3:-docs/worksheet.png}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '# plane-figures points\n20 20\n60 20\n100 20\n20 60\n60 60\n100 60\n180 140\n' > "$work/points.pfig"
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    work=$1
    "$0" "$work/points.pfig" & pid=$!
    id=$(scripts/window-id.sh) || { kill $pid; exit 1; }
    sleep 0.5
    xdotool mousemove --window "$id" 44 308 click 1   # "Чертай"
    sleep 0.3
    # a sheet through the file dialog: its name field has the focus
    export_sheet() {
        xdotool windowfocus "$id" key --clearmodifiers "$1"
        sleep 1
        xdotool key ctrl+a type --delay 20 "$2"
        xdotool key Return
        for i in $(seq 1 50); do [ -s "$2" ] && break; sleep 0.2; done
        sleep 0.3
    }
    export_sheet ctrl+e "$work/answers.pdf"
    export_sheet ctrl+shift+e "$work/worksheet.pdf"
    kill $pid' "$binary" "$work"
for sheet in answers worksheet; do
    [ -s "$work/$sheet.pdf" ] || { echo "no $sheet.pdf was written"; exit 1; }
    pdftoppm -png -r 50 -f 1 -l 1 -singlefile "$work/$sheet.pdf" "$work/$sheet"
done
cp "$work/answers.png" "$answers"
cp "$work/worksheet.png" "$worksheet"
echo "wrote $answers and $worksheet"
