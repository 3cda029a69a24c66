// The report's lines set on pages in columns: as many columns as the lines
// at hand fit across the page, so that short triangle lines share a row
// while the long quadrilateral lines get the width they need.
#pragma once

#include <QFontMetrics>
#include <QList>
#include <QRect>
#include <QStringList>

namespace plane_figures::workspace::sheetreport {

struct Placed {
    qsizetype line = 0;  // index into the lines
    QRect place;         // on its page, device pixels
};
using Page = QList<Placed>;

struct Frame {
    int width = 0;        // of the page's paint area
    int first_top = 0;    // where the lines may begin on the first page
    int bottom = 0;       // where each page's room ends
    int column_gap = 0;   // between columns
    int band_gap = 0;     // between runs of different column counts
    qsizetype alone = 0;  // the first lines (a heading) each take a whole row
};

inline constexpr int kMaxColumns = 4;

// Every line placed, in order: column after column within each run of lines
// that share a column count, the columns of a run's last page balanced.
// A line wider than the page wraps. The first page (empty when nothing fits
// below first_top) and each further page hold lines up to bottom.
QList<Page> LayOut(const QFontMetrics& metrics, const Frame& frame, const QStringList& lines);

}  // namespace plane_figures::workspace::sheetreport
