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
         share/icons/hicolor/256x256/apps/plane-figures.png share/icons/hicolor/scalable/apps/plane-figures.svg; do
    [ -f "$prefix/$f" ] || { echo "missing: $f"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/$app.desktop"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/$app.metainfo.xml"
grep -q '^Name\[bg\]=Равнинни фигури$' "$prefix/share/applications/$app.desktop"
grep -q '^Categories=Education;Math;$' "$prefix/share/applications/$app.desktop"
echo "installed files valid"
