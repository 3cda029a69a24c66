#!/bin/sh
# The installer as a school's technician runs it, under Wine: an older
# version installed silently into a folder of its own, this one silently over
# it (the same folder, one entry among the installed programs), the program,
# the Start-menu entry, the .pfig file type and the uninstall entry in place;
# a .pfig file opened as Explorer opens it shows its points; the silent
# uninstall leaves the files and the registry as they were before.
#   installer.sh SETUP.exe plane-figures.exe winprobe.exe LINUX-PROGRAM installer.nsi VERSION WEBSITE
set -u
setup=$1
program=$2
probe=$3
linux=$4
nsi=$5
version=$6
website=$7
. "$(dirname "$0")/common.sh"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
classes='HKLM\Software\Classes'
folder="$WINEPREFIX/drive_c/plane-figures"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Равнинни фигури.lnk"
teacher_shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Равнинни фигури — за учителя.lnk"

# the value $2 of the key $1 ("(default)" for its default value) as a .reg
# file writes it (from UTF-16)
value() {
    wine reg export "$1" "$(winepath -w "$work/key.reg")" /y >/dev/null 2>&1 || return 1
    iconv -f UTF-16 -t UTF-8 "$work/key.reg" | tr -d '\r' | awk -v name="$2" '
        BEGIN { prefix = name == "(default)" ? "@=" : "\"" name "\"=" }
        index($0, prefix) == 1 { print substr($0, length(prefix) + 1); exit }'
}
# all files of the prefix but the temporary ones, and the machine's registry
snapshot() {
    (cd "$WINEPREFIX/drive_c" && find . -path '*/Temp' -prune -o -print | sort) >"$work/$1.files"
    wine reg export 'HKLM\Software' "$(winepath -w "$work/$1.reg")" /y >/dev/null
    iconv -f UTF-16 -t UTF-8 "$work/$1.reg" | tr -d '\r' >"$work/$1.registry"
}

snapshot before
makensis -V1 -INPUTCHARSET UTF8 -DVERSION=0.9.0 -DPROGRAM="$program" -DWEBSITE="$website" \
    -DOUTFILE="$work/older-setup.exe" "$nsi" || fail "the older installer"
wine "$work/older-setup.exe" /S '/D=C:\plane-figures' || fail "older: exit status $?"
[ "$(value "$uninstall_key\\plane-figures" DisplayVersion)" = '"0.9.0"' ] || fail "older: no entry"
wine "$setup" /S || fail "the installer exits with $?"
wineserver -w

cmp -s "$folder/plane-figures.exe" "$program" || fail "the program is not in the older one's folder"
[ -f "$folder/uninstall.exe" ] || fail "no uninstaller"
[ -e "$WINEPREFIX/drive_c/Program Files/plane-figures" ] && fail "a second copy in Program Files"
[ -f "$shortcut" ] || fail "no Start-menu entry for all users"
python3 -c 'import sys; sys.exit("plane-figures.exe".encode("utf-16-le") not in open(sys.argv[1], "rb").read()
                                 and b"plane-figures.exe" not in open(sys.argv[1], "rb").read())' \
    "$shortcut" || fail "the Start-menu entry does not start the program"
[ -f "$teacher_shortcut" ] || fail "no Start-menu entry for the teacher"
python3 -c 'import sys; data = open(sys.argv[1], "rb").read()
sys.exit("--teacher".encode("utf-16-le") not in data and b"--teacher" not in data)' \
    "$teacher_shortcut" || fail "the teacher's Start-menu entry does not open the teacher's window"
entries=$(wine reg export "$uninstall_key" "$(winepath -w "$work/all.reg")" /y >/dev/null &&
    iconv -f UTF-16 -t UTF-8 "$work/all.reg" | grep -c '^"DisplayName"="Равнинни фигури"')
[ "$entries" = 1 ] || fail "$entries entries among the installed programs"
exe='C:\\plane-figures\\plane-figures.exe'
while read -r key name expected; do
    got=$(value "$key" "$name")
    [ "$got" = "$expected" ] || fail "$key $name is $got, not $expected"
done <<TABLE
$uninstall_key\\plane-figures DisplayName "Равнинни фигури"
$uninstall_key\\plane-figures DisplayVersion "$version"
$uninstall_key\\plane-figures Publisher "The plane-figures developers"
$uninstall_key\\plane-figures URLInfoAbout "$website"
$uninstall_key\\plane-figures DisplayIcon "\\"$exe\\",0"
$uninstall_key\\plane-figures UninstallString "\\"C:\\\\plane-figures\\\\uninstall.exe\\""
$uninstall_key\\plane-figures QuietUninstallString "\\"C:\\\\plane-figures\\\\uninstall.exe\\" /S"
$uninstall_key\\plane-figures NoModify dword:00000001
$uninstall_key\\plane-figures NoRepair dword:00000001
$classes\\.pfig (default) "plane-figures.exercise"
$classes\\plane-figures.exercise\\DefaultIcon (default) "\\"$exe\\",0"
$classes\\plane-figures.exercise\\shell\\open\\command (default) "\\"$exe\\" \\"%1\\""
TABLE
size=$(value "$uninstall_key\\plane-figures" EstimatedSize | sed 's/^dword://')
[ $((0x${size:-0})) -ge $(($(stat -c %s "$program") / 1024)) ] || fail "EstimatedSize $size KiB"

# a .pfig file opened as a double click opens it: through its file type
points lattice >"$work/lattice.pfig"
"$linux" --report "$work/lattice.pfig" >"$work/linux.txt"
wine start /unix "$work/lattice.pfig"
set -- $(window_of plane-figures.exe)
if [ "${2:-}" = 517x450 ]; then
    sleep 0.5
    xdotool mousemove --window "$1" 44 308 click 1
    sleep 0.7
    report_of "$1" "$work/window.txt" || fail "no report copied"
    awk '{sub(/\r$/, ""); printf "%s\r\n", $0}' "$work/window.txt" | cmp -s - "$work/linux.txt" ||
        fail "the opened file's report differs from the Linux --report"
    xdotool key --window "$1" alt+F4
else
    fail "opening a .pfig file showed no window"
fi
wineserver -w

wine 'C:\plane-figures\uninstall.exe' /S || fail "the uninstaller exits with $?"
for _ in $(seq 1 100); do [ -e "$folder" ] || break; sleep 0.2; done
wineserver -w
snapshot after
diff "$work/before.files" "$work/after.files" || fail "files left behind or removed"
diff "$work/before.registry" "$work/after.registry" || fail "registry keys left behind or removed"
finish
