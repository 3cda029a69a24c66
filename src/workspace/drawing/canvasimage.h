// The canvas's persistent picture: an image that every drawing operation
// paints into, with the pen state the operations share (line width and
// style, the background colour, the end of the last line). Whole pixels,
// origin at the top left.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>

namespace plane_figures::workspace {

class CanvasImage {
public:
    // Line styles, by their old numbers.
    enum DrawStyles { kSolid = 0, kDashDotDot = 4 };

    explicit CanvasImage(QSize size = {});

    // Colour index of the classic 16-colour palette.
    static QColor PaletteColour(int index);

    // Make the image this size, keeping what it shows.
    void Resize(QSize size);
    int ScaleWidth() const { return image_.width(); }
    int ScaleHeight() const { return image_.height(); }

    // Setting the background colour also erases the image.
    void SetBackColor(const QColor& colour);
    // Fill the whole image with the background colour.
    void Cls();

    void SetDrawWidth(int width) { draw_width_ = width; }
    int DrawWidth() const { return draw_width_; }
    void SetDrawStyle(int style) { draw_style_ = style; }

    // A dot DrawWidth pixels across centred on the point, in the foreground
    // colour or the colour given.
    void PSet(QPoint at);
    void PSet(QPoint at, const QColor& colour);
    // A line between two points; LineTo goes on from the end of the last one.
    void Line(QPoint from, QPoint to, const QColor& colour);
    void LineTo(QPoint to, const QColor& colour);

    const QImage& Image() const { return image_; }

private:
    QImage image_;
    QColor back_colour_{Qt::white};
    QColor fore_colour_{Qt::black};
    int draw_width_ = 1;
    int draw_style_ = kSolid;
    QPoint current_;
};

}  // namespace plane_figures::workspace
