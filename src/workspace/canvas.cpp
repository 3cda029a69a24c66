#include "canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "numtext.h"

namespace {

// nearest whole pixel of a canvas coordinate
int Pixel(float v) { return static_cast<int>(plane_figures::RoundHalfEven(v)); }

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

void Canvas::PSet(float x, float y) { PSet(x, y, fore_colour_); }

void Canvas::PSet(float x, float y, const QColor& colour) {
    Fit();
    QPainter painter(&image_);
    const int px = Pixel(x);
    const int py = Pixel(y);
    if (draw_width_ <= 1) {
        painter.fillRect(px, py, 1, 1, colour);
    } else {
        painter.setPen(QPen(colour, 1));
        painter.setBrush(colour);
        const int r = draw_width_ / 2;
        painter.drawEllipse(QRect(px - r, py - r, draw_width_ - 1, draw_width_ - 1));
    }
    current_x_ = x;
    current_y_ = y;
    update();
}

void Canvas::Line(float x1, float y1, float x2, float y2, const QColor& colour) {
    Fit();
    QPainter painter(&image_);
    // the line style shows only on one-pixel lines; wider ones are solid
    const bool thin = draw_width_ <= 1;
    QPen pen(colour, thin ? 1 : draw_width_, thin ? PenStyleOf(draw_style_) : Qt::SolidLine,
             thin ? Qt::FlatCap : Qt::SquareCap, Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    current_x_ = x2;
    current_y_ = y2;
    update();
}

void Canvas::LineTo(float x2, float y2, const QColor& colour) {
    Line(current_x_, current_y_, x2, y2, colour);
}

void Canvas::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    // copied pixel for pixel (scaled without smoothing on high-DPI screens)
    painter.drawImage(contentsRect().topLeft(), image_);
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    const QPointF inner = event->position() - QPointF(contentsRect().topLeft());
    if (!QRectF(QPointF(0, 0), QSizeF(image_.size())).contains(inner)) return;
    // a fractional position (high-DPI screens) is the pixel it lies in
    emit MouseDown(static_cast<int>(event->button()), event->modifiers().toInt(),
                   std::floor(static_cast<float>(inner.x())),
                   std::floor(static_cast<float>(inner.y())));
}
