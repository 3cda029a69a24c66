// The measures a printed page is laid out in: millimetres on the device,
// the paint area, the window's font.
#pragma once

#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <QRect>

#include "windowfont.h"

namespace plane_figures::workspace::page {

inline constexpr double kMarginMm = 15;  // page margins, printed or exported
inline constexpr double kGapMm = 4;      // space between the blocks of a page
inline constexpr double kCellPaddingMm = 1.5;
inline constexpr double kMinColumnMm = 15;  // room to write a count by hand
inline constexpr double kLineMm = 0.2;      // table borders
inline constexpr double kColumnGapMm = 6;   // between the report's columns
inline constexpr int kReportPoints = 10;    // the report's lines, set in columns

// device pixels in length_mm millimetres on painter's device
inline int Mm(const QPainter& painter, double length_mm) {
    return qRound(length_mm * painter.device()->logicalDpiY() / 25.4);
}

inline QFont TextFont(bool bold = false) { return WindowFont(bold); }
inline QFont ReportFont(bool bold = false) {
    QFont font = WindowFont(bold);
    font.setPointSize(kReportPoints);
    return font;
}

// the page's paint area in device pixels, origin at its top left
inline QRect Area(const QPainter& painter) {
    return QRect(0, 0, painter.device()->width(), painter.device()->height());
}

}  // namespace plane_figures::workspace::page
