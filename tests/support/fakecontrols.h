// The analysis's controls without a window: plain lists and texts, with every
// outline and hook call recorded.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "figurecontrols.h"
#include "figurekinds.h"

namespace plane_figures::testing {

struct RecordedOutline {
    FigureTable figure;
    std::int16_t colour;
};

class FakeControls : public FigureControls {
public:
    // Store a point as the point entry does: X and Y texts and its number.
    void AddPoint(int x, int y);

    std::int32_t point_count = 0;
    std::array<std::vector<std::string>, 5> lists;  // indexed by ListId
    std::string report;
    std::array<std::string, kKindCount> counts;
    char decimal_separator = '.';
    std::vector<RecordedOutline> outlines;
    std::vector<std::int32_t> triangle_hooks;
    int report_writes = 0;

    std::vector<std::string>& List(ListId id) { return lists[static_cast<std::size_t>(id)]; }

    std::int32_t PointCount() const override { return point_count; }
    std::string ListItem(ListId list, int index) const override;
    void ListClear(ListId list) override;
    void ListAddItem(ListId list, const std::string& text) override;
    void SetReportText(const std::string& text) override;
    void SetCountText(int kind, const std::string& text) override;
    char DecimalSeparator() const override { return decimal_separator; }
    void OutlineQuadrilateral(const FigureTable& figure, std::int16_t colour) override;
    void OutlineTriangle(std::int32_t kind_code) override;
};

}  // namespace plane_figures::testing
