#!/usr/bin/env bash
# The build refuses what would tie the program's parts the wrong way: each
# case copies the sources, breaks one rule and expects configuring to fail
# with a message naming it; the unbroken copy must configure.
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# name | file to change | line to add | what the failure must say
cases=(
  "clean|||"
  "Qt in the core|src/analysis/stray.h|#include <QString>|includes <QString>, which plane_figures_analysis must not include"
  "a widget in the model|src/workspace/model/stray.h|#include <QWidget>|includes <QWidget>, which plane_figures_model must not include"
  "Qt in the session|src/session/stray.h|#include <QString>|includes <QString>, which plane_figures_session must not include"
  "a widget header by module path in the command line|src/workspace/cli/stray.cpp|#include <QtWidgets/QLabel>|which plane_figures_cli must not include"
  "widgets reached by the command line|src/workspace/cli/CMakeLists.txt|target_link_libraries(plane_figures_cli PRIVATE plane_figures_controls)|plane_figures_cli must not link Qt6::Widgets"
  "Gui linked by the files|src/workspace/files/CMakeLists.txt|target_link_libraries(plane_figures_files PUBLIC Qt6::Gui)|plane_figures_files must not link Qt6::Gui"
  "print support linked by the model|src/workspace/model/CMakeLists.txt|target_link_libraries(plane_figures_model PRIVATE Qt6::PrintSupport)|plane_figures_model must not link Qt6::PrintSupport"
)
failures=0
for entry in "${cases[@]}"; do
    IFS='|' read -r name file line expected <<<"$entry"
    copy=$work/src-$RANDOM
    mkdir -p "$copy"
    (cd "$source_dir" && tar cf - CMakeLists.txt LICENSE cmake src data) | tar xf - -C "$copy"
    [ -n "$file" ] && printf '%s\n' "$line" >>"$copy/$file"
    # CMake wraps its messages: read them as one line
    if output=$(cmake -S "$copy" -B "$copy/build" -DPLANE_FIGURES_TESTS=OFF 2>&1 | tr -s ' \n' ' '; exit "${PIPESTATUS[0]}"); then
        configured=yes
    else
        configured=no
    fi
    if [ -z "$file" ] && [ $configured = yes ]; then
        echo "ok: $name configures"
    elif [ -n "$file" ] && [ $configured = no ] && grep -qF -- "$expected" <<<"$output"; then
        echo "ok: $name is refused"
    else
        echo "FAIL: $name (configured: $configured)"
        grep -o "CMake Error[^-]*" <<<"$output" | head -3 || true
        failures=$((failures + 1))
    fi
    rm -rf "$copy"
done
[ $failures = 0 ]
