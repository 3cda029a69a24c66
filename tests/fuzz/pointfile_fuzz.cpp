// What holds for any bytes a .pfig file may hold, read as the program reads
// them: by the point-file reader and through an exercise file on disk. A
// refused file names the first line at fault ("ред N: ...") or, when no line
// is, says it is UTF-16, no file of points at all, holds no points or is
// too large; an accepted one has
// 1 to 15 points on the canvas, is written and read back unchanged, and its
// analysis completes with counts that agree with the figures it found.
//
// LLVMFuzzerTestOneInput is libFuzzer's entry point; the replay (replay.cpp)
// calls the same function for each file of the corpus. A broken rule prints
// what broke and aborts.
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "exercisefile.h"
#include "figureanalysis.h"
#include "grid.h"
#include "pointfile.h"

namespace {

namespace pf = plane_figures;
namespace pointfile = plane_figures::pointfile;
using Points = std::vector<pf::GridPoint>;

[[noreturn]] void Broken(const char* rule, int line) {
    std::fprintf(stderr, "pointfile_fuzz.cpp:%d: broken: %s\n", line, rule);
    std::abort();
}
#define MUST(rule) ((rule) ? void() : Broken(#rule, __LINE__))

bool Inside(pf::GridPoint p) {
    return p.x >= 0 && p.x < pf::kCanvasWidth && p.y >= 0 && p.y < pf::kCanvasHeight;
}

constexpr std::string_view kNotPoints = "това не е файл с точки, а ";

// the messages of a refusal that no single line causes
bool IsWholeFileMessage(const std::string& message) {
    return message == "той е в кодировка UTF-16, а трябва да е в UTF-8" ||
           message == "в него няма нито една точка" ||
           (message.starts_with(kNotPoints) && message.size() > kNotPoints.size());
}

// whether the first byte can begin a line the reader takes: a number, a
// comment, a blank or an empty line, or the UTF-8 byte-order mark
bool MayStartText(std::string_view bytes) {
    return bytes.empty() || std::string_view(" \t\r\n#+-0123456789\xEF").find(bytes.front()) !=
                                std::string_view::npos;
}

// the bytes before line n (1-based): lines 1 .. n-1 with their line ends
std::string_view LinesBefore(std::string_view bytes, std::size_t n) {
    std::size_t end = 0;
    for (std::size_t line = 1; line < n; ++line) end = bytes.find('\n', end) + 1;
    return bytes.substr(0, end);
}

void CheckRefusal(std::string_view bytes, const pointfile::Error& error) {
    const bool utf16 = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
    const bool nul = bytes.find('\0') != std::string_view::npos;
    const bool not_points = error.line == 0 && error.message.starts_with(kNotPoints);
    // binary data is no file of points, wherever its NUL byte is; and no text
    // is taken for a document or a picture: what is refused so holds a NUL
    // byte or starts as no line the reader takes
    MUST(!nul || utf16 || not_points);
    MUST(!not_points || nul || !MayStartText(bytes));
    if (error.line == 0) {
        MUST(IsWholeFileMessage(error.message));
        MUST(utf16 == (error.message == "той е в кодировка UTF-16, а трябва да е в UTF-8"));
        return;
    }
    MUST(error.message.starts_with("ред " + std::to_string(error.line) + ": "));
    MUST(error.message.size() > ("ред " + std::to_string(error.line) + ": ").size());
    MUST(error.line <= static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    // no earlier line is at fault: the lines before it alone are no refusal of a line
    const auto before = pointfile::Parse(LinesBefore(bytes, error.line));
    const auto* earlier = std::get_if<pointfile::Error>(&before);
    MUST(!earlier || earlier->line == 0);
}

// the analysis of the points as the window and the command line run it, on
// their grid nodes
void CheckAnalysis(const Points& points) {
    Points nodes;
    for (const pf::GridPoint p : points) nodes.push_back(pf::SnapToNode(p));
    MUST(std::all_of(nodes.begin(), nodes.end(), Inside));
    const pf::AnalysisResult result = pf::FigureAnalysis().Run(nodes);
    MUST(result.completed);
    MUST(result.point_count == static_cast<int>(nodes.size()));
    std::array<int, pf::kKindCount> counted{};
    for (std::size_t i = 0; i < result.figures.size(); ++i) {
        const pf::Figure& figure = result.figures[i];
        MUST(figure.kind >= 0 && figure.kind < pf::kKindCount);
        MUST(figure.IsTriangle() == (figure.kind <= pf::kIsoscelesRight));
        MUST(figure.vertex_count == 3 || figure.vertex_count == 4);
        const std::span<const int> vertices(figure.points.data(),
                                            static_cast<std::size_t>(figure.vertex_count));
        MUST(std::is_sorted(vertices.begin(), vertices.end()) &&
             std::adjacent_find(vertices.begin(), vertices.end()) == vertices.end());
        MUST(vertices.front() >= 0 && vertices.back() < result.point_count);
        MUST(result.FigureOfLine(static_cast<int>(i) + 1) == &figure);
        ++counted[static_cast<std::size_t>(figure.kind)];
    }
    MUST(counted == result.counts);
    const std::string report = result.ReportText();
    std::size_t lines = 0;
    for (std::size_t at = report.find("\r\n"); at != std::string::npos;
         at = report.find("\r\n", at + 2))
        ++lines;
    MUST(lines == static_cast<std::size_t>(result.LineCount()));
}

void CheckAccepted(const Points& points) {
    MUST(!points.empty() && points.size() <= pointfile::kMaxPoints);
    MUST(std::all_of(points.begin(), points.end(), Inside));
    const auto again = pointfile::Parse(pointfile::Format(points));
    MUST(std::holds_alternative<Points>(again) && std::get<Points>(again) == points);
    CheckAnalysis(points);
}

// The same bytes opened as an exercise file agree with the reader: the same
// points on their grid nodes, or the reader's message after the file's name.
void CheckExerciseFile(std::string_view bytes) {
    static QTemporaryDir folder;
    MUST(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("exercise.pfig"));
    {
        QFile file(path);
        MUST(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        MUST(file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
             static_cast<qint64>(bytes.size()));
    }
    const auto read = plane_figures::workspace::exercisefile::Read(path);
    const pointfile::ParseResult from_file = pointfile::ParseFile(bytes);
    if (const auto* points = std::get_if<Points>(&from_file)) {
        Points nodes;
        for (const pf::GridPoint p : *points) nodes.push_back(pf::SnapToNode(p));
        MUST(std::holds_alternative<Points>(read) && std::get<Points>(read) == nodes);
        return;
    }
    const auto* refusal = std::get_if<pointfile::Error>(&from_file);
    const auto* message = std::get_if<QString>(&read);
    MUST(message != nullptr);
    const QString named =
        QStringLiteral("Файлът „%1“ не може да бъде отворен. ").arg(QDir::toNativeSeparators(path));
    MUST(message->startsWith(named));
    const QString reason = QString::fromStdString(refusal->message);
    MUST(message->mid(named.size()) == reason.left(1).toUpper() + reason.mid(1) + '.');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const pointfile::ParseResult parsed = pointfile::Parse(bytes);
    if (const auto* error = std::get_if<pointfile::Error>(&parsed)) {
        CheckRefusal(bytes, *error);
    } else {
        CheckAccepted(std::get<Points>(parsed));
    }
    MUST(pointfile::Parse(bytes) == parsed);  // the same bytes, the same answer
    CheckExerciseFile(bytes);
    return 0;
}
