#include "numberplace.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

namespace plane_figures::workspace::drawing {

namespace {

// Beyond half the box, from the dot to the middle of a box at a corner
// (sideways, up or down) and of a box at a side.
constexpr QPoint kCornerGap(4, 3);
constexpr QPoint kSideGap(5, 5);

// A box of size, its middle (in whole pixels) at dot + direction × (half the
// box + gap).
QRect Beside(QPoint dot, QSize size, QPoint direction, QPoint gap) {
    QRect box(QPoint(0, 0), size);
    box.moveCenter(dot + QPoint(direction.x() * (size.width() / 2 + gap.x()),
                                direction.y() * (size.height() / 2 + gap.y())));
    return box;
}

// A box at a side, moved along the canvas's edge onto it where it crosses
// the edge beside the dot: at a dot on the top edge, the right side's box
// lies down the edge, not half above the canvas.
QRect AtSide(QPoint dot, QSize size, QPoint direction, QSize canvas) {
    QRect box = Beside(dot, size, direction, kSideGap);
    if (direction.x() != 0)
        box.moveTop(std::max(0, std::min(box.top(), canvas.height() - size.height())));
    else
        box.moveLeft(std::max(0, std::min(box.left(), canvas.width() - size.width())));
    return box;
}

std::array<QRect, 8> Candidates(QPoint dot, QSize size, QPoint toward, QSize canvas) {
    const int x = toward.x();
    const int y = toward.y();
    return {Beside(dot, size, {x, y}, kCornerGap),  Beside(dot, size, {-x, y}, kCornerGap),
            Beside(dot, size, {x, -y}, kCornerGap), Beside(dot, size, {-x, -y}, kCornerGap),
            AtSide(dot, size, {1, 0}, canvas),      AtSide(dot, size, {-1, 0}, canvas),
            AtSide(dot, size, {0, -1}, canvas),     AtSide(dot, size, {0, 1}, canvas)};
}

bool Crosses(const QLineF& line, const QRectF& box) {
    if (box.contains(line.p1()) || box.contains(line.p2())) return true;
    const std::array<QLineF, 4> edges{
        QLineF(box.topLeft(), box.topRight()), QLineF(box.topRight(), box.bottomRight()),
        QLineF(box.bottomRight(), box.bottomLeft()), QLineF(box.bottomLeft(), box.topLeft())};
    return std::any_of(edges.begin(), edges.end(), [&](const QLineF& edge) {
        return line.intersects(edge, nullptr) == QLineF::BoundedIntersection;
    });
}

// whether box comes within reach of middle
bool Near(QPointF middle, double reach, const QRectF& box) {
    const double dx = std::max({box.left() - middle.x(), 0.0, middle.x() - box.right()});
    const double dy = std::max({box.top() - middle.y(), 0.0, middle.y() - box.bottom()});
    return dx * dx + dy * dy < reach * reach;
}

double Cost(const QRect& box, const NumberSurroundings& around) {
    const double m = around.margin;
    const QRectF padded = QRectF(box).adjusted(-m, -m, m, m);
    double cost = 0;
    for (const QRect& number : around.numbers) {
        if (padded.intersects(number)) cost += box.intersects(number) ? 1000 : 100;
    }
    for (const QPointF& dot : around.dots)
        cost += Near(dot, around.dot_radius + m, padded) ? 100 : 0;
    const double s = around.side_width / 2;
    const QRectF wide = padded.adjusted(-s, -s, s, s);
    for (const QLineF& side : around.sides) cost += Crosses(side, wide) ? 10 : 0;
    for (const QLineF& line : around.grid) cost += Crosses(line, padded) ? 1 : 0;
    return cost;
}

// The first corner turned back from the edges it crosses, then moved onto the canvas.
QRect Fallback(QPoint dot, QSize size, QPoint toward, const QRect& canvas) {
    QPoint direction = toward;
    const QRect first = Beside(dot, size, direction, kCornerGap);
    if (first.left() < canvas.left() || first.right() > canvas.right())
        direction.rx() = -direction.x();
    if (first.top() < canvas.top() || first.bottom() > canvas.bottom())
        direction.ry() = -direction.y();
    QRect box = Beside(dot, size, direction, kCornerGap);
    box.moveTo(std::max(0, std::min(box.left(), canvas.width() - box.width())),
               std::max(0, std::min(box.top(), canvas.height() - box.height())));
    return box;
}

}  // namespace

QRect PlaceNumber(QPoint dot, QSize size, QPoint toward, const NumberSurroundings& around) {
    const QRect canvas(QPoint(0, 0), around.canvas);
    std::optional<QRect> best;
    double best_cost = std::numeric_limits<double>::max();
    for (const QRect& box : Candidates(dot, size, toward, around.canvas)) {
        if (!canvas.contains(box)) continue;
        const double cost = Cost(box, around);
        if (cost < best_cost) {
            best_cost = cost;
            best = box;
        }
    }
    return best ? *best : Fallback(dot, size, toward, canvas);
}

QList<QRect> PlaceNumbers(const QList<QPoint>& dots, const QList<QSize>& sizes, QPoint toward,
                          NumberSurroundings around) {
    QList<QRect> places;
    for (qsizetype p = 0; p < dots.size(); ++p) {
        places << PlaceNumber(dots[p], sizes.value(p), toward, around);
        around.numbers << places.last();
    }
    return places;
}

}  // namespace plane_figures::workspace::drawing
