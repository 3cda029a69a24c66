#!/usr/bin/env bash
# Instructions per analysis run, counted by callgrind (no other load moves
# them), on the 15 points of the benchmarks' 3 × 5 lattice: the analysis of
# revision REV (default: the work tree) beside the exact classifier of the
# tests. Usage: scripts/analysis-instructions.sh [REV]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ $# -gt 0 ]; then
    git -C "$root" archive "$1" src/analysis tests/support | tar -x -C "$work"
else
    mkdir -p "$work/src" "$work/tests"
    cp -r "$root/src/analysis" "$work/src/"
    cp -r "$root/tests/support" "$work/tests/"
fi
cat > "$work/driver.cpp" <<'CPP'
#include <cstdio>
#include <vector>
#include "exactclassifier.h"
#include "figureanalysis.h"
int main() {
    std::vector<plane_figures::GridPoint> nodes;
    std::vector<plane_figures::testing::GridPoint> points;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 5; ++column) {
            nodes.push_back({40 + 20 * column, 40 + 20 * row});
            points.push_back({40 + 20 * column, 40 + 20 * row});
        }
    plane_figures::FigureAnalysis analysis;
    std::size_t figures = 0;
    for (int run = 0; run < 100; ++run) {
        figures += analysis.Run(nodes).figures.size();
        figures += static_cast<std::size_t>(plane_figures::testing::CountExactly(points)[0]);
    }
    std::printf("%zu\n", figures);
}
CPP
g++ -std=c++20 -O2 -g -I"$work/src/analysis" -I"$work/tests/support" "$work/driver.cpp" \
    "$work"/src/analysis/*.cpp "$work/tests/support/exactclassifier.cpp" -o "$work/driver"
valgrind --tool=callgrind --callgrind-out-file="$work/out" "$work/driver" >/dev/null 2>&1
callgrind_annotate --inclusive=yes "$work/out" 2>/dev/null | awk '
    /FigureAnalysis::Run\(/ && !a { gsub(",", "", $1); a = $1 }
    /CountExactly\(/ && !e { gsub(",", "", $1); e = $1 }
    END { printf "analysis %d, exact classifier %d instructions per run (%.1f times)\n", a / 100, e / 100, a / e }'
