#include "classsettings.h"

#include <cstddef>

namespace plane_figures::classset {

namespace {

// The fewest points for each set of kinds (index: bit k for row k), found
// once by trying every set of 3 to 7 distinct nodes in a square of 5 × 5
// nodes (and of 6 × 6 nodes up to 6 points, which needed no fewer): every
// set of kinds that any of them holds, with its fewest points. No set is
// smaller than 4 points, the fewest a variant may have.
constexpr std::array<unsigned char, 1u << kKindCount> kMinimumPoints{
    4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 5, 4, 5, 5, 5,  //
    4, 5, 4, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5,  //
    4, 5, 5, 5, 4, 5, 5, 5, 5, 6, 5, 6, 5, 6, 5, 6,  //
    6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6,  //
    4, 4, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 6, 6, 6, 6,  //
    6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6,  //
    6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6,  //
    7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7,  //
};

// Where a set of kinds with few points gives fewer than 40 variants, no two
// similar (a shift, turn, enlargement or mirror image of another) and none
// on the canvas's edge rows and columns: the fewest that the generator made
// for codes 1 to 4 with 40 asked for, a quarter fewer where more than 5 (the
// sets of kinds at their fewest points, and one point more until 40 were
// made). Where it says 1, every such set is similar to one.
struct Most {
    KindMask kinds;
    int points;
    int variants;
};
constexpr Most kMostVariants[] = {
    {7u, 4, 4},    {9u, 4, 21},   {10u, 4, 23},  {12u, 4, 1},   {16u, 4, 20},  {18u, 4, 23},
    {24u, 5, 19},  {25u, 5, 18},  {26u, 5, 22},  {27u, 5, 18},  {28u, 5, 1},   {29u, 5, 1},
    {30u, 5, 1},   {31u, 5, 1},   {32u, 4, 1},   {35u, 5, 4},   {36u, 4, 1},   {39u, 5, 4},
    {40u, 5, 1},   {42u, 5, 1},   {44u, 5, 1},   {46u, 5, 1},   {49u, 6, 13},  {50u, 6, 30},
    {51u, 6, 15},  {52u, 6, 27},  {53u, 6, 14},  {54u, 6, 27},  {55u, 6, 14},  {56u, 6, 1},
    {57u, 6, 1},   {58u, 6, 1},   {59u, 6, 1},   {60u, 6, 1},   {61u, 6, 1},   {62u, 6, 1},
    {63u, 6, 1},   {64u, 4, 12},  {65u, 4, 12},  {70u, 5, 5},   {71u, 5, 5},   {72u, 5, 12},
    {73u, 5, 12},  {74u, 5, 11},  {75u, 5, 12},  {84u, 6, 16},  {85u, 6, 15},  {86u, 6, 18},
    {87u, 6, 17},  {88u, 6, 15},  {89u, 6, 15},  {90u, 6, 15},  {91u, 6, 14},  {92u, 6, 1},
    {93u, 6, 1},   {94u, 6, 1},   {95u, 6, 1},   {96u, 6, 24},  {97u, 6, 22},  {98u, 6, 3},
    {99u, 6, 3},   {100u, 6, 23}, {101u, 6, 22}, {102u, 6, 3},  {103u, 6, 3},  {104u, 6, 13},
    {105u, 6, 12}, {106u, 6, 2},  {107u, 6, 2},  {108u, 6, 12}, {109u, 6, 12}, {110u, 6, 2},
    {111u, 6, 2},  {112u, 7, 8},  {113u, 7, 6},  {114u, 7, 9},  {115u, 7, 6},  {116u, 7, 7},
    {117u, 7, 8},  {118u, 7, 8},  {119u, 7, 6},  {120u, 7, 2},  {121u, 7, 2},  {122u, 7, 2},
    {123u, 7, 2},  {124u, 7, 2},  {125u, 7, 2},  {126u, 7, 2},  {127u, 7, 2},
};

std::string Quoted(std::size_t kind) { return "„" + std::string(kKindNames[kind]) + "“"; }

// " от 1 до 40.": the range a value must be in, ending its sentence
std::string Range(std::uint64_t least, std::uint64_t most) {
    return " от " + std::to_string(least) + " до " + std::to_string(most) + ".";
}

}  // namespace

int MinimumPoints(KindMask kinds) { return kMinimumPoints[kinds & kAllKinds]; }

int MostVariants(KindMask kinds, int points) {
    for (const Most& most : kMostVariants) {
        if (most.kinds == kinds && most.points == points) return most.variants;
    }
    return ClassSettings::kMaxVariants;
}

std::optional<std::string> Refusal(const ClassSettings& s) {
    if (s.variants < ClassSettings::kMinVariants || s.variants > ClassSettings::kMaxVariants)
        return "Броят на вариантите трябва да е цяло число" +
               Range(ClassSettings::kMinVariants, ClassSettings::kMaxVariants);
    if (s.points < ClassSettings::kMinPoints || s.points > ClassSettings::kMaxPoints)
        return "Броят на точките във вариант трябва да е цяло число" +
               Range(ClassSettings::kMinPoints, ClassSettings::kMaxPoints);
    if (s.code > ClassSettings::kMaxCode)
        return "Кодът трябва да е цяло число" + Range(0, ClassSettings::kMaxCode);
    if ((s.kinds & ~kAllKinds) != 0) return "Видовете фигури са редовете от 1 до 7.";
    if (MinimumPoints(s.kinds) <= s.points) {
        const int most = MostVariants(s.kinds, s.points);
        if (s.variants <= most) return std::nullopt;
        if (most == 1)
            return "С " + std::to_string(s.points) +
                   " точки и избраните видове се получава само 1 вариант: всички други са "
                   "подобни на него. Изберете 1 вариант, повече точки или по-малко видове.";
        return "С " + std::to_string(s.points) +
               " точки и избраните видове се получават най-много " + std::to_string(most) +
               " различни и равностойни варианта. Изберете по-малко варианти, повече точки "
               "или по-малко видове.";
    }
    // the first kind, in the count frame's order, that the points cannot
    // hold together with the kinds before it
    KindMask before = 0;
    for (std::size_t k = 0; k < static_cast<std::size_t>(kKindCount); ++k) {
        if ((s.kinds >> k & 1u) == 0) continue;
        const KindMask with = before | (1u << k);
        if (MinimumPoints(with) > s.points) {
            return "С " + std::to_string(s.points) + " точки не може да има " + Quoted(k) +
                   " заедно с избраните видове с по-малък номер: за всички тях заедно са нужни "
                   "поне " +
                   std::to_string(MinimumPoints(with)) + " точки.";
        }
        before = with;
    }
    return std::nullopt;  // not reached: the kinds together need more
}

std::string KindList(KindMask kinds) {
    std::string list;
    for (int k = 0; k < kKindCount; ++k) {
        if ((kinds >> k & 1u) == 0) continue;
        if (!list.empty()) list += ',';
        list += std::to_string(k + 1);
    }
    return list;
}

std::optional<KindMask> ParseKindList(const std::string& text) {
    KindMask kinds = 0;
    if (text.empty()) return kinds;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string item = text.substr(start, comma - start);
        if (item.size() != 1 || item[0] < '1' || item[0] > '7') return std::nullopt;
        const KindMask bit = 1u << (item[0] - '1');
        if ((kinds & bit) != 0) return std::nullopt;
        kinds |= bit;
        if (comma == std::string::npos) return kinds;
        start = comma + 1;
    }
}

}  // namespace plane_figures::classset
