#!/bin/sh
# Install into a scratch prefix and validate what a desktop sees there.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
app=example.plane_figures.PlaneFigures
for f in bin/plane-figures share/applications/$app.desktop share/metainfo/$app.metainfo.xml \
         share/icons/hicolor/32x32/apps/plane-figures.png share/icons/hicolor/48x48/apps/plane-figures.png \
         share/icons/hicolor/256x256/apps/plane-figures.png share/icons/hicolor/scalable/apps/plane-figures.svg \
         share/mime/packages/plane-figures.xml share/man/man1/plane-figures.1.gz; do
    [ -f "$prefix/$f" ] || { echo "missing: $f"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/$app.desktop"
# the teacher's entry opens the teacher's window
teacher="$prefix/share/applications/$app.Teacher.desktop"
desktop-file-validate "$teacher"
grep -q '^Name\[bg\]=Равнинни фигури — за учителя$' "$teacher"
grep -q '^Exec=plane-figures --teacher$' "$teacher"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/$app.metainfo.xml"
grep -q '^Name\[bg\]=Равнинни фигури$' "$prefix/share/applications/$app.desktop"
grep -q '^Categories=Education;Math;$' "$prefix/share/applications/$app.desktop"
# a .pfig file opens in the program: the entry takes a file of the type, and
# the MIME database built from the installed data maps *.pfig to that type
grep -q '^Exec=plane-figures %f$' "$prefix/share/applications/$app.desktop"
grep -q '^MimeType=application/x-plane-figures;$' "$prefix/share/applications/$app.desktop"
xmllint --noout "$prefix/share/mime/packages/plane-figures.xml"
complaints=$(XDG_DATA_DIRS="$prefix/share" update-mime-database "$prefix/share/mime" 2>&1)
[ -z "$complaints" ] || { echo "$complaints"; exit 1; }
grep -q '^[0-9]*:application/x-plane-figures:\*\.pfig$' "$prefix/share/mime/globs2" \
    || { echo "the MIME database does not map *.pfig to application/x-plane-figures"; exit 1; }
echo "installed files valid"
