#include "sheetreport.h"

#include <algorithm>

namespace plane_figures::workspace::sheetreport {

namespace {

constexpr qsizetype kLookAhead = 8;  // lines a run's column count must suit

struct Line {
    int width = 0;   // on one row
    int height = 0;  // wrapped to the page's width when wider
};

int ColumnWidth(const Frame& frame, int columns) {
    return (frame.width - (columns - 1) * frame.column_gap) / columns;
}

// The most columns that the next lines from `from` fit in, at least 1.
int ColumnsAt(const QList<Line>& lines, qsizetype from, const Frame& frame) {
    const qsizetype end = std::min(lines.size(), from + kLookAhead);
    for (int columns = kMaxColumns; columns > 1; --columns) {
        const int width = ColumnWidth(frame, columns);
        if (std::all_of(lines.begin() + from, lines.begin() + end,
                        [width](const Line& line) { return line.width <= width; }))
            return columns;
    }
    return 1;
}

// How many lines from `from` (up to end) go into columns of this height.
qsizetype Fitting(const QList<Line>& lines, qsizetype from, qsizetype end, int columns,
                  int height) {
    qsizetype at = from;
    for (int column = 0; column < columns && at < end; ++column) {
        int used = 0;
        while (at < end && used + lines[at].height <= height) used += lines[at++].height;
        if (used == 0) break;  // a line taller than the room
    }
    return at - from;
}

// The lowest column height, at most room, that holds every line of
// [from, end) in so many columns; room itself when they do not all fit.
int Balanced(const QList<Line>& lines, qsizetype from, qsizetype end, int columns, int room) {
    int low = 1;
    int high = room;
    if (Fitting(lines, from, end, columns, room) < end - from) return room;
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (Fitting(lines, from, end, columns, mid) == end - from) {
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    return high;
}

}  // namespace

QList<Page> LayOut(const QFontMetrics& metrics, const Frame& frame, const QStringList& texts) {
    QList<Line> lines;
    for (const QString& text : texts) {
        const int width = metrics.horizontalAdvance(text);
        const QRect wrapped =
            metrics.boundingRect(QRect(0, 0, frame.width, 0), Qt::TextWordWrap, text);
        lines << Line{width, std::max(metrics.lineSpacing(), wrapped.height())};
    }
    QList<Page> pages(1);
    int top = frame.first_top;
    qsizetype at = 0;
    while (at < lines.size()) {
        const bool alone = at < frame.alone;
        const int columns = alone ? 1 : ColumnsAt(lines, at, frame);
        const int width = columns == 1 ? frame.width : ColumnWidth(frame, columns);
        qsizetype end = at + 1;  // the run: lines that keep to its columns
        while (!alone && end < lines.size() && lines[end].width <= width) ++end;
        while (at < end) {
            const int room = frame.bottom - top;
            qsizetype count = Fitting(lines, at, end, columns, room);
            if (count == 0 && top > 0) {  // nothing more on this page
                pages << Page();
                top = 0;
                continue;
            }
            count = std::max<qsizetype>(count, 1);  // a line taller than a page goes on one
            const qsizetype stop = at + count;
            const int height = std::max(Balanced(lines, at, stop, columns, room), lines[at].height);
            int used = 0;
            for (int column = 0; column < columns && at < stop; ++column) {
                int y = 0;
                while (at < stop && (y == 0 || y + lines[at].height <= height)) {
                    const QRect place(column * (width + frame.column_gap), top + y, width,
                                      lines[at].height);
                    pages.last() << Placed{at, place};
                    y += lines[at++].height;
                }
                used = std::max(used, y);
            }
            top += used;
            if (at < end) {
                pages << Page();
                top = 0;
            } else if (at < lines.size()) {
                top += frame.band_gap;
            }
        }
    }
    return pages;
}

}  // namespace plane_figures::workspace::sheetreport
