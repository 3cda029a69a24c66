#!/bin/sh
# Build the Debian package, check its dependencies and contents, let lintian
# judge it, and install it into a scratch root, where the program must start.
set -eu
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
deb=$(ls "$out"/plane-figures_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 qt6-qpa-plugins fonts-liberation2; do
    echo "$depends" | grep -q "$needed" || { echo "package does not depend on $needed"; exit 1; }
done
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-translations-l10n ] || { echo "package does not recommend Qt's translations"; exit 1; }
root="$out/root"
dpkg-deb -x "$deb" "$root"
for f in usr/bin/plane-figures usr/share/applications/example.plane_figures.PlaneFigures.desktop \
         usr/share/icons/hicolor/scalable/apps/plane-figures.svg usr/share/mime/packages/plane-figures.xml \
         usr/share/man/man1/plane-figures.1.gz usr/share/doc/plane-figures/copyright \
         usr/share/doc/plane-figures/changelog.gz; do
    [ -e "$root/$f" ] || { echo "package lacks $f"; exit 1; }
done
# Debian's own checks: any error or warning fails; info and pedantic tags
# are shown only
status=0
tags=$(lintian --fail-on error,warning --display-info --pedantic "$deb" 2>&1) || status=$?
[ -z "$tags" ] || echo "$tags"
if [ "$status" != 0 ] || echo "$tags" | grep -q '^[EW]:'; then
    echo "lintian refuses the package (exit status $status)"; exit 1
fi
# the unpacked program starts and keeps running until it is stopped
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/plane-figures" || status=$?
[ "$status" = 124 ] || { echo "the packaged program exited with $status"; exit 1; }
echo "package $(basename "$deb") installs and starts"
