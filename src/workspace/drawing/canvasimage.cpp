#include "canvasimage.h"

#include <QPainter>

#include "palette.h"

namespace plane_figures::workspace {

CanvasImage::CanvasImage(QSize size) { Resize(size); }

QColor CanvasImage::PaletteColour(int index) {
    const Rgb c = QBColor(index);
    return QColor(c.r, c.g, c.b);
}

void CanvasImage::Resize(QSize size) {
    if (!image_.isNull() && image_.size() == size) return;
    QImage resized(size, QImage::Format_RGB32);
    resized.fill(back_colour_);
    if (!image_.isNull()) QPainter(&resized).drawImage(0, 0, image_);
    image_ = resized;
}

void CanvasImage::SetBackColor(const QColor& colour) {
    back_colour_ = colour;
    Cls();
}

void CanvasImage::Cls() { image_.fill(back_colour_); }

void CanvasImage::PSet(QPoint at) { PSet(at, fore_colour_); }

void CanvasImage::PSet(QPoint at, const QColor& colour) {
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
}

void CanvasImage::Line(QPoint from, QPoint to, const QColor& colour) {
    QPainter painter(&image_);
    // the line style shows only on one-pixel lines; wider ones are solid
    const bool thin = draw_width_ <= 1;
    const Qt::PenStyle style =
        thin && draw_style_ == kDashDotDot ? Qt::DashDotDotLine : Qt::SolidLine;
    painter.setPen(QPen(colour, thin ? 1 : draw_width_, style, thin ? Qt::FlatCap : Qt::SquareCap,
                        Qt::MiterJoin));
    painter.drawLine(QPointF(from), QPointF(to));
    current_ = to;
}

void CanvasImage::LineTo(QPoint to, const QColor& colour) { Line(current_, to, colour); }

}  // namespace plane_figures::workspace
