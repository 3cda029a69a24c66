#include "sheettable.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <array>
#include <numeric>

#include "pagemeasure.h"

namespace plane_figures::workspace::sheettable {

using namespace page;

namespace {

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

}  // namespace

int TablesHeight(const QPainter& painter, const Table& first, const Table& second) {
    const std::array<QRect, 2> places = TablePlaces(painter, first, second);
    return places[0].united(places[1]).height();
}

void DrawTables(QPainter& painter, int top, const Table& first, const Table& second) {
    const std::array<QRect, 2> places = TablePlaces(painter, first, second);
    DrawTable(painter, places[0].topLeft() + QPoint(0, top), first);
    DrawTable(painter, places[1].topLeft() + QPoint(0, top), second);
}

}  // namespace plane_figures::workspace::sheettable
