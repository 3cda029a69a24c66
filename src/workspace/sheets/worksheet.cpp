#include "worksheet.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QtMath>
#include <algorithm>
#include <utility>

#include "exercisefile.h"
#include "pagemeasure.h"
#include "sheetcanvas.h"
#include "sheetheading.h"
#include "sheetreport.h"
#include "sheettable.h"

namespace plane_figures::workspace {

using namespace page;
using sheettable::Table;

namespace {

// The sheets' own texts, translated in the context "Worksheet" (the head's
// are in sheetheading.cpp); the kinds' names, the counts and the report are
// the core's and stay as they are.
struct Texts {
    static QString Number() { return Worksheet::tr("N"); }
    static QString X() { return Worksheet::tr("Абсциса"); }
    static QString Y() { return Worksheet::tr("Ордината"); }
    static QString Kind() { return Worksheet::tr("Фигура"); }
    static QString PupilsCount() { return Worksheet::tr("Вашият брой"); }
    static QString ProgramsCount() { return Worksheet::tr("Броят на програмата"); }
    static QString Page(int page, int pages) {
        return Worksheet::tr("стр. %1 от %2").arg(page).arg(pages);
    }
    static QString CheckFolder() {
        return Worksheet::tr("проверете дали папката съществува и дали в нея може да се записва");
    }
    static QString WrongSuffix() {
        return Worksheet::tr(
            "името трябва да завършва на .pdf (за листа) или на .png (само за платното)");
    }
    static QString NotPrinted(const QString& printer) {
        return Worksheet::tr("Листът не можа да се отпечата на принтера „%1“.").arg(printer);
    }
};

// The canvas's scale (device pixels a canvas pixel) that fits it within
// width and height.
double FitScale(QSize canvas, int width, int height) {
    if (canvas.isEmpty()) return 0;
    return std::max(0.0,
                    std::min(double(width) / canvas.width(), double(height) / canvas.height()));
}

// How small the canvas may get to keep the tables and the report on fewer
// pages: this share of the page's width, in steps of kCanvasStep.
constexpr double kLeastCanvas = 0.5;
constexpr double kCanvasStep = 0.02;
// When the report runs onto further pages, the first page keeps at least
// this much room for it below the tables, so that it carries a real share.
constexpr double kReportShareMm = 25;

// the table of points: number, abscissa, ordinate
Table PointTable(const QList<QPoint>& points) {
    Table table{{Texts::Number(), Texts::X(), Texts::Y()}};
    for (qsizetype p = 0; p < points.size(); ++p) {
        table << QStringList{QString::number(p), QString::number(points[p].x()),
                             QString::number(points[p].y())};
    }
    return table;
}

// the page's number of all at its bottom right
void DrawPageNumber(QPainter& painter, int page, int pages) {
    painter.setFont(TextFont());
    const QString text = Texts::Page(page + 1, pages);
    painter.drawText(Area(painter), Qt::AlignRight | Qt::AlignBottom, text);
}

// Close the page with its number and go on to the next one.
void NextPage(QPainter& painter, QPagedPaintDevice& device, int& page, int pages) {
    DrawPageNumber(painter, page++, pages);
    device.newPage();
}

QString NotWritten(const QString& file_name) {
    return exercisefile::NotWritten(file_name, Texts::CheckFolder());
}

}  // namespace

// Where everything of a sheet goes, found before anything is painted so that
// each page can say how many there are.
struct Worksheet::Plan {
    QRectF canvas;              // on the first page
    bool tables_apart = false;  // the tables on a page of their own, after the canvas
    int tables_top = 0;
    QRect note;                       // how the kinds are counted, under the count table
    QList<sheetreport::Page> report;  // the first on the tables' page
    int Pages() const { return (tables_apart ? 1 : 0) + static_cast<int>(report.size()); }
};

Worksheet::Worksheet(SheetContent content, Sheet sheet)
    : content_(std::move(content)), sheet_(sheet) {}

QString Worksheet::DocumentTitle() const {
    return sheetheading::SheetTitle(sheet_) + QStringLiteral(" — ") + content_.title;
}

// The canvas as large as leaves the tables and the whole report on the first
// page, down to half the page's width; when even then the report runs on,
// the fewest pages, with the canvas as large as leaves the first page a real
// share of the report. Only tables that do not fit below the smallest canvas
// go on a page of their own.
Worksheet::Plan Worksheet::LayOut(QPainter& painter, int bottom) const {
    const int gap = Mm(painter, kGapMm);
    const int width = Area(painter).width();
    const int head = sheetheading::Draw(painter, sheet_, content_.title, false, content_.plotting,
                                        content_.kinds_note) +
                     gap;
    const Table points = PointTable(content_.points);
    const Table counts = CountTable();
    const std::array<QRect, 2> places = sheettable::Places(painter, points, counts);
    QRect note;
    if (sheet_ == Sheet::kAnswerSheet) {
        const QFontMetrics metrics(ReportFont(), painter.device());
        const int height = metrics
                               .boundingRect(QRect(0, 0, places[1].width(), 0), Qt::TextWordWrap,
                                             content_.KindsNote())
                               .height();
        note = QRect(places[1].left(), places[1].bottom() + 1 + gap / 2, places[1].width(), height);
    }
    const int tables = std::max({places[0].bottom(), places[1].bottom(), note.bottom()}) + 1;
    const QStringList lines = ReportLines();
    const QFontMetrics metrics(ReportFont(), painter.device());
    const double largest = FitScale(content_.canvas_size, width, bottom - head);
    const auto plan_at = [&](double scale, bool tables_apart) {
        Plan plan;
        const QSizeF size = QSizeF(content_.canvas_size) * scale;
        plan.canvas = QRectF(QPointF((width - size.width()) / 2, head), size);
        plan.tables_apart = tables_apart;
        plan.tables_top =
            tables_apart ? 0 : qCeil(plan.canvas.bottom()) + (size.isEmpty() ? 0 : gap);
        plan.note = note.translated(0, plan.tables_top);
        sheetreport::Frame frame;
        frame.width = width;
        frame.first_top = plan.tables_top + tables + gap;
        frame.bottom = bottom;
        frame.column_gap = Mm(painter, kColumnGapMm);
        frame.band_gap = Mm(painter, kGapMm / 2);
        frame.alone = 1;  // the header: how many points
        plan.report = sheetreport::LayOut(metrics, frame, lines);
        return plan;
    };
    // the scales to try, largest first: each leaves the tables below the canvas
    QList<double> scales;
    const double below = FitScale(content_.canvas_size, width, bottom - head - gap - tables);
    for (double share = 1; share >= kLeastCanvas - 1e-9; share -= kCanvasStep) {
        if (largest * share <= below) scales << largest * share;
    }
    if (scales.isEmpty()) return plan_at(largest, true);
    for (const double scale : scales) {
        if (Plan plan = plan_at(scale, false); plan.report.size() == 1) return plan;
    }
    const qsizetype fewest = plan_at(scales.last(), false).report.size();
    const int share = Mm(painter, kReportShareMm);
    for (const double scale : scales) {
        Plan plan = plan_at(scale, false);
        const int room = bottom - (plan.tables_top + tables + gap);
        if (plan.report.size() == fewest && room >= share) return plan;
    }
    return plan_at(scales.last(), false);
}

bool Worksheet::Paint(QPagedPaintDevice& device) const {
    SetMargins(device);
    if (auto* printer = dynamic_cast<QPrinter*>(&device)) {
        // the job's name, and the title that a PDF printer or a file gives
        printer->setDocName(DocumentTitle());
        printer->setCreator(QStringLiteral("plane-figures"));
    }
    QPainter painter;
    if (!painter.begin(&device)) return false;
    PaintPages(painter, device);
    return painter.end();
}

void Worksheet::SetMargins(QPagedPaintDevice& device) {
    // the same margins on paper whichever way it goes, whatever a printer had
    device.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                          QPageLayout::Millimeter);
}

void Worksheet::PaintPages(QPainter& painter, QPagedPaintDevice& device) const {
    painter.setFont(TextFont());
    painter.setPen(QPen(Qt::black, Mm(painter, kLineMm)));
    const int footer = painter.fontMetrics().lineSpacing() + Mm(painter, kGapMm);
    const Plan plan = LayOut(painter, Area(painter).height() - footer);
    const int pages = plan.Pages();
    int page = 0;
    sheetheading::Draw(painter, sheet_, content_.title, true, content_.plotting,
                       content_.kinds_note);
    if (sheet_ == Sheet::kAnswerSheet) {
        sheetcanvas::Draw(painter, plan.canvas, content_);
    } else {  // a worksheet gives away no figure, and for plotting no point either
        SheetContent points_alone = content_;
        points_alone.outlines.clear();
        if (content_.plotting) points_alone.points.clear();
        sheetcanvas::Draw(painter, plan.canvas, points_alone);
    }
    if (plan.tables_apart) NextPage(painter, device, page, pages);
    sheettable::DrawTables(painter, plan.tables_top, PointTable(content_.points), CountTable());
    if (!plan.note.isEmpty()) {
        painter.setFont(ReportFont());
        painter.drawText(plan.note, Qt::TextWordWrap, content_.KindsNote());
    }
    const QStringList lines = ReportLines();
    for (qsizetype r = 0; r < plan.report.size(); ++r) {
        if (r > 0) NextPage(painter, device, page, pages);
        for (const sheetreport::Placed& placed : plan.report[r]) {
            painter.setFont(ReportFont(placed.line == 0));
            painter.drawText(placed.place, Qt::TextWordWrap, lines[placed.line]);
        }
    }
    if (pages > 1) DrawPageNumber(painter, page, pages);  // a sheet of one page needs no number
}

QStringList Worksheet::ReportLines() const {
    return sheet_ == Sheet::kAnswerSheet ? content_.report_lines : QStringList();
}

// Kind, the pupil's count and the program's; on a worksheet kind and an empty box.
QList<QStringList> Worksheet::CountTable() const {
    const bool answers = sheet_ == Sheet::kAnswerSheet;
    Table table{{Texts::Kind(), Texts::PupilsCount()}};
    if (answers) table[0] << Texts::ProgramsCount();
    for (qsizetype k = 0; k < content_.kinds.size(); ++k) {
        table << QStringList{content_.kinds[k],
                             answers ? content_.pupil_counts.value(k) : QString()};
        if (answers) table.last() << content_.program_counts.value(k);
    }
    return table;
}

QString Worksheet::Export(const QString& file_name) const {
    const QString suffix = QFileInfo(file_name).suffix().toLower();
    if (suffix != QStringLiteral("pdf") && suffix != QStringLiteral("png")) {
        return exercisefile::NotWritten(file_name, Texts::WrongSuffix());
    }
    QSaveFile file(file_name);
    if (!file.open(QIODevice::WriteOnly)) return NotWritten(file_name);
    const bool written =
        suffix == QStringLiteral("pdf") ? WritePdf(file) : content_.canvas.save(&file, "PNG");
    if (!written) file.cancelWriting();  // the file is left as it was
    return written && file.commit() ? QString() : NotWritten(file_name);
}

bool Worksheet::WritePdf(QIODevice& file) const {
    QPdfWriter writer(&file);
    writer.setPageLayout(QPageLayout(DefaultPageSize(), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
    writer.setTitle(DocumentTitle());
    writer.setCreator(QStringLiteral("plane-figures"));
    return Paint(writer);
}

QString Worksheet::Print(QWidget* parent) const {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted || Paint(printer)) return QString();
    return Texts::NotPrinted(printer.printerName());
}

QPageSize Worksheet::DefaultPageSize() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    const QPageSize size = printer.isNull() ? QPageSize() : printer.defaultPageSize();
    return size.isValid() ? size : QPageSize(QPageSize::A4);
}

}  // namespace plane_figures::workspace
