#include "analysisresult.h"

#include <charconv>

namespace plane_figures {

namespace {

// append a figure's label and its point numbers joined by ","
void AppendLine(std::string& text, const Figure& figure) {
    text += kReportLabels[static_cast<std::size_t>(figure.kind)];
    for (int v = 0; v < figure.vertex_count; ++v) {
        if (v > 0) text += ',';
        char digits[12];
        const auto end = std::to_chars(digits, digits + sizeof digits,
                                       figure.points[static_cast<std::size_t>(v)])
                             .ptr;
        text.append(digits, end);
    }
}

}  // namespace

std::string AnalysisResult::ReportText() const {
    std::string text = ReportLine(0);
    text += kCrLf;
    text.reserve(text.size() + figures.size() * 72);
    for (const Figure& figure : figures) {
        AppendLine(text, figure);
        text += kCrLf;
    }
    return text;
}

std::string AnalysisResult::ReportLine(int line) const {
    if (line == 0) return std::string(kReportHeader) + std::to_string(point_count);
    std::string text;
    if (const Figure* figure = FigureOfLine(line)) AppendLine(text, *figure);
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
