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
#include <array>
#include <numeric>
#include <utility>

namespace {

using Table = QList<QStringList>;  // rows of cells, the heading first

constexpr double kMarginMm = 15;  // page margins of exported PDFs
constexpr double kGapMm = 4;      // space between the blocks of a page
constexpr double kCellPaddingMm = 1.5;
constexpr double kMinColumnMm = 15;  // room to write a count by hand
constexpr double kLineMm = 0.2;      // table borders
constexpr int kNumberOffset = 4;     // canvas pixels from a dot's centre to its number
constexpr int kNumberHeight = 5;     // canvas pixels a point's number is high

// device pixels in length_mm millimetres on painter's device
int Mm(const QPainter& painter, double length_mm) {
    return qRound(length_mm * painter.device()->logicalDpiY() / 25.4);
}

// the window's font, Times New Roman 12 pt
QFont TextFont(bool bold = false) {
    return QFont(QStringLiteral("Times New Roman"), 12, bold ? QFont::Bold : QFont::Normal);
}

// the page's paint area in device pixels, origin at its top left
QRect Area(const QPainter& painter) {
    return QRect(0, 0, painter.device()->width(), painter.device()->height());
}

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

// height of a table row
int RowHeight(const QPainter& painter) {
    return painter.fontMetrics().height() + 2 * Mm(painter, kCellPaddingMm / 2);
}

// Width of each column: its widest cell in bold with padding, at least the
// minimum, and at most an equal share of the page's width, so that the table
// keeps to the page whatever a pupil typed in a cell.
QList<int> ColumnWidths(const QPainter& painter, const Table& table) {
    const auto columns = static_cast<int>(table.value(0).size());
    QList<int> widths(columns, Mm(painter, kMinColumnMm));
    const int widest = std::max(widths.value(0), Area(painter).width() / std::max(columns, 1));
    const QFontMetrics bold(TextFont(true), painter.device());
    const int padding = 2 * Mm(painter, kCellPaddingMm);
    for (const QStringList& row : table) {
        for (qsizetype c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], bold.horizontalAdvance(row[c]) + padding);
    }
    for (int& width : widths) width = std::min(width, widest);
    return widths;
}

QSize TableSize(const QPainter& painter, const Table& table) {
    const QList<int> widths = ColumnWidths(painter, table);
    const int width = std::accumulate(widths.begin(), widths.end(), 0);
    return QSize(width, RowHeight(painter) * static_cast<int>(table.size()));
}

// text, cut short with "…" where it is wider than width
QString Fitted(const QPainter& painter, const QString& text, int width) {
    const QFontMetrics metrics = painter.fontMetrics();
    if (metrics.horizontalAdvance(text) <= width) return text;
    return metrics.elidedText(text, Qt::ElideRight, width);
}

// One row of boxed cells: the first cell's text to the left, the others centred.
void DrawRow(QPainter& painter, QPoint at, const QStringList& cells, const QList<int>& widths) {
    const int padding = Mm(painter, kCellPaddingMm);
    for (qsizetype c = 0; c < widths.size(); ++c) {
        const QRect cell(at, QSize(widths[c], RowHeight(painter)));
        painter.drawRect(cell);
        const Qt::Alignment across = c == 0 ? Qt::AlignLeft : Qt::AlignHCenter;
        const QRect inside = cell.adjusted(padding, 0, -padding, 0);
        painter.drawText(inside, across | Qt::AlignVCenter,
                         Fitted(painter, cells.value(c), inside.width()));
        at.rx() += widths[c];
    }
}

// The table with its top left at `at`, the heading row in bold.
void DrawTable(QPainter& painter, QPoint at, const Table& table) {
    const QList<int> widths = ColumnWidths(painter, table);
    const int row_height = RowHeight(painter);
    for (qsizetype r = 0; r < table.size(); ++r) {
        painter.setFont(TextFont(r == 0));
        DrawRow(painter, at + QPoint(0, row_height * static_cast<int>(r)), table[r], widths);
    }
    painter.setFont(TextFont());
}

// Where two tables go, relative to the top left of both: side by side at the
// page's edges, or the second below the first when the page is too narrow.
std::array<QRect, 2> TablePlaces(const QPainter& painter, const Table& first, const Table& second) {
    const QRect a(QPoint(0, 0), TableSize(painter, first));
    const QSize b = TableSize(painter, second);
    const int width = Area(painter).width();
    const int gap = Mm(painter, kGapMm);
    if (a.width() + gap + b.width() <= width) return {a, QRect(QPoint(width - b.width(), 0), b)};
    return {a, QRect(QPoint(0, a.height() + gap), b)};
}

int TablesHeight(const QPainter& painter, const Table& first, const Table& second) {
    const std::array<QRect, 2> places = TablePlaces(painter, first, second);
    return places[0].united(places[1]).height();
}

void DrawTables(QPainter& painter, int top, const Table& first, const Table& second) {
    const std::array<QRect, 2> places = TablePlaces(painter, first, second);
    DrawTable(painter, places[0].topLeft() + QPoint(0, top), first);
    DrawTable(painter, places[1].topLeft() + QPoint(0, top), second);
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
    return QStringLiteral(
               "Файлът „%1“ не може да бъде записан. Проверете дали папката "
               "съществува и дали в нея може да се записва.")
        .arg(QDir::toNativeSeparators(file_name));
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
    const int tables = TablesHeight(painter, points, counts) + gap;
    const int bottom = Area(painter).height() - footer;
    const int factor = CanvasFactor(content_.canvas.size(), Area(painter).width(),
                                    bottom - canvas_top - gap, tables);
    int top = canvas_top + DrawCanvas(painter, content_, canvas_top, factor) + gap;
    if (top + tables > bottom) {
        NextPage(painter, device, page);
        top = 0;
    }
    DrawTables(painter, top, points, counts);
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
        return QStringLiteral(
                   "Файлът „%1“ не е записан: името трябва да завършва на .pdf "
                   "(листовете за печат) или на .png (само чертежът).")
            .arg(QDir::toNativeSeparators(file_name));
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
