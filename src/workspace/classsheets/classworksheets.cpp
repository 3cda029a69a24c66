#include "classworksheets.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <utility>

#include "askedkinds.h"
#include "figuredrawing.h"
#include "figurekinds.h"
#include "grid.h"
#include "pagemeasure.h"
#include "sheetheading.h"
#include "qtpoint.h"
#include "worksheet.h"

namespace plane_figures::workspace {

ClassWorksheets::ClassWorksheets(const classset::ClassSet& set, QString heading, bool plotting)
    : set_(set), heading_(std::move(heading)), plotting_(plotting) {}

QString ClassWorksheets::Title(int number) const {
    const QString variant = tr("Вариант %1 от %2, код %3")
                                .arg(number)
                                .arg(set_.variants.size())
                                .arg(set_.settings.code);
    const QString heading = heading_.simplified();
    return heading.isEmpty() ? variant : heading + QLatin1Char('\n') + variant;
}

SheetContent ClassWorksheets::Content(int number) const {
    const classset::Variant& variant = set_.variants.at(static_cast<std::size_t>(number - 1));
    SheetContent content;
    content.title = Title(number);
    content.canvas_size = QSize(kCanvasWidth, kCanvasHeight);
    content.ruling = drawing::Ruling{static_cast<short>(kGridStep),
                                     static_cast<short>(kCanvasWidth), kCanvasHeight};
    content.canvas = drawing::PointsPicture(content.canvas_size, content.ruling, variant.points);
    for (const GridPoint p : variant.points) content.points << ToQPoint(p);
    // the kinds asked alone: the count table and how they are counted
    const classset::KindMask asked = set_.settings.kinds;
    const QStringList names = SheetKindNames();
    for (int k = 0; k < kKindCount; ++k) {
        if (classset::Asks(asked, k)) content.kinds << names[k];
    }
    content.kinds_note = sheetheading::KindsNote(asked);
    content.plotting = plotting_;
    return content;
}

bool ClassWorksheets::WritePdf(QIODevice& device) const {
    QPdfWriter writer(&device);
    writer.setPageLayout(
        QPageLayout(Worksheet::DefaultPageSize(), QPageLayout::Portrait,
                    QMarginsF(page::kMarginMm, page::kMarginMm, page::kMarginMm, page::kMarginMm),
                    QPageLayout::Millimeter));
    writer.setTitle(tr("Работни листове, код %1").arg(set_.settings.code));
    writer.setCreator(QStringLiteral("plane-figures"));
    Worksheet::SetMargins(writer);
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    for (int v = 1; v <= static_cast<int>(set_.variants.size()); ++v) {
        if (v > 1) writer.newPage();
        Worksheet(Content(v), Sheet::kWorksheet).PaintPages(painter, writer);
    }
    return painter.end();
}

}  // namespace plane_figures::workspace
