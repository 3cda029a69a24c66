// The drawing canvas: a sunken frame around a persistent image that every
// drawing operation paints into and that is copied to the screen on repaint.
// Coordinates are pixels of the inner area, origin at its top left.
#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>

class Canvas : public QFrame {
    Q_OBJECT

public:
    // Line styles, by their old numbers.
    enum DrawStyles { kSolid = 0, kDash = 1, kDot = 2, kDashDot = 3, kDashDotDot = 4 };

    explicit Canvas(QWidget* parent = nullptr);

    // Size of the inner (drawable) area in pixels.
    double ScaleWidth() const { return contentsRect().width(); }
    double ScaleHeight() const { return contentsRect().height(); }

    // Setting the background colour also erases the image.
    void SetBackColor(const QColor& colour);
    // Fill the whole image with the background colour.
    void Cls();

    void SetDrawWidth(int width) { draw_width_ = width; }
    int DrawWidth() const { return draw_width_; }
    void SetDrawStyle(int style) { draw_style_ = style; }

    // A dot DrawWidth pixels across centred on (x, y), in the foreground colour
    // or the colour given.
    void PSet(float x, float y);
    void PSet(float x, float y, const QColor& colour);
    // A line from (x1, y1) to (x2, y2); LineTo goes on from the end of the last one.
    void Line(float x1, float y1, float x2, float y2, const QColor& colour);
    void LineTo(float x2, float y2, const QColor& colour);

    const QImage& Image() const { return image_; }
    QSize sizeHint() const override;

signals:
    // A mouse button went down inside the drawable area, at whole pixel x, y.
    void MouseDown(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Make the image cover the inner area, keeping what it shows.
    void Fit();

    QImage image_;
    QColor back_colour_;
    QColor fore_colour_{Qt::black};
    int draw_width_ = 1;
    int draw_style_ = kSolid;
    float current_x_ = 0;
    float current_y_ = 0;
};
