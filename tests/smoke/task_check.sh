#!/bin/sh
# A pupil's task on a real X display, read back over AT-SPI: a class set is
# made into a temporary folder, its first variant opened, a count typed that
# no variant can have, F5 pressed; the verdicts must say which kinds are
# wrong without a number, and "Чертай" must stay disabled. Another check of
# the task may be named second (task_check.py by default); it finds a copy of
# the second variant, under a name a keyboard of any layout types, in VARIANT.
set -eu
binary=$1
check=${2:-task_check.py}
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
cp "$folder/set/вариант-02.pfig" "$folder/variant-2.pfig"
export VARIANT="$folder/variant-2.pfig"
before=$(cksum <"$variant")
"$here/screen_reader.sh" "$folder/open-variant" "$check"
# the pupil saved his own file: the variant is the teacher's task as made
[ "$(cksum <"$variant")" = "$before" ] || { echo "the variant's file was written"; exit 1; }
