// The classic 16-colour palette that dots, grid and outlines are drawn in.
#pragma once

#include <array>
#include <cstdint>

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
inline constexpr int kBlack = 0;
inline constexpr int kHighlight = 10;  // light green: the selected point

// colour number index of the palette (taken modulo 16, as the old function did)
constexpr Rgb QBColor(int index) { return kPalette[static_cast<std::size_t>(index & 15)]; }

}  // namespace plane_figures
