#include "canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "numberplace.h"
#include "palette.h"

namespace plane_figures::workspace {

namespace {

constexpr int kFigureWidth = 3;
constexpr int kCursorHalf = 4;    // a 9 x 9 square around the node
constexpr int kLabelPixels = 13;  // a vertex number, bold: read at a glance

}  // namespace

Canvas::Canvas(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

QSize Canvas::sizeHint() const {
    const int frame = 2 * frameWidth();
    return Image().size() + QSize(frame, frame);
}

CanvasImage& Canvas::Picture() {
    picture_.Resize(contentsRect().size());
    update();
    return picture_;
}

void Canvas::ShowFigure(const QList<QPoint>& vertices, const QList<int>& numbers) {
    figure_ = vertices;
    figure_numbers_ = numbers;
    update();
}

void Canvas::HideFigure() {
    if (figure_.isEmpty()) return;
    figure_.clear();
    figure_numbers_.clear();
    update();
}

void Canvas::ShowCursor(QPoint node) {
    cursor_ = node;
    update();
}

void Canvas::HideCursor() {
    if (!cursor_) return;
    cursor_.reset();
    update();
}

QImage Canvas::Composed() const {
    QImage composed = Image();
    QPainter painter(&composed);
    PaintOverlays(painter);
    return composed;
}

// The chosen figure and the cursor, in whole pixels of the inner area.
QFont Canvas::LabelFont() const {
    QFont label = font();
    label.setPixelSize(kLabelPixels);
    label.setBold(true);
    return label;
}

// Where each vertex's number goes: away from the figure's middle, each on
// its own, by the rule the sheets' numbers follow.
QList<QRect> Canvas::LabelPlaces() const {
    QList<QRect> places;
    const QFontMetrics metrics(LabelFont());
    const QPoint centre = QPolygon(figure_).boundingRect().center();
    drawing::NumberSurroundings on_the_canvas;  // and nothing else to keep clear of
    on_the_canvas.canvas = Image().size();
    for (qsizetype v = 0; v < figure_.size() && v < figure_numbers_.size(); ++v) {
        const QPoint away(figure_[v].x() < centre.x() ? -1 : 1,
                          figure_[v].y() < centre.y() ? -1 : 1);
        const QSize size = metrics.size(0, QString::number(figure_numbers_[v])) + QSize(2, 0);
        places << drawing::PlaceNumber(figure_[v], size, away, on_the_canvas);
    }
    return places;
}

// The cursor's square around its node, moved wholly onto the canvas at its edges.
std::optional<QRect> Canvas::CursorPlace() const {
    if (!cursor_) return std::nullopt;
    const int side = 2 * kCursorHalf + 1;  // a 1-pixel pen draws the rectangle's far edges too
    const QPoint corner(std::clamp(cursor_->x() - kCursorHalf, 0, Image().width() - side),
                        std::clamp(cursor_->y() - kCursorHalf, 0, Image().height() - side));
    return QRect(corner, QSize(side, side));
}

// The chosen figure and the cursor, in whole pixels of the inner area.
void Canvas::PaintOverlays(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (!figure_.isEmpty()) {
        const QColor red = CanvasImage::PaletteColour(kChosenFigure);
        painter.setPen(QPen(red, kFigureWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(QPolygon(figure_));
        painter.setFont(LabelFont());
        const QList<QRect> places = LabelPlaces();
        for (qsizetype v = 0; v < places.size(); ++v)
            painter.drawText(places[v], Qt::AlignCenter, QString::number(figure_numbers_[v]));
    }
    if (const std::optional<QRect> place = CursorPlace()) {
        painter.setPen(QPen(CanvasImage::PaletteColour(kCursor), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(place->adjusted(0, 0, -1, -1));
    }
}

void Canvas::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    // copied pixel for pixel (scaled without smoothing on high-DPI screens)
    painter.drawImage(contentsRect().topLeft(), Image());
    painter.translate(contentsRect().topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), Image().size()));
    PaintOverlays(painter);
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    // a fractional position (high-DPI screens) is the pixel it lies in
    const QPointF inner = event->position() - QPointF(contentsRect().topLeft());
    const QPoint pixel(static_cast<int>(std::floor(inner.x())),
                       static_cast<int>(std::floor(inner.y())));
    // only the drawing area takes points, not the border around it
    if (!QRect(QPoint(0, 0), Image().size()).contains(pixel)) return;
    emit MouseDown(event->button(), event->modifiers(), pixel);
}

// The second press of a double-click is no new press: one double-click
// enters one point.
void Canvas::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

}  // namespace plane_figures::workspace
