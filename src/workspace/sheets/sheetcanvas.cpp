#include "sheetcanvas.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>

#include "canvasimage.h"
#include "numberplace.h"
#include "pagemeasure.h"
#include "palette.h"

namespace plane_figures::workspace::sheetcanvas {

namespace {

// Measures of the canvas's own drawing, in canvas pixels.
constexpr double kDotDiameter = 5;
constexpr double kOutlineWidth = 2;
constexpr int kNumberHeight = 6;       // of a point's number
constexpr double kNumberMargin = 0.6;  // white around a number
constexpr QPoint kUpRight(1, -1);      // where a number goes first
// The dash-dot-dot of a one-pixel line: dash 3, gap 2, dot 1, gap 2, dot 1, gap 2.
constexpr std::array<double, 6> kDashDotDot{3, 2, 1, 2, 1, 2};
constexpr double kGridLineMm = 0.2;

// A canvas pixel's centre: whole pixels are drawn there.
QPointF Centre(QPoint p) { return QPointF(p) + QPointF(0.5, 0.5); }

// A grid line along the middle of its pixels: half a pixel across it.
QLineF Middle(const QLine& line) {
    const QPointF across(line.dx() == 0 ? 0.5 : 0, line.dy() == 0 ? 0.5 : 0);
    return QLineF(QPointF(line.p1()) + across, QPointF(line.p2()) + across);
}

QList<QLineF> GridLines(const SheetContent& content) {
    QList<QLineF> lines;
    for (const QLine& line : content.ruling.Lines(content.canvas_size)) lines << Middle(line);
    return lines;
}

QList<QLineF> OutlineSides(const SheetContent& content) {
    QList<QLineF> sides;
    for (const drawing::Outline& outline : content.outlines) {
        for (qsizetype v = 0; v < outline.vertices.size(); ++v) {
            sides << QLineF(Centre(outline.vertices[v]),
                            Centre(outline.vertices[(v + 1) % outline.vertices.size()]));
        }
    }
    return sides;
}

}  // namespace

QList<QRect> NumberPlaces(const SheetContent& content, const QList<QSize>& sizes) {
    drawing::NumberSurroundings around;
    around.canvas = content.canvas_size;
    for (const QPoint& point : content.points) around.dots << Centre(point);
    around.dot_radius = kDotDiameter / 2;
    around.sides = OutlineSides(content);
    around.side_width = kOutlineWidth;
    around.grid = GridLines(content);
    around.margin = kNumberMargin;
    return drawing::PlaceNumbers(content.points, sizes, kUpRight, around);
}

void Draw(QPainter& painter, const QRectF& place, const SheetContent& content) {
    if (content.canvas_size.isEmpty()) return;
    const double scale = place.width() / content.canvas_size.width();
    const auto at = [&](QPointF canvas_point) { return place.topLeft() + canvas_point * scale; };
    const QColor black = CanvasImage::PaletteColour(kBlack);
    const QColor white = CanvasImage::PaletteColour(kWhite);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(place);
    // the grid: thin lines in the canvas's dash-dot-dot, measured in canvas pixels
    const double grid_width = std::max(1.0, page::Mm(painter, kGridLineMm) * 1.0);
    QPen grid_pen(black, grid_width, Qt::CustomDashLine, Qt::FlatCap);
    QList<qreal> pattern;
    for (const double length : kDashDotDot) pattern << length * scale / grid_width;
    grid_pen.setDashPattern(pattern);
    painter.setPen(grid_pen);
    for (const QLineF& line : GridLines(content)) painter.drawLine(at(line.p1()), at(line.p2()));
    // the outlines, in their kinds' colours, under the dots
    for (const drawing::Outline& outline : content.outlines) {
        painter.setPen(QPen(outline.colour, kOutlineWidth * scale, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        QPolygonF polygon;
        for (const QPoint& v : outline.vertices) polygon << at(Centre(v));
        painter.drawPolygon(polygon);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(black);
    const double radius = kDotDiameter / 2 * scale;
    for (const QPoint& p : content.points) painter.drawEllipse(at(Centre(p)), radius, radius);
    // the numbers on white, so that a line they cannot avoid does not cross them
    QFont font = page::TextFont();
    font.setPixelSize(std::max(1, qRound(kNumberHeight * scale)));
    painter.setFont(font);
    QList<QSize> sizes;  // whole canvas pixels that hold the number
    for (qsizetype p = 0; p < content.points.size(); ++p) {
        const QSize size = painter.fontMetrics().size(0, QString::number(p));
        sizes << QSize(static_cast<int>(std::ceil(size.width() / scale)), kNumberHeight);
    }
    const QList<QRect> places = NumberPlaces(content, sizes);
    for (qsizetype p = 0; p < places.size(); ++p) {
        const QRectF box(at(QPointF(places[p].topLeft())), QSizeF(places[p].size()) * scale);
        const double margin = kNumberMargin * scale;
        painter.fillRect(box.adjusted(-margin, -margin, margin, margin), white);
        painter.setPen(black);
        painter.drawText(box, Qt::AlignCenter, QString::number(p));
    }
    painter.restore();
}

}  // namespace plane_figures::workspace::sheetcanvas
