#!/bin/sh
# What ships: plane-figures.exe is one stripped 64-bit Windows GUI program
# that needs no DLL but Windows' own, carries its version information and
# icon; the zip holds it, byte for byte, and the Bulgarian read-me in one
# folder.
#   executable_and_zip.sh plane-figures.exe plane-figures-VERSION-windows.zip VERSION
set -u
program=$1
zip=$2
version=$3
. "$(dirname "$0")/common.sh"

file "$program" | grep -q 'PE32+ executable (GUI) x86-64' || fail "not a 64-bit GUI program: $(file "$program")"
x86_64-w64-mingw32-objdump -h "$program" | grep -q '\.debug' && fail "debug sections left in"
x86_64-w64-mingw32-nm "$program" 2>&1 | grep -q 'no symbols' || fail "not stripped"
system32="$WINEPREFIX/drive_c/windows/system32"
for dll in $(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p'); do
    # every DLL it imports is one of Windows' own (api-ms-win-*: API sets,
    # names the loader maps onto them)
    case $dll in api-ms-win-*) continue ;; esac
    [ -n "$(find "$system32" -maxdepth 1 -iname "$dll")" ] || fail "needs $dll, which Windows lacks"
    case $dll in [Qq]t6* | lib*) fail "needs $dll beside it" ;; esac
done
# the version information, in UTF-16 as Windows keeps it
for text in "Равнинни фигури" "$version" "plane-figures.exe"; do
    python3 -c 'import sys; sys.exit(sys.argv[1].encode("utf-16-le") not in open(sys.argv[2], "rb").read())' \
        "$text" "$program" || fail "no \"$text\" in the version information"
done
x86_64-w64-mingw32-objdump -h "$program" | grep -q '\.rsrc' || fail "no resources (icon)"
icon=$(python3 -c 'import sys; d = open(sys.argv[1], "rb").read(); print(d.find(bytes.fromhex("89504e470d0a1a0a0000000d49484452000001000000010008")) >= 0)' "$program")
[ "$icon" = True ] || fail "the 256-pixel icon is not in the program"

folder=plane-figures-$version
listing=$(unzip -Z1 "$zip" | grep -v '/$' | sort | tr '\n' ' ')
[ "$listing" = "$folder/README-BG.txt $folder/plane-figures.exe " ] || fail "the zip holds: $listing"
unzip -p "$zip" "$folder/plane-figures.exe" | cmp -s - "$program" || fail "the zip's program differs"
unzip -p "$zip" "$folder/README-BG.txt" | grep -q "Равнинни фигури $version" || fail "the read-me"
ls -l "$program" "$zip"
finish
