#include "fakecontrols.h"

#include <algorithm>

#include "analysis.h"

namespace plane_figures::testing {

void FakeControls::AddPoint(int x, int y) {
    List(ListId::X).push_back(std::to_string(x));
    List(ListId::Y).push_back(std::to_string(y));
    List(ListId::Numbers).push_back(std::to_string(point_count));
    ++point_count;
}

std::string FakeControls::ListItem(ListId list, int index) const {
    const auto& entries = lists[static_cast<std::size_t>(list)];
    return index >= 0 && static_cast<std::size_t>(index) < entries.size()
               ? entries[static_cast<std::size_t>(index)]
               : std::string();
}

void FakeControls::ListClear(ListId list) { List(list).clear(); }

void FakeControls::ListAddItem(ListId list, const std::string& text) {
    auto& entries = List(list);
    if (list == ListId::Sorter) {
        entries.insert(std::upper_bound(entries.begin(), entries.end(), text, SorterLess), text);
    } else {
        entries.push_back(text);
    }
}

void FakeControls::SetReportText(const std::string& text) {
    report = text;
    ++report_writes;
}

void FakeControls::SetCountText(int kind, const std::string& text) {
    counts[static_cast<std::size_t>(kind)] = text;
}

void FakeControls::OutlineQuadrilateral(const FigureTable& figure, std::int16_t colour) {
    outlines.push_back({figure, colour});
}

void FakeControls::OutlineTriangle(std::int32_t kind_code) { triangle_hooks.push_back(kind_code); }

}  // namespace plane_figures::testing
