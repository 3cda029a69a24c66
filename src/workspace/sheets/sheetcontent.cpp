#include "sheetcontent.h"

#include <array>
#include <string_view>

#include "figurekinds.h"
#include "qtpoint.h"
#include "sheetheading.h"
#include "utf8.h"
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
    content.kinds = SheetKindNames();
    for (std::size_t k = 0; k < static_cast<std::size_t>(kKindCount); ++k)
        content.pupil_counts << model.PupilCounts()[k];
    if (!model.Result() || !answers) return content;
    content.outlines = drawing::Outlines(*model.Result(), points);  // as "Чертай" outlines them
    for (std::size_t k = 0; k < static_cast<std::size_t>(kKindCount); ++k)
        content.program_counts << model.ProgramCounts()[k];
    for (int line = 0; line < model.Result()->LineCount(); ++line)
        content.report_lines << QString::fromStdString(model.Result()->ReportLine(line));
    return content;
}

}  // namespace plane_figures::workspace
