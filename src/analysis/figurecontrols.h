// The controls of the window that the analysis reads and writes. The window
// implements this over its widgets; the tests implement it without a window.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace plane_figures {

// Vertex v of the figure under test: column 0 its X, column 1 its Y, in canvas
// pixels. Only rows 0..3 and columns 0..1 are used.
using FigureRow = std::array<std::int32_t, 3>;
using FigureTable = std::array<FigureRow, 7>;

// The lists that the analysis touches: the point lists, the hidden sorter and
// the hidden trace.
enum class ListId { X = 0, Y = 1, Sorter = 2, Numbers = 3, Trace = 4 };

class FigureControls {
public:
    virtual ~FigureControls() = default;

    // How many points are stored.
    virtual std::int32_t PointCount() const = 0;

    // Entry of a list, emptying it, adding an entry (the sorter places it in
    // ascending order of its value, the others append).
    virtual std::string ListItem(ListId list, int index) const = 0;
    virtual void ListClear(ListId list) = 0;
    virtual void ListAddItem(ListId list, const std::string& text) = 0;

    // Replace the text of the report box.
    virtual void SetReportText(const std::string& text) = 0;
    // Replace the text of the program's count box of figure kind k (0..7).
    virtual void SetCountText(int kind, const std::string& text) = 0;

    // The decimal separator of the user's regional settings (the trace uses it).
    virtual char DecimalSeparator() const = 0;

    // Draw the closed outline V0-V1-V2-V3-V0 of rows 0..3 in palette colour.
    virtual void OutlineQuadrilateral(const FigureTable& figure, std::int16_t colour) = 0;
    // Hook called once per reported triangle with its kind code 1..3; draws nothing.
    virtual void OutlineTriangle(std::int32_t kind_code) = 0;
};

}  // namespace plane_figures
