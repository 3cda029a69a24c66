#include "classresults.h"

#include <algorithm>
#include <string_view>
#include <variant>

#include "countcheck.h"
#include "exercisetext.h"
#include "figureanalysis.h"
#include "pointfile.h"
#include "variantsource.h"

namespace plane_figures::classresults {

namespace {

// the points in ascending order: two lists of the same points compare equal
std::vector<GridPoint> Sorted(std::vector<GridPoint> points) {
    std::sort(points.begin(), points.end(),
              [](GridPoint a, GridPoint b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    return points;
}

PupilRow LeftOut(const FolderFile& file, std::string_view note) {
    PupilRow row;
    row.file_name = file.name;
    row.note = std::string(note);
    return row;
}

void AddNote(PupilRow& row, std::string_view note) {
    if (!row.note.empty()) row.note += ", ";
    row.note += note;
}

PupilRow Row(const FolderFile& file, VariantSource& sets) {
    if (!file.bytes) return LeftOut(file, kUnreadable);
    const std::string_view bytes = *file.bytes;
    // read as the window reads a file: its points on their grid nodes
    const auto read = task::ReadExercise(bytes);
    if (const auto* error = std::get_if<pointfile::Error>(&read)) {
        // a file past the size read is said so; any other fault is no file of points
        return LeftOut(file, bytes.size() > pointfile::kMaxFileBytes && !pointfile::CheckKind(bytes)
                                 ? std::string_view(error->message)
                                 : kNotPoints);
    }
    const task::Exercise& exercise = std::get<task::Exercise>(read);
    if (!exercise.task) return LeftOut(file, kNotVariant);
    const task::HandedIn& handed_in = *exercise.task;
    const auto& made = sets.SetOf(handed_in.variant.settings);
    if (!std::holds_alternative<classset::ClassSet>(made)) return LeftOut(file, kNotMadeAgain);
    const classset::Variant& variant = std::get<classset::ClassSet>(made).variants.at(
        static_cast<std::size_t>(handed_in.variant.number - 1));

    PupilRow row;
    row.file_name = file.name;
    row.variant = handed_in.variant.number;
    row.counted = true;
    row.changed = Sorted(exercise.points) != Sorted(variant.points);
    if (row.changed) AddNote(row, kChangedPoints);
    if (!handed_in.pupil) {
        AddNote(row, kNoPupilLines);
        return row;
    }
    const task::PupilLines& pupil = *handed_in.pupil;
    row.pupil = pupil.pupil;
    row.checks = pupil.checks;
    row.hints = pupil.hints;
    row.answers_shown = pupil.answers_shown;
    if (row.changed) return row;
    const AnalysisResult result = FigureAnalysis().Run(exercise.points);
    // judged as "Провери" judges: an empty box is right only where there is no figure
    const task::Verdicts verdicts = task::Check(pupil.answer, result.counts);
    for (std::size_t k = 0; k < row.right.size(); ++k)
        row.right[k] = verdicts[k] == task::Verdict::kRight;
    return row;
}

}  // namespace

int SharePercent(int right, int counted) {
    // right / counted * 100 rounded half up: floor((200 right + counted) / (2 counted))
    return (200 * right + counted) / (2 * counted);
}

ClassResults Judge(std::span<const FolderFile> files) {
    VariantSource sets;
    ClassResults results;
    std::array<int, kKindCount> right{};
    for (const FolderFile& file : files) {
        PupilRow row = Row(file, sets);
        if (row.counted) {
            ++results.counted;
            for (std::size_t k = 0; k < right.size(); ++k) right[k] += row.right[k] ? 1 : 0;
        }
        results.rows.push_back(std::move(row));
    }
    if (results.counted > 0) {
        for (std::size_t k = 0; k < right.size(); ++k)
            results.shares[k] = SharePercent(right[k], results.counted);
    }
    return results;
}

}  // namespace plane_figures::classresults
