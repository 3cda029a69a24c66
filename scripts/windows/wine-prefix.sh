#!/bin/sh
# Make a fresh 64-bit Wine prefix in the folder $1 for a run of the checks.
# Windows has Times New Roman, the window's font; Wine has not, so the prefix
# gets Liberation Serif (fonts-liberation2, the same metrics and Cyrillic) in
# its Fonts folder and under Times New Roman's name, as Linux does: as a
# Wine font replacement, which lists it as a family of that name (Qt asks for
# the families it can choose from), and as the GDI font substitute.
set -eu
prefix=$1
fonts=/usr/share/fonts/truetype/liberation2
rm -rf "$prefix"
mkdir -p "$prefix"
export WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all
# no Mono or Gecko to offer: the program needs neither
export WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1
cp "$fonts"/LiberationSerif-*.ttf "$prefix/drive_c/windows/Fonts/"
key='HKLM\Software\Microsoft\Windows NT\CurrentVersion'
for style in Regular:"" Bold:" Bold" Italic:" Italic" BoldItalic:" Bold Italic"; do
    wine reg add "$key\\Fonts" /v "Liberation Serif${style#*:} (TrueType)" \
        /d "LiberationSerif-${style%%:*}.ttf" /f >/dev/null
done
wine reg add "$key\\FontSubstitutes" /v "Times New Roman" /d "Liberation Serif" /f >/dev/null
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "Times New Roman" /d "Liberation Serif" /f >/dev/null
wineserver -w
