#include "sheetcontent.h"

#include <array>
#include <string_view>
#include <vector>

#include "figurekinds.h"
#include "qtpoint.h"
#include "sheetheading.h"
#include "utf8.h"
#include "taskstate.h"
#include "workspacemodel.h"

namespace plane_figures::workspace {

QString SheetContent::KindsNote() const {
    return kinds_note.isEmpty() ? sheetheading::OneKindEach() : kinds_note;
}

QStringList SheetKindNames() {
    QStringList names;
    for (std::size_t k = 0; k < static_cast<std::size_t>(kKindCount); ++k)
        names << Utf8(kKindNames[k]);
    return names;
}

SheetContent SheetOf(const WorkspaceModel& model, Sheet sheet, const QString& title,
                     const QImage& shown, const drawing::Ruling& ruling) {
    SheetContent content;
    content.title = title;
    const auto points = model.Points().Points();
    const bool answers = sheet == Sheet::kAnswerSheet;
    content.canvas = answers ? shown : drawing::PointsPicture(shown.size(), ruling, points);
    content.canvas_size = shown.size();
    content.ruling = ruling;
    for (const GridPoint p : points) content.points << ToQPoint(p);
    // a task's sheet asks its kinds alone, as the class set's worksheet does
    const classset::KindMask asked = model.Task() ? model.Task()->AskedKinds() : classset::kAllKinds;
    content.kinds_note = sheetheading::KindsNote(asked);
    const QStringList names = SheetKindNames();
    std::vector<std::size_t> kinds;
    for (int k = 0; k < kKindCount; ++k) {
        if (classset::Asks(asked, k)) kinds.push_back(static_cast<std::size_t>(k));
    }
    for (const std::size_t k : kinds) {
        content.kinds << names[static_cast<qsizetype>(k)];
        content.pupil_counts << model.PupilCounts()[k];
    }
    if (!model.Result() || !answers) return content;
    content.outlines = drawing::Outlines(*model.Result(), points);  // as "Чертай" outlines them
    for (const std::size_t k : kinds) content.program_counts << model.ProgramCounts()[k];
    for (int line = 0; line < model.Result()->LineCount(); ++line)
        content.report_lines << QString::fromStdString(model.Result()->ReportLine(line));
    return content;
}

}  // namespace plane_figures::workspace
