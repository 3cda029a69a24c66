#include "canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "palette.h"

namespace {

constexpr int kFigureColour = 12;  // light red
constexpr int kFigureWidth = 3;
constexpr int kCursorColour = 13;  // light magenta
constexpr int kCursorHalf = 4;     // a 9 x 9 square around the node

Qt::PenStyle PenStyleOf(int draw_style) {
    switch (draw_style) {
        case Canvas::kDash: return Qt::DashLine;
        case Canvas::kDot: return Qt::DotLine;
        case Canvas::kDashDot: return Qt::DashDotLine;
        case Canvas::kDashDotDot: return Qt::DashDotDotLine;
        default: return Qt::SolidLine;
    }
}

}  // namespace

QColor Canvas::PaletteColour(int index) {
    const plane_figures::Rgb c = plane_figures::QBColor(index);
    return QColor(c.r, c.g, c.b);
}

Canvas::Canvas(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

QSize Canvas::sizeHint() const {
    const int frame = 2 * frameWidth();
    return image_.size() + QSize(frame, frame);
}

void Canvas::SetBackColor(const QColor& colour) {
    back_colour_ = colour;
    Cls();
}

void Canvas::Cls() {
    Fit();
    image_.fill(back_colour_);
    update();
}

void Canvas::Fit() {
    if (image_.size() == contentsRect().size()) return;
    QImage resized(contentsRect().size(), QImage::Format_RGB32);
    resized.fill(back_colour_);
    QPainter(&resized).drawImage(0, 0, image_);
    image_ = resized;
}

void Canvas::PSet(QPoint at) { PSet(at, fore_colour_); }

void Canvas::PSet(QPoint at, const QColor& colour) {
    Fit();
    QPainter painter(&image_);
    if (draw_width_ <= 1) {
        painter.fillRect(at.x(), at.y(), 1, 1, colour);
    } else {
        painter.setPen(QPen(colour, 1));
        painter.setBrush(colour);
        const int r = draw_width_ / 2;
        painter.drawEllipse(QRect(at.x() - r, at.y() - r, draw_width_ - 1, draw_width_ - 1));
    }
    current_ = at;
    update();
}

void Canvas::Line(QPoint from, QPoint to, const QColor& colour) {
    Fit();
    QPainter painter(&image_);
    // the line style shows only on one-pixel lines; wider ones are solid
    const bool thin = draw_width_ <= 1;
    QPen pen(colour, thin ? 1 : draw_width_, thin ? PenStyleOf(draw_style_) : Qt::SolidLine,
             thin ? Qt::FlatCap : Qt::SquareCap, Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawLine(QPointF(from), QPointF(to));
    current_ = to;
    update();
}

void Canvas::LineTo(QPoint to, const QColor& colour) { Line(current_, to, colour); }

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
    QImage composed = image_;
    QPainter painter(&composed);
    PaintOverlays(painter);
    return composed;
}

// The chosen figure and the cursor, in whole pixels of the inner area.
void Canvas::PaintOverlays(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (!figure_.isEmpty()) {
        const QColor red = PaletteColour(kFigureColour);
        painter.setPen(QPen(red, kFigureWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(QPolygon(figure_));
        QFont small = font();
        small.setPixelSize(11);
        painter.setFont(small);
        const QPoint centre = QPolygon(figure_).boundingRect().center();
        for (qsizetype v = 0; v < figure_.size() && v < figure_numbers_.size(); ++v) {
            // outside the figure, clear of the dot and of the sides
            const QPoint out(figure_[v].x() < centre.x() ? -1 : 1, figure_[v].y() < centre.y() ? -1 : 1);
            QRect box(figure_[v] + 10 * out - QPoint(7, 7), QSize(14, 14));
            // kept on the canvas at its edges
            box.moveTo(std::clamp(box.left(), 0, image_.width() - box.width()),
                       std::clamp(box.top(), 0, image_.height() - box.height()));
            painter.drawText(box, Qt::AlignCenter, QString::number(figure_numbers_[v]));
        }
    }
    if (cursor_) {
        painter.setPen(QPen(PaletteColour(kCursorColour), 1));
        painter.setBrush(Qt::NoBrush);
        const QPoint corner = *cursor_ - QPoint(kCursorHalf, kCursorHalf);
        painter.drawRect(QRect(corner, QSize(2 * kCursorHalf, 2 * kCursorHalf)));
    }
}

void Canvas::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    // copied pixel for pixel (scaled without smoothing on high-DPI screens)
    painter.drawImage(contentsRect().topLeft(), image_);
    painter.translate(contentsRect().topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), image_.size()));
    PaintOverlays(painter);
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    // a fractional position (high-DPI screens) is the pixel it lies in
    const QPointF inner = event->position() - QPointF(contentsRect().topLeft());
    const QPoint pixel(static_cast<int>(std::floor(inner.x())), static_cast<int>(std::floor(inner.y())));
    // only the drawing area takes points, not the border around it
    if (!QRect(QPoint(0, 0), image_.size()).contains(pixel)) return;
    emit MouseDown(event->button(), event->modifiers(), pixel);
}

// The second press of a double-click is no new press: one double-click
// enters one point.
void Canvas::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }
