#include "classsetfiles.h"

#include <algorithm>
#include <charconv>

#include "askedkinds.h"
#include "csvtable.h"
#include "pointfile.h"

namespace plane_figures::classset {

namespace {

constexpr std::string_view kLineStart = "# Равнинни фигури: вариант ";

// a whole number of digits only, read from the front of text, which moves past it
std::optional<std::uint64_t> TakeNumber(std::string_view& text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() || text.front() == '+' || end - text.data() > 10)
        return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

bool TakeWord(std::string_view& text, std::string_view word) {
    if (!text.starts_with(word)) return false;
    text.remove_prefix(word.size());
    return true;
}

}  // namespace

std::string VariantFileName(int number) {
    const std::string digits = std::to_string(number);
    return "вариант-" + std::string(digits.size() < 2 ? "0" : "") + digits + ".pfig";
}

std::string VariantLine(const ClassSettings& settings, int number) {
    return std::string(kLineStart) + std::to_string(number) + " от " +
           std::to_string(settings.variants) + ", код " + std::to_string(settings.code) +
           ", точки " + std::to_string(settings.points) + ", видове " + KindList(settings.kinds);
}

std::optional<VariantLabel> ParseVariantLine(std::string_view line) {
    if (line.ends_with('\n')) line.remove_suffix(1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    VariantLabel label;
    if (!TakeWord(line, kLineStart)) return std::nullopt;
    const auto number = TakeNumber(line);
    if (!number || !TakeWord(line, " от ")) return std::nullopt;
    const auto variants = TakeNumber(line);
    if (!variants || !TakeWord(line, ", код ")) return std::nullopt;
    const auto code = TakeNumber(line);
    if (!code || !TakeWord(line, ", точки ")) return std::nullopt;
    const auto points = TakeNumber(line);
    if (!points || !TakeWord(line, ", видове ")) return std::nullopt;
    const auto kinds = ParseKindList(std::string(line));
    // past the limits before they are made ints, where a number too large would wrap
    if (!kinds || *number > ClassSettings::kMaxVariants ||
        *variants > ClassSettings::kMaxVariants || *points > ClassSettings::kMaxPoints)
        return std::nullopt;
    label.number = static_cast<int>(*number);
    label.settings =
        ClassSettings{static_cast<int>(*variants), static_cast<int>(*points), *kinds, *code};
    if (Refusal(label.settings) || label.number < 1 || label.number > label.settings.variants)
        return std::nullopt;
    return label;
}

std::string VariantFileText(const ClassSet& set, int number) {
    const Variant& variant = set.variants.at(static_cast<std::size_t>(number - 1));
    return VariantLine(set.settings, number) + '\n' + pointfile::Format(variant.points);
}

std::vector<int> SameAnswerAs(const ClassSet& set) {
    std::vector<int> same(set.variants.size(), 0);
    for (std::size_t v = 0; v < set.variants.size(); ++v) {
        for (std::size_t w = 0; w < v && same[v] == 0; ++w) {
            if (AskedCounts(set.variants[w].counts, set.settings.kinds) ==
                AskedCounts(set.variants[v].counts, set.settings.kinds))
                same[v] = static_cast<int>(w) + 1;
        }
    }
    return same;
}

int DifferentAnswers(const ClassSet& set) {
    const std::vector<int> same = SameAnswerAs(set);
    return static_cast<int>(std::count(same.begin(), same.end(), 0));
}

std::string KeyCsv(const ClassSet& set) {
    CsvTable csv;
    std::vector<std::string> header{"Вариант"};
    for (const std::string_view name : kKindNames) header.emplace_back(name);
    header.emplace_back("Същият отговор като вариант");
    csv.AddRow(header);
    const std::vector<int> same = SameAnswerAs(set);
    for (std::size_t v = 0; v < set.variants.size(); ++v) {
        std::vector<std::string> fields{std::to_string(v + 1)};
        // a kind not asked keeps its column, empty: the key judges the kinds asked
        for (std::size_t k = 0; k < static_cast<std::size_t>(kKindCount); ++k) {
            fields.push_back(Asks(set.settings.kinds, static_cast<int>(k))
                                 ? std::to_string(set.variants[v].counts[k])
                                 : std::string());
        }
        fields.push_back(same[v] != 0 ? std::to_string(same[v]) : std::string());
        csv.AddRow(fields);
    }
    return csv.Bytes();
}

}  // namespace plane_figures::classset
