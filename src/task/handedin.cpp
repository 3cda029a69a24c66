#include "handedin.h"

#include "byteordermark.h"
#include "countcheck.h"
#include "pointfile.h"

namespace plane_figures::task {

namespace {

constexpr std::string_view kPupil = "# ученик: ";
constexpr std::string_view kAnswer = "# отговор: ";
constexpr std::string_view kChecks = "# проверки: ";
constexpr std::string_view kHints = "# подсказки: ";
constexpr std::string_view kShown = "# показани отговори: ";

// a whole number of at most nine digits and nothing else
std::optional<int> Number(std::string_view text) {
    if (text.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    return ParseCount(text).count;  // nothing when empty
}

std::optional<Answer> ParseAnswer(std::string_view text) {
    Answer answer{};
    std::size_t kind = 0;
    while (!text.empty()) {
        const std::size_t blank = text.find(' ');
        const std::string_view word = text.substr(0, blank);
        text = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
        if (word.empty()) continue;
        if (kind == answer.size()) return std::nullopt;
        if (word != "-") {
            const std::optional<int> count = Number(word);
            if (!count) return std::nullopt;
            answer[kind] = count;
        }
        ++kind;
    }
    if (kind != answer.size()) return std::nullopt;
    return answer;
}

// the name on one line: line ends and other control characters become blanks
std::string OneLine(std::string_view text) {
    std::string line;
    for (const char c : text) line += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    return line;
}

}  // namespace

std::string AnswerText(const Answer& answer) {
    std::string text;
    for (const std::optional<int>& count : answer) {
        if (!text.empty()) text += ' ';
        text += count ? std::to_string(*count) : "-";
    }
    return text;
}

std::string FileText(const HandedIn& handed_in, std::span<const GridPoint> points) {
    std::string text = classset::VariantLine(handed_in.variant.settings, handed_in.variant.number);
    text += '\n';
    if (handed_in.pupil) {
        const PupilLines& p = *handed_in.pupil;
        text += std::string(kPupil) + OneLine(p.pupil) + '\n';
        text += std::string(kAnswer) + AnswerText(p.answer) + '\n';
        text += std::string(kChecks) + std::to_string(p.checks) + '\n';
        text += std::string(kHints) + std::to_string(p.hints) + '\n';
        text += std::string(kShown) + (p.answers_shown ? "да" : "не") + '\n';
    }
    return text + pointfile::Format(points);
}

std::optional<HandedIn> Read(std::string_view file_text) {
    if (file_text.starts_with(kUtf8Bom)) file_text.remove_prefix(kUtf8Bom.size());
    HandedIn handed_in;
    bool first = true;
    PupilLines pupil;
    bool any = false;
    while (!file_text.empty()) {
        const std::size_t end = file_text.find('\n');
        std::string_view line = file_text.substr(0, end);
        file_text = end == std::string_view::npos ? std::string_view() : file_text.substr(end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (first) {
            const std::optional<classset::VariantLabel> label = classset::ParseVariantLine(line);
            if (!label) return std::nullopt;
            handed_in.variant = *label;
            first = false;
            continue;
        }
        const auto value = [&](std::string_view start) -> std::optional<std::string_view> {
            if (!line.starts_with(start)) return std::nullopt;
            any = true;
            return line.substr(start.size());
        };
        if (const auto name = value(kPupil)) {
            pupil.pupil = std::string(*name);
        } else if (const auto answer = value(kAnswer)) {
            pupil.answer = ParseAnswer(*answer).value_or(Answer{});
        } else if (const auto checks = value(kChecks)) {
            pupil.checks = Number(*checks).value_or(0);
        } else if (const auto hints = value(kHints)) {
            pupil.hints = Number(*hints).value_or(0);
        } else if (const auto shown = value(kShown)) {
            pupil.answers_shown = *shown == "да";
        }
    }
    if (first) return std::nullopt;
    if (any) handed_in.pupil = pupil;
    return handed_in;
}

}  // namespace plane_figures::task
