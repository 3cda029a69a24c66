// The drawing canvas: a sunken frame around a persistent image that every
// drawing operation paints into and that is copied to the screen on repaint.
// Coordinates are whole pixels of the inner area, origin at its top left.
#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QList>
#include <optional>

class Canvas : public QFrame {
    Q_OBJECT

public:
    // Line styles, by their old numbers.
    enum DrawStyles { kSolid = 0, kDash = 1, kDot = 2, kDashDot = 3, kDashDotDot = 4 };

    explicit Canvas(QWidget* parent = nullptr);

    // Colour index of the classic 16-colour palette.
    static QColor PaletteColour(int index);

    // Size of the inner (drawable) area in pixels.
    int ScaleWidth() const { return contentsRect().width(); }
    int ScaleHeight() const { return contentsRect().height(); }

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

    // Over the image, never into it: one figure, its sides in drawing order
    // and each vertex labelled with its point number.
    void ShowFigure(const QList<QPoint>& vertices, const QList<int>& numbers);
    void HideFigure();
    bool ShowsFigure() const { return !figure_.isEmpty(); }
    // Over the image: the keyboard's cursor, a small square on a grid node.
    void ShowCursor(QPoint node);
    void HideCursor();
    std::optional<QPoint> Cursor() const { return cursor_; }
    // The image with what is drawn over it, as the screen shows it.
    QImage Composed() const;
    QSize sizeHint() const override;

signals:
    // A mouse button went down inside the drawable area, on this pixel.
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Make the image cover the inner area, keeping what it shows.
    void Fit();
    void PaintOverlays(QPainter& painter) const;

    QImage image_;
    QColor back_colour_{Qt::white};
    QColor fore_colour_{Qt::black};
    int draw_width_ = 1;
    int draw_style_ = kSolid;
    QPoint current_;
    QList<QPoint> figure_;
    QList<int> figure_numbers_;
    std::optional<QPoint> cursor_;
};
