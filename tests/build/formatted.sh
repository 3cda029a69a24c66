#!/usr/bin/env bash
# Every C++ source is formatted as .clang-format says; names those that are not.
set -euo pipefail
cd "$1"
mapfile -t sources < <(find src tests bench web/binding -name '*.cpp' -o -name '*.h' | sort)
unformatted=()
for source in "${sources[@]}"; do
    clang-format --dry-run --Werror "$source" >/dev/null 2>&1 || unformatted+=("$source")
done
if [ ${#unformatted[@]} -gt 0 ]; then
    printf 'not formatted (clang-format -i FILE): %s\n' "${unformatted[@]}"
    exit 1
fi
echo "${#sources[@]} sources formatted"
