// The files of a class set as bytes: each variant's point file and the
// answer key's table for a spreadsheet.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "classset.h"

namespace plane_figures::classset {

// "вариант-07.pfig" for variant 7 (numbered from 1).
std::string VariantFileName(int number);
inline constexpr std::string_view kKeyCsvName = "отговори.csv";
inline constexpr std::string_view kWorksheetsName = "работни-листове.pdf";
inline constexpr std::string_view kKeyPdfName = "отговори.pdf";

// The first comment line of variant number's file, without its line end:
// "# Равнинни фигури: вариант 7 от 25, код 48213, точки 10, видове 1,2,3,4,5,6,7".
// What follows the code is what, with it, makes the variant again.
std::string VariantLine(const ClassSettings& settings, int number);

// What a first comment line names: the variant and the settings of its set.
struct VariantLabel {
    int number = 0;
    ClassSettings settings;
    friend bool operator==(const VariantLabel&, const VariantLabel&) = default;
};
// The label of such a line (with or without its line end), or nothing when
// the line is not one or names settings that make no class set.
std::optional<VariantLabel> ParseVariantLine(std::string_view line);

// Variant number's point file: its line above, then the points as any point
// file holds them.
std::string VariantFileText(const ClassSet& set, int number);

// For each variant, the number of the first variant before it with the same
// seven counts, 0 when none has them.
std::vector<int> SameAnswerAs(const ClassSet& set);
// How many different answers (the seven counts) the variants have.
int DifferentAnswers(const ClassSet& set);

// The answer key for a spreadsheet, as CsvTable writes a table (a byte-order
// mark, ';' between fields, CR LF): the header "Вариант", the seven kinds in
// full words and "Същият отговор като вариант", then a row per variant with
// its counts of the kinds asked (a kind not asked keeps its column, empty)
// and the first variant before it with the same counts (empty when none).
std::string KeyCsv(const ClassSet& set);

}  // namespace plane_figures::classset
