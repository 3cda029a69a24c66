#include "countcheck.h"

#include <algorithm>

namespace plane_figures::task {

Verdicts Check(const Answer& answer, const std::array<int, kKindCount>& counts,
               classset::KindMask asked) {
    Verdicts verdicts{};
    for (std::size_t k = 0; k < verdicts.size(); ++k) {
        const int count = counts[k];
        if (!classset::Asks(asked, static_cast<int>(k))) {
            verdicts[k] = Verdict::kNotAsked;
        } else if (!answer[k]) {
            verdicts[k] = count == 0 ? Verdict::kRight : Verdict::kEmpty;
        } else if (*answer[k] == count) {
            verdicts[k] = Verdict::kRight;
        } else {
            verdicts[k] = *answer[k] < count ? Verdict::kMore : Verdict::kFewer;
        }
    }
    return verdicts;
}

namespace {

bool Blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && Blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && Blank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

ParsedCount ParseCount(std::string_view text) {
    const std::string_view count = Trimmed(text);
    if (count.empty()) return {};
    // nine digits at most: a count, never an overflow
    if (count.size() > 9) return {false, std::nullopt};
    int value = 0;
    for (const char c : count) {
        if (c < '0' || c > '9') return {false, std::nullopt};
        value = value * 10 + (c - '0');
    }
    return {true, value};
}

Verdicts CheckBoxes(const BoxTexts& boxes, const std::array<int, kKindCount>& counts,
                    classset::KindMask asked) {
    Answer answer{};
    for (std::size_t k = 0; k < answer.size(); ++k) answer[k] = ParseCount(boxes[k]).count;
    Verdicts verdicts = Check(answer, counts, asked);
    for (std::size_t k = 0; k < verdicts.size(); ++k) {
        if (verdicts[k] != Verdict::kNotAsked && !ParseCount(boxes[k]).is_number)
            verdicts[k] = Verdict::kNoNumber;
    }
    return verdicts;
}

bool AskedBoxesBlank(const BoxTexts& boxes, classset::KindMask asked) {
    for (int k = 0; k < kKindCount; ++k) {
        if (classset::Asks(asked, k) && !Trimmed(boxes[static_cast<std::size_t>(k)]).empty())
            return false;
    }
    return true;
}

bool AllRight(const Verdicts& verdicts) {
    return std::all_of(verdicts.begin(), verdicts.end(),
                       [](Verdict v) { return v == Verdict::kRight || v == Verdict::kNotAsked; });
}

}  // namespace plane_figures::task
