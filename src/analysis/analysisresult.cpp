#include "analysisresult.h"

#include <algorithm>
#include <charconv>

namespace plane_figures {

namespace {

// the most characters a point number takes
constexpr std::size_t kNumberWidth = 11;
// the longest line of a figure: the longest label, four numbers and three commas
constexpr std::size_t kLongestLine =
    std::max_element(kReportLabels.begin(), kReportLabels.end(),
                     [](std::string_view a, std::string_view b) { return a.size() < b.size(); })
        ->size() +
    4 * kNumberWidth + 3;

// a figure's label and its point numbers joined by ",", written at out; the
// end of what was written. Each line is written whole into room made for it
// beforehand: a long report is no thousand small appends.
char* WriteLine(char* out, const Figure& figure) {
    const std::string_view label = kReportLabels[static_cast<std::size_t>(figure.kind)];
    out = std::copy(label.begin(), label.end(), out);
    for (int v = 0; v < figure.vertex_count; ++v) {
        if (v > 0) *out++ = ',';
        out =
            std::to_chars(out, out + kNumberWidth, figure.points[static_cast<std::size_t>(v)]).ptr;
    }
    return out;
}

}  // namespace

std::string AnalysisResult::ReportText() const {
    std::string text = ReportLine(0);
    text += kCrLf;
    const std::size_t header = text.size();
    text.resize(header + figures.size() * (kLongestLine + kCrLf.size()));
    char* out = text.data() + header;
    for (const Figure& figure : figures) {
        out = WriteLine(out, figure);
        out = std::copy(kCrLf.begin(), kCrLf.end(), out);
    }
    text.resize(static_cast<std::size_t>(out - text.data()));
    return text;
}

std::string AnalysisResult::ReportLine(int line) const {
    if (line == 0) return std::string(kReportHeader) + std::to_string(point_count);
    const Figure* figure = FigureOfLine(line);
    if (figure == nullptr) return std::string();
    std::string text(kLongestLine, '\0');
    text.resize(static_cast<std::size_t>(WriteLine(text.data(), *figure) - text.data()));
    return text;
}

const Figure* AnalysisResult::FigureOfLine(int line) const {
    if (line < 1 || line > static_cast<int>(figures.size())) return nullptr;
    return &figures[static_cast<std::size_t>(line - 1)];
}

std::string AnalysisResult::CountText(int kind) const {
    const int n = counts.at(static_cast<std::size_t>(kind));
    return n == 0 ? std::string() : std::to_string(n);
}

}  // namespace plane_figures
