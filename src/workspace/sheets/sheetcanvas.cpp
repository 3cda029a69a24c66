#include "sheetcanvas.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <limits>

#include "grid.h"
#include "pagemeasure.h"

namespace plane_figures::workspace::sheetcanvas {

namespace {

// Measures of the canvas's own drawing, in canvas pixels.
constexpr double kDotDiameter = 5;
constexpr double kOutlineWidth = 2;
constexpr double kNumberHeight = 6;    // of a point's number
constexpr double kNumberGap = 3.5;     // from a dot's centre to its number's box
constexpr double kNumberMargin = 0.6;  // white around a number
// The dash-dot-dot of a one-pixel line: dash 3, gap 2, dot 1, gap 2, dot 1, gap 2.
constexpr std::array<double, 6> kDashDotDot{3, 2, 1, 2, 1, 2};
constexpr double kGridLineMm = 0.2;

// A canvas pixel's centre: whole pixels are drawn there.
QPointF Centre(QPoint p) { return QPointF(p) + QPointF(0.5, 0.5); }

bool Crosses(const QLineF& line, const QRectF& box) {
    if (box.contains(line.p1()) || box.contains(line.p2())) return true;
    const std::array<QLineF, 4> edges{
        QLineF(box.topLeft(), box.topRight()), QLineF(box.topRight(), box.bottomRight()),
        QLineF(box.bottomRight(), box.bottomLeft()), QLineF(box.bottomLeft(), box.topLeft())};
    return std::any_of(edges.begin(), edges.end(), [&](const QLineF& edge) {
        return line.intersects(edge, nullptr) == QLineF::BoundedIntersection;
    });
}

// whether box comes within reach of centre
bool Near(QPointF centre, double reach, const QRectF& box) {
    const double dx = std::max({box.left() - centre.x(), 0.0, centre.x() - box.right()});
    const double dy = std::max({box.top() - centre.y(), 0.0, centre.y() - box.bottom()});
    return dx * dx + dy * dy < reach * reach;
}

// The grid's lines, in canvas pixels, as DrawGrid rules them.
QList<QLineF> GridLines(const SheetContent& content) {
    const drawing::Ruling& ruling = content.ruling;
    QList<QLineF> lines;
    if (ruling.step <= 0) return lines;
    const int rows = GridLineCount(content.canvas_size.height(), ruling.step);
    for (int i = 0; i <= rows; ++i) {
        const double y = ruling.step * i + 0.5;
        lines << QLineF(0, y, ruling.width, y);
    }
    const int columns = GridLineCount(content.canvas_size.width(), ruling.step);
    for (int i = 0; i <= columns; ++i) {
        const double x = ruling.step * i + 0.5;
        lines << QLineF(x, 0, x, ruling.bottom);
    }
    return lines;
}

QList<QLineF> OutlineSides(const SheetContent& content) {
    QList<QLineF> sides;
    for (const SheetOutline& outline : content.outlines) {
        for (qsizetype v = 0; v < outline.vertices.size(); ++v) {
            sides << QLineF(Centre(outline.vertices[v]),
                            Centre(outline.vertices[(v + 1) % outline.vertices.size()]));
        }
    }
    return sides;
}

// The boxes a number of this size may take beside centre, the most wanted first:
// up and to the right, the other corners, then the sides.
std::array<QRectF, 8> Candidates(QPointF centre, QSizeF size) {
    const double g = kNumberGap;
    const double w = size.width();
    const double h = size.height();
    const double x = centre.x();
    const double y = centre.y();
    return {QRectF(x + g, y - g - h, w, h),
            QRectF(x - g - w, y - g - h, w, h),
            QRectF(x + g, y + g, w, h),
            QRectF(x - g - w, y + g, w, h),
            QRectF(x + g + 1, y - h / 2, w, h),
            QRectF(x - g - 1 - w, y - h / 2, w, h),
            QRectF(x - w / 2, y - g - 1 - h, w, h),
            QRectF(x - w / 2, y + g + 1, w, h)};
}

}  // namespace

QList<QRectF> NumberPlaces(const SheetContent& content, const QList<QSizeF>& sizes) {
    const QRectF canvas(QPointF(0, 0), QSizeF(content.canvas_size));
    const QList<QLineF> grid = GridLines(content);
    const QList<QLineF> sides = OutlineSides(content);
    const double half_side = kOutlineWidth / 2;
    const double dot_reach = kDotDiameter / 2 + kNumberMargin;
    QList<QRectF> places;
    for (qsizetype p = 0; p < content.points.size(); ++p) {
        const std::array<QRectF, 8> boxes = Candidates(Centre(content.points[p]), sizes.value(p));
        QRectF best = boxes[0];
        double best_cost = std::numeric_limits<double>::max();
        for (const QRectF& box : boxes) {
            if (!canvas.contains(box)) continue;
            double cost = 0;
            const QRectF padded =
                box.adjusted(-kNumberMargin, -kNumberMargin, kNumberMargin, kNumberMargin);
            for (const QRectF& other : places) cost += padded.intersects(other) ? 1000 : 0;
            for (const QPoint& point : content.points)
                cost += Near(Centre(point), dot_reach, padded) ? 100 : 0;
            const QRectF wide = padded.adjusted(-half_side, -half_side, half_side, half_side);
            for (const QLineF& side : sides) cost += Crosses(side, wide) ? 10 : 0;
            for (const QLineF& line : grid) cost += Crosses(line, padded) ? 1 : 0;
            if (cost < best_cost) {
                best_cost = cost;
                best = box;
            }
        }
        places << best;
    }
    return places;
}

void Draw(QPainter& painter, const QRectF& place, const SheetContent& content) {
    if (content.canvas_size.isEmpty()) return;
    const double scale = place.width() / content.canvas_size.width();
    const auto at = [&](QPointF canvas_point) { return place.topLeft() + canvas_point * scale; };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(place);
    // the grid: thin lines in the canvas's dash-dot-dot, measured in canvas pixels
    const double grid_width = std::max(1.0, page::Mm(painter, kGridLineMm) * 1.0);
    QPen grid_pen(Qt::black, grid_width, Qt::CustomDashLine, Qt::FlatCap);
    QList<qreal> pattern;
    for (const double length : kDashDotDot) pattern << length * scale / grid_width;
    grid_pen.setDashPattern(pattern);
    painter.setPen(grid_pen);
    for (const QLineF& line : GridLines(content)) painter.drawLine(at(line.p1()), at(line.p2()));
    // the outlines, in their kinds' colours, under the dots
    for (const SheetOutline& outline : content.outlines) {
        painter.setPen(QPen(outline.colour, kOutlineWidth * scale, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        QPolygonF polygon;
        for (const QPoint& v : outline.vertices) polygon << at(Centre(v));
        painter.drawPolygon(polygon);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const double radius = kDotDiameter / 2 * scale;
    for (const QPoint& p : content.points) painter.drawEllipse(at(Centre(p)), radius, radius);
    // the numbers on white, so that a line they cannot avoid does not cross them
    QFont font = page::TextFont();
    font.setPixelSize(std::max(1, qRound(kNumberHeight * scale)));
    painter.setFont(font);
    QList<QSizeF> sizes;
    for (qsizetype p = 0; p < content.points.size(); ++p) {
        const QSizeF size = painter.fontMetrics().size(0, QString::number(p));
        sizes << QSizeF(size.width() / scale, kNumberHeight);
    }
    const QList<QRectF> places = NumberPlaces(content, sizes);
    for (qsizetype p = 0; p < places.size(); ++p) {
        const QRectF box(at(places[p].topLeft()), places[p].size() * scale);
        const double margin = kNumberMargin * scale;
        painter.fillRect(box.adjusted(-margin, -margin, margin, margin), Qt::white);
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignCenter, QString::number(p));
    }
    painter.restore();
}

}  // namespace plane_figures::workspace::sheetcanvas
