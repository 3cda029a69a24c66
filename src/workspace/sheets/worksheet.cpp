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
#include <algorithm>
#include <utility>

#include "exercisefile.h"
#include "pagemeasure.h"
#include "sheettable.h"

namespace plane_figures::workspace {

using namespace page;
using sheettable::Table;

namespace {

constexpr int kNumberOffset = 4;  // canvas pixels from a dot's centre to its number
constexpr int kNumberHeight = 5;  // canvas pixels a point's number is high

// The title line centred across the top of the page in bold; returns its height.
int DrawTitle(QPainter& painter, const QString& title) {
    painter.setFont(TextFont(true));
    const QRect area = Area(painter);
    const QRect place = painter.fontMetrics().boundingRect(area, Qt::TextWordWrap, title);
    painter.drawText(QRect(0, 0, area.width(), place.height()), Qt::TextWordWrap | Qt::AlignHCenter,
                     title);
    painter.setFont(TextFont());
    return place.height();
}

// Where the number of the dot at canvas pixel dot goes: in the grid cell up
// and to the right of it, mirrored where that would run off the canvas.
QRect NumberPlace(QPoint dot, QSize size, const QRect& canvas, int factor) {
    const QPoint centre = canvas.topLeft() + dot * factor + QPoint(factor / 2, factor / 2);
    const int offset = kNumberOffset * factor;
    int left = centre.x() + offset;
    int top = centre.y() - offset - size.height();
    if (left + size.width() > canvas.right()) left = centre.x() - offset - size.width();
    if (top < canvas.top()) top = centre.y() + offset;
    return QRect(QPoint(left, top), size);
}

// Each point's number beside its dot, in a font that grows with the canvas.
void DrawPointNumbers(QPainter& painter, const QList<QPoint>& points, const QRect& canvas,
                      int factor) {
    QFont font = TextFont();
    font.setPixelSize(kNumberHeight * factor);
    painter.setFont(font);
    for (qsizetype p = 0; p < points.size(); ++p) {
        const QString number = QString::number(p);
        const QSize size = painter.fontMetrics().size(0, number);
        painter.drawText(NumberPlace(points[p], size, canvas, factor), Qt::AlignCenter, number);
    }
    painter.setFont(TextFont());
}

// The canvas's whole enlargement within width and height: the largest that
// leaves room below it for the tables, unless that is under three quarters of
// the largest on a page of its own, which it then gets. At least 1.
int CanvasFactor(QSize canvas, int width, int height, int tables) {
    if (canvas.isEmpty()) return 1;
    const auto fit = [&](int room) {
        return std::max(1, std::min(width / canvas.width(), room / canvas.height()));
    };
    const int shared = fit(height - tables);
    const int alone = fit(height);
    return 4 * shared >= 3 * alone ? shared : alone;
}

// The canvas enlarged by factor, pixel for pixel without smoothing, centred
// across the page at top, with the points' numbers; returns its height.
int DrawCanvas(QPainter& painter, const SheetContent& content, int top, int factor) {
    const QImage& canvas = content.canvas;
    if (canvas.isNull()) return 0;
    const QSize size = canvas.size() * factor;
    const QRect place(QPoint((Area(painter).width() - size.width()) / 2, top), size);
    painter.setRenderHint(QPainter::LosslessImageRendering);  // a PDF would store it as JPEG
    painter.drawImage(place, canvas);
    DrawPointNumbers(painter, content.points, place, factor);
    return place.height();
}

// the table of points: number, abscissa, ordinate
Table PointTable(const QList<QPoint>& points) {
    Table table{{QStringLiteral("N"), QStringLiteral("Абсциса"), QStringLiteral("Ордината")}};
    for (qsizetype p = 0; p < points.size(); ++p) {
        table << QStringList{QString::number(p), QString::number(points[p].x()),
                             QString::number(points[p].y())};
    }
    return table;
}

// Height of each line, wrapped to width.
QList<int> LineHeights(const QFontMetrics& metrics, int width, const QStringList& lines) {
    QList<int> heights;
    heights.reserve(lines.size());
    for (const QString& line : lines) {
        const QRect place = metrics.boundingRect(QRect(0, 0, width, 0), Qt::TextWordWrap, line);
        heights << std::max(metrics.lineSpacing(), place.height());
    }
    return heights;
}

// Index of the first line on each page. The first page has first_room for
// lines (possibly none), each further page room and at least one line.
QList<qsizetype> PageStarts(const QList<int>& heights, int first_room, int room) {
    QList<qsizetype> starts{0};
    int used = 0;
    for (qsizetype i = 0; i < heights.size(); ++i) {
        const bool first_page = starts.size() == 1;
        if (used + heights[i] > (first_page ? first_room : room) && (used > 0 || first_page)) {
            starts << i;
            used = 0;
        }
        used += heights[i];
    }
    return starts;
}

// lines from top down, each in its height
void DrawLines(QPainter& painter, int top, const QStringList& lines, const QList<int>& heights) {
    const int width = Area(painter).width();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        painter.drawText(QRect(0, top, width, heights[i]), Qt::TextWordWrap, lines[i]);
        top += heights[i];
    }
}

// the page's number at its bottom right
void DrawPageNumber(QPainter& painter, int page) {
    const QString text = QStringLiteral("Страница %1").arg(page + 1);
    painter.drawText(Area(painter), Qt::AlignRight | Qt::AlignBottom, text);
}

// Close the page with its number and go on to the next one.
void NextPage(QPainter& painter, QPagedPaintDevice& device, int& page) {
    DrawPageNumber(painter, page++);
    device.newPage();
}

QString NotWritten(const QString& file_name) {
    return exercisefile::NotWritten(
        file_name,
        QStringLiteral("проверете дали папката съществува и дали в нея може да се записва"));
}

}  // namespace

Worksheet::Worksheet(SheetContent content, Sheet sheet)
    : content_(std::move(content)), sheet_(sheet) {}

bool Worksheet::Paint(QPagedPaintDevice& device) const {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setFont(TextFont());
    painter.setPen(QPen(Qt::black, Mm(painter, kLineMm)));
    const int footer = painter.fontMetrics().lineSpacing() + Mm(painter, kGapMm);
    int page = 0;
    PaintReport(painter, device, PaintHead(painter, device, footer, page), footer, page);
    if (page > 0) DrawPageNumber(painter, page);  // a sheet of one page needs no number
    return painter.end();
}

int Worksheet::PaintHead(QPainter& painter, QPagedPaintDevice& device, int footer,
                         int& page) const {
    const int gap = Mm(painter, kGapMm);
    const int canvas_top = DrawTitle(painter, content_.title) + gap;
    const Table points = PointTable(content_.points);
    const Table counts = CountTable();
    const int tables = sheettable::TablesHeight(painter, points, counts) + gap;
    const int bottom = Area(painter).height() - footer;
    const int factor = CanvasFactor(content_.canvas.size(), Area(painter).width(),
                                    bottom - canvas_top - gap, tables);
    int top = canvas_top + DrawCanvas(painter, content_, canvas_top, factor) + gap;
    if (top + tables > bottom) {
        NextPage(painter, device, page);
        top = 0;
    }
    sheettable::DrawTables(painter, top, points, counts);
    return top + tables;
}

void Worksheet::PaintReport(QPainter& painter, QPagedPaintDevice& device, int top, int footer,
                            int& page) const {
    const QStringList lines = sheet_ == Sheet::kAnswerSheet ? content_.report_lines : QStringList();
    const int height = Area(painter).height() - footer;
    const QList<int> heights = LineHeights(painter.fontMetrics(), Area(painter).width(), lines);
    const QList<qsizetype> starts = PageStarts(heights, height - top, height);
    for (qsizetype i = 0; i < starts.size(); ++i) {
        if (i > 0) NextPage(painter, device, page);
        const qsizetype end = i + 1 < starts.size() ? starts[i + 1] : lines.size();
        const qsizetype count = end - starts[i];
        DrawLines(painter, i == 0 ? top : 0, lines.mid(starts[i], count),
                  heights.mid(starts[i], count));
    }
}

// Kind, the pupil's count and the program's; on a worksheet kind and an empty box.
QList<QStringList> Worksheet::CountTable() const {
    const bool answers = sheet_ == Sheet::kAnswerSheet;
    Table table{{QStringLiteral("Фигура"), QStringLiteral("Ваш брой")}};
    if (answers) table[0] << QStringLiteral("Брой от програмата");
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
        return exercisefile::NotWritten(
            file_name,
            QStringLiteral("името трябва да завършва на .pdf (листовете за печат) или на "
                           ".png (само чертежът)"));
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
    writer.setTitle(content_.title);
    writer.setCreator(QStringLiteral("plane-figures"));
    return Paint(writer);
}

QString Worksheet::Print(QWidget* parent) const {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted || Paint(printer)) return QString();
    return QStringLiteral("Листът не можа да се отпечата на „%1“.").arg(printer.printerName());
}

QPageSize Worksheet::DefaultPageSize() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    const QPageSize size = printer.isNull() ? QPageSize() : printer.defaultPageSize();
    return size.isValid() ? size : QPageSize(QPageSize::A4);
}

}  // namespace plane_figures::workspace
