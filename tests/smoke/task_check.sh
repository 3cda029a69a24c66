#!/bin/sh
# A pupil's task on a real X display, read back over AT-SPI: a class set is
# made into a temporary folder, its first variant opened, a count typed that
# no variant can have, F5 pressed; the verdicts must say which kinds are
# wrong without a number, and "Чертай" must stay disabled.
set -eu
binary=$1
here=$(cd "$(dirname "$0")" && pwd)
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
"$binary" --class-set "$folder/set" --variants 3 >/dev/null
variant="$folder/set/вариант-01.pfig"
[ -f "$variant" ] || { echo "the class set has no $variant"; exit 1; }
# the program opens the variant; it keeps its own name on the accessibility bus
cat >"$folder/open-variant" <<SCRIPT
#!/bin/sh
exec "$binary" "$variant"
SCRIPT
chmod +x "$folder/open-variant"
"$here/screen_reader.sh" "$folder/open-variant" task_check.py
