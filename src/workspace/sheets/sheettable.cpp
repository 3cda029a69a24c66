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

// height of a row of one line
int RowHeight(const QPainter& painter) {
    return painter.fontMetrics().height() + 2 * Mm(painter, kCellPaddingMm / 2);
}

// Width of each column: its widest cell with padding (of the heading in bold
// only its longest word, since a heading wraps), at least the minimum, and at
// most an equal share of the page's width (the first, whose texts are the
// program's, what the others leave at their least), so that the table keeps
// to the page whatever a pupil typed in a cell.
QList<int> ColumnWidths(const QPainter& painter, const Table& table) {
    const auto columns = static_cast<int>(table.value(0).size());
    QList<int> widths(columns, Mm(painter, kMinColumnMm));
    const int widest = std::max(widths.value(0), Area(painter).width() / std::max(columns, 1));
    const QFontMetrics bold(TextFont(true), painter.device());
    const QFontMetrics plain(TextFont(), painter.device());
    const int padding = 2 * Mm(painter, kCellPaddingMm);
    int widest_first = 0;
    for (qsizetype r = 0; r < table.size(); ++r) {
        for (qsizetype c = 0; c < table[r].size() && c < widths.size(); ++c) {
            int text = 0;
            if (r == 0) {
                for (const QString& word : table[r][c].split(QLatin1Char(' ')))
                    text = std::max(text, bold.horizontalAdvance(word));
            } else {
                text = plain.horizontalAdvance(table[r][c]);
            }
            widths[c] = std::max(widths[c], text + padding);
            if (c == 0) widest_first = std::max(widest_first, text + padding);
        }
    }
    for (int& width : widths) width = std::min(width, widest);
    if (!widths.isEmpty()) {
        const int first = Area(painter).width() - (columns - 1) * Mm(painter, kMinColumnMm);
        widths[0] = std::max(widths[0], std::min(first, widest_first));
    }
    return widths;
}

// the heading row's height: its cells wrapped in bold to their columns
int HeadingHeight(const QPainter& painter, const Table& table, const QList<int>& widths) {
    const QFontMetrics bold(TextFont(true), painter.device());
    const int padding = Mm(painter, kCellPaddingMm);
    int height = 0;
    for (qsizetype c = 0; c < widths.size(); ++c) {
        const QRect room(0, 0, widths[c] - 2 * padding, 0);
        height = std::max(
            height, bold.boundingRect(room, Qt::TextWordWrap | Qt::AlignHCenter, table[0].value(c))
                        .height());
    }
    return height + 2 * Mm(painter, kCellPaddingMm / 2);
}

QSize TableSize(const QPainter& painter, const Table& table) {
    const QList<int> widths = ColumnWidths(painter, table);
    const int width = std::accumulate(widths.begin(), widths.end(), 0);
    if (table.isEmpty()) return QSize(width, 0);
    return QSize(width, HeadingHeight(painter, table, widths) +
                            RowHeight(painter) * static_cast<int>(table.size() - 1));
}

// text, cut short with "…" where it is wider than width
QString Fitted(const QPainter& painter, const QString& text, int width) {
    const QFontMetrics metrics = painter.fontMetrics();
    if (metrics.horizontalAdvance(text) <= width) return text;
    return metrics.elidedText(text, Qt::ElideRight, width);
}

// One row of boxed cells this high: the first cell's text to the left, the
// others centred; a heading's cells wrap, the others are cut short.
void DrawRow(QPainter& painter, QPoint at, int height, const QStringList& cells,
             const QList<int>& widths, bool heading) {
    const int padding = Mm(painter, kCellPaddingMm);
    for (qsizetype c = 0; c < widths.size(); ++c) {
        const QRect cell(at, QSize(widths[c], height));
        painter.drawRect(cell);
        const Qt::Alignment across = c == 0 ? Qt::AlignLeft : Qt::AlignHCenter;
        const QRect inside = cell.adjusted(padding, 0, -padding, 0);
        if (heading) {
            painter.drawText(inside, across | Qt::AlignVCenter | Qt::TextWordWrap, cells.value(c));
        } else {
            painter.drawText(inside, across | Qt::AlignVCenter,
                             Fitted(painter, cells.value(c), inside.width()));
        }
        at.rx() += widths[c];
    }
}

// The table with its top left at `at`, the heading row in bold.
void DrawTable(QPainter& painter, QPoint at, const Table& table) {
    if (table.isEmpty()) return;
    const QList<int> widths = ColumnWidths(painter, table);
    painter.setFont(TextFont(true));
    const int heading = HeadingHeight(painter, table, widths);
    DrawRow(painter, at, heading, table[0], widths, true);
    painter.setFont(TextFont());
    const int row_height = RowHeight(painter);
    for (qsizetype r = 1; r < table.size(); ++r) {
        const QPoint row = at + QPoint(0, heading + row_height * static_cast<int>(r - 1));
        DrawRow(painter, row, row_height, table[r], widths, false);
    }
}

}  // namespace

std::array<QRect, 2> Places(const QPainter& painter, const Table& first, const Table& second) {
    const QRect a(QPoint(0, 0), TableSize(painter, first));
    const QSize b = TableSize(painter, second);
    const int width = Area(painter).width();
    const int gap = Mm(painter, kGapMm);
    if (a.width() + gap + b.width() <= width) return {a, QRect(QPoint(width - b.width(), 0), b)};
    return {a, QRect(QPoint(0, a.height() + gap), b)};
}

void DrawTables(QPainter& painter, int top, const Table& first, const Table& second) {
    const std::array<QRect, 2> places = Places(painter, first, second);
    DrawTable(painter, places[0].topLeft() + QPoint(0, top), first);
    DrawTable(painter, places[1].topLeft() + QPoint(0, top), second);
}

}  // namespace plane_figures::workspace::sheettable
