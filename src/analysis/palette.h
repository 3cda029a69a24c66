// The classic 16-colour palette, and every colour the canvas is drawn in:
// on the screen, in its PNG and on the sheets.
#pragma once

#include <array>
#include <cstdint>

#include "figurekinds.h"

namespace plane_figures {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

inline constexpr std::array<Rgb, 16> kPalette{{
    {0, 0, 0},
    {0, 0, 128},
    {0, 128, 0},
    {0, 128, 128},
    {128, 0, 0},
    {128, 0, 128},
    {128, 128, 0},
    {192, 192, 192},
    {128, 128, 128},
    {0, 0, 255},
    {0, 255, 0},
    {0, 255, 255},
    {255, 0, 0},
    {255, 0, 255},
    {255, 255, 0},
    {255, 255, 255},
}};

// Palette indices the program draws with.
inline constexpr int kBlack = 0;          // the grid, the dots, the sheets' numbers
inline constexpr int kHighlight = 10;     // light green: the selected point
inline constexpr int kChosenFigure = 12;  // light red: the figure of a chosen report line
inline constexpr int kCursor = 13;        // light magenta: the keyboard's cursor
inline constexpr int kWhite = 15;         // the canvas, on every desktop

// The palette index a figure of this kind is outlined in; -1 for the kinds
// that are not outlined.
constexpr int OutlineColour(FigureKind kind) {
    switch (kind) {
        case kParallelogram: return 8;  // dark grey
        case kRectangle: return 7;      // light grey
        case kSquare: return 6;         // olive
        case kRhombus: return 9;        // light blue
        default: return -1;
    }
}

// colour number index of the palette (taken modulo 16, as the old function did)
constexpr Rgb QBColor(int index) { return kPalette[static_cast<std::size_t>(index & 15)]; }

}  // namespace plane_figures
