#include "sheetcontent.h"

#include "figurekinds.h"
#include "qtpoint.h"
#include "utf8.h"
#include "workspacemodel.h"

namespace plane_figures::workspace {

SheetContent SheetOf(const WorkspaceModel& model, Sheet sheet, const QString& title,
                     const QImage& shown, const drawing::Ruling& ruling) {
    SheetContent content;
    content.title = title;
    const auto points = model.Points().Points();
    const bool answers = sheet == Sheet::kAnswerSheet;
    content.canvas = answers ? shown : drawing::PointsPicture(shown.size(), ruling, points);
    for (const GridPoint p : points) content.points << ToQPoint(p);
    for (std::size_t k = 0; k < static_cast<std::size_t>(kShownKindCount); ++k) {
        content.kinds << Utf8(kKindCaptions[k]);
        content.pupil_counts << model.PupilCounts()[k];
    }
    if (!model.Result()) return content;
    for (std::size_t k = 0; k < static_cast<std::size_t>(kShownKindCount); ++k)
        content.program_counts << model.ProgramCounts()[k];
    for (int line = 0; line < model.Result()->LineCount(); ++line)
        content.report_lines << QString::fromStdString(model.Result()->ReportLine(line));
    return content;
}

}  // namespace plane_figures::workspace
