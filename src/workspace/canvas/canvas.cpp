#include "canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace plane_figures::workspace {

namespace {

constexpr int kFigureColour = 12;  // light red
constexpr int kFigureWidth = 3;
constexpr int kCursorColour = 13;  // light magenta
constexpr int kCursorHalf = 4;     // a 9 x 9 square around the node

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
void Canvas::PaintOverlays(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (!figure_.isEmpty()) {
        const QColor red = CanvasImage::PaletteColour(kFigureColour);
        painter.setPen(QPen(red, kFigureWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(QPolygon(figure_));
        QFont small = font();
        small.setPixelSize(11);
        painter.setFont(small);
        const QPoint centre = QPolygon(figure_).boundingRect().center();
        for (qsizetype v = 0; v < figure_.size() && v < figure_numbers_.size(); ++v) {
            // outside the figure, clear of the dot and of the sides
            const QPoint out(figure_[v].x() < centre.x() ? -1 : 1,
                             figure_[v].y() < centre.y() ? -1 : 1);
            QRect box(figure_[v] + 10 * out - QPoint(7, 7), QSize(14, 14));
            // kept on the canvas at its edges
            box.moveTo(std::clamp(box.left(), 0, Image().width() - box.width()),
                       std::clamp(box.top(), 0, Image().height() - box.height()));
            painter.drawText(box, Qt::AlignCenter, QString::number(figure_numbers_[v]));
        }
    }
    if (cursor_) {
        painter.setPen(QPen(CanvasImage::PaletteColour(kCursorColour), 1));
        painter.setBrush(Qt::NoBrush);
        const QPoint corner = *cursor_ - QPoint(kCursorHalf, kCursorHalf);
        painter.drawRect(QRect(corner, QSize(2 * kCursorHalf, 2 * kCursorHalf)));
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
