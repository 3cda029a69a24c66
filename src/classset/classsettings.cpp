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

// Where a set of kinds with the fewest points it needs gives fewer than 40
// different balanced variants: a little under the fewest that the generator
// made for several codes (few shapes hold these kinds with so few points).
struct Most {
    KindMask kinds;
    int points;
    int variants;
};
constexpr Most kMostVariants[] = {
    {12u, 4, 26},  {28u, 5, 17},  {29u, 5, 17},  {30u, 5, 16},  {31u, 5, 17},  {40u, 5, 24},
    {42u, 5, 24},  {44u, 5, 26},  {46u, 5, 25},  {56u, 6, 15},  {57u, 6, 9},   {58u, 6, 16},
    {59u, 6, 9},   {60u, 6, 14},  {61u, 6, 9},   {62u, 6, 14},  {63u, 6, 9},   {92u, 6, 7},
    {93u, 6, 8},   {94u, 6, 7},   {95u, 6, 7},   {98u, 6, 20},  {99u, 6, 19},  {102u, 6, 20},
    {103u, 6, 19}, {106u, 6, 13}, {107u, 6, 16}, {110u, 6, 15}, {111u, 6, 13}, {112u, 7, 7},
    {113u, 7, 17}, {114u, 7, 13}, {115u, 7, 8},  {116u, 7, 14}, {117u, 7, 12}, {118u, 7, 9},
    {119u, 7, 15}, {120u, 7, 8},  {121u, 7, 8},  {122u, 7, 8},  {123u, 7, 7},  {124u, 7, 8},
    {125u, 7, 7},  {126u, 7, 7},  {127u, 7, 7},
};

std::string Quoted(std::size_t kind) { return "„" + std::string(kKindNames[kind]) + "“"; }

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
        return "Броят на вариантите трябва да е цяло число от 1 до 40.";
    if (s.points < ClassSettings::kMinPoints || s.points > ClassSettings::kMaxPoints)
        return "Броят на точките във вариант трябва да е цяло число от 4 до 15.";
    if (s.code > ClassSettings::kMaxCode) return "Кодът трябва да е цяло число от 0 до 999999999.";
    if ((s.kinds & ~kAllKinds) != 0) return "Видовете фигури са редовете от 1 до 7.";
    if (MinimumPoints(s.kinds) <= s.points) {
        const int most = MostVariants(s.kinds, s.points);
        if (s.variants <= most) return std::nullopt;
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
