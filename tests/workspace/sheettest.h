// Helpers for the tests of the sheets: content as a pupil's work gives it,
// and the PDFs read back with poppler's tools (text and rendered pages).
#pragma once

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "figurekinds.h"
#include "worksheet.h"

using namespace plane_figures::workspace;

namespace sheettest {

// a square, a diamond (its sides at 45°) and a lone point
inline const QList<QPoint> kPoints{{20, 20},  {60, 20},   {60, 60},   {20, 60},
                                   {140, 60}, {180, 100}, {140, 140}, {100, 100}};
inline const QColor kDiamondColour(0, 0, 255);
inline const QColor kHighlight(0, 255, 0);  // the window's chosen point

// the canvas's own picture, as the window shows it: grid, dots, the first
// point chosen in a list (light green)
inline QImage Canvas() {
    QImage canvas(263, 229, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    for (int x = 0; x <= 260; x += 20) painter.drawLine(x, 0, x, 229);
    for (int y = 0; y <= 220; y += 20) painter.drawLine(0, y, 263, y);
    for (const QPoint& p : kPoints) painter.fillRect(p.x() - 2, p.y() - 2, 5, 5, Qt::black);
    painter.fillRect(kPoints[0].x() - 2, kPoints[0].y() - 2, 5, 5, kHighlight);
    return canvas;
}

// the points, two outlines, distinctive counts (pupil 71.., program 91..)
// and extra report lines
inline SheetContent Content(int extra_lines = 0) {
    SheetContent content;
    content.title = QStringLiteral("Математика - координати на върхове");
    content.canvas = Canvas();
    content.canvas_size = content.canvas.size();
    content.ruling = {20, 263, 229};
    content.points = kPoints;
    content.outlines << drawing::Outline{kPoints.mid(0, 4), QColor(128, 128, 0)}
                     << drawing::Outline{kPoints.mid(4, 4), kDiamondColour};
    content.kinds = SheetKindNames();
    for (int k = 0; k < content.kinds.size(); ++k) {
        content.pupil_counts << QString::number(71 + k);
        content.program_counts << QString::number(91 + k);
    }
    content.report_lines << QStringLiteral("Брой въведени точки: 8")
                         << QStringLiteral("Квадрат с равни страни: 0,1,2,3");
    for (int i = 0; i < extra_lines; ++i)
        content.report_lines
            << QStringLiteral("Правоъгълен %1,%2,%3").arg(i / 225).arg(i / 15 % 15).arg(i % 15);
    return content;
}

// what a poppler tool writes to standard output
inline QString Poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The tools that read a PDF back; a missing one is named.
inline QString MissingPoppler() {
    for (const char* tool : {"pdftotext", "pdfinfo", "pdftoppm"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return QString("%1 is missing; install poppler-utils").arg(tool);
    }
    return QString();
}

// In a test function: fail without the PDF tools, or on Windows, where
// poppler-utils (Linux programs) are not to be had, skip with the reason.
#ifdef Q_OS_WIN
#define REQUIRE_POPPLER()                                                        \
    if (const QString missing = sheettest::MissingPoppler(); !missing.isEmpty()) \
    QSKIP(qPrintable(missing))
#else
#define REQUIRE_POPPLER()                                                        \
    if (const QString missing = sheettest::MissingPoppler(); !missing.isEmpty()) \
    QFAIL(qPrintable(missing))
#endif

inline int Pages(const QString& pdf) {
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(Poppler("pdfinfo", {pdf})).captured(1).toInt();
}

// page of pdf rendered at dpi
inline QImage Rendered(const QString& pdf, int page, int dpi) {
    QTemporaryDir dir;
    const QString stem = dir.filePath("page");
    Poppler("pdftoppm", {"-png", "-r", QString::number(dpi), "-f", QString::number(page), "-l",
                         QString::number(page), "-singlefile", pdf, stem});
    return QImage(stem + ".png").convertToFormat(QImage::Format_RGB32);
}

inline bool Dark(QRgb pixel) { return qGray(pixel) < 110; }

// centres of the runs of neighbouring indices
inline QList<double> Centres(const QList<int>& indices) {
    QList<double> centres;
    for (qsizetype i = 0; i < indices.size();) {
        qsizetype j = i;
        while (j + 1 < indices.size() && indices[j + 1] == indices[j] + 1) ++j;
        centres << (indices[i] + indices[j]) / 2.0;
        i = j + 1;
    }
    return centres;
}

// The columns of the page that look like a dash-dot-dot line down it: many
// dark pixels, none in a long run (table borders are solid, text sparse).
// A grid line that an outline runs along is not among them.
inline QList<double> DashedColumns(const QImage& page) {
    QList<int> ruled;
    for (int x = 0; x < page.width(); ++x) {
        int dark = 0, run = 0, longest = 0;
        for (int y = 0; y < page.height(); ++y) {
            const bool d = Dark(page.pixel(x, y));
            dark += d;
            run = d ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        if (dark > page.height() / 8 && longest < page.height() / 40) ruled << x;
    }
    return Centres(ruled);
}

// The rows of the page dark over [left, right] but for gaps shorter than
// gap: a grid line with what lies on it (text and table borders have wider gaps).
inline QList<double> RuledRows(const QImage& page, int left, int right, int gap) {
    QList<int> ruled;
    for (int y = 0; y < page.height(); ++y) {
        int light = 0, widest = 0;
        for (int x = left; x <= right; ++x) {
            light = Dark(page.pixel(x, y)) ? 0 : light + 1;
            widest = std::max(widest, light);
        }
        if (widest < gap) ruled << y;
    }
    return Centres(ruled);
}

inline bool Greenish(QRgb p) { return qGreen(p) > qRed(p) + 60 && qGreen(p) > qBlue(p) + 60; }
inline bool Bluish(QRgb p) { return qBlue(p) > qRed(p) + 80 && qBlue(p) > qGreen(p) + 80; }

inline int Count(const QImage& page, bool (*is)(QRgb)) {
    int count = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) count += is(page.pixel(x, y));
    return count;
}

// the left and top of everything printed on page
inline QPoint InkTopLeft(const QImage& page) {
    QPoint corner(page.width(), page.height());
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) < 200)
                corner = QPoint(std::min(corner.x(), x), std::min(corner.y(), y));
        }
    }
    return corner;
}

}  // namespace sheettest
