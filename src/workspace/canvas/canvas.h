// The drawing canvas: a sunken frame around its persistent picture, which
// is copied to the screen on repaint, with what is drawn over it.
// Coordinates are whole pixels of the inner area, origin at its top left.
#pragma once

#include <QFrame>
#include <QImage>
#include <QList>
#include <optional>

#include "canvasimage.h"

namespace plane_figures::workspace {

class Canvas : public QFrame {
    Q_OBJECT

public:
    explicit Canvas(QWidget* parent = nullptr);

    // Size of the inner (drawable) area in pixels.
    int ScaleWidth() const { return contentsRect().width(); }
    int ScaleHeight() const { return contentsRect().height(); }

    // The picture to draw into, covering the inner area; the screen shows
    // what is drawn at the next repaint.
    CanvasImage& Picture();
    void SetDrawWidth(int width) { Picture().SetDrawWidth(width); }
    int DrawWidth() const { return picture_.DrawWidth(); }
    void SetDrawStyle(int style) { Picture().SetDrawStyle(style); }
    void PSet(QPoint at) { Picture().PSet(at); }

    const QImage& Image() const { return picture_.Image(); }

    // Over the image, never into it: one figure, its sides in drawing order
    // and each vertex labelled with its point number.
    void ShowFigure(const QList<QPoint>& vertices, const QList<int>& numbers);
    void HideFigure();
    bool ShowsFigure() const { return !figure_.isEmpty(); }
    // Over the image: the keyboard's cursor, a small square on a grid node.
    void ShowCursor(QPoint node);
    void HideCursor();
    std::optional<QPoint> Cursor() const { return cursor_; }
    // Where the figure's vertex numbers and the cursor are drawn, in pixels
    // of the inner area.
    QList<QRect> LabelPlaces() const;
    std::optional<QRect> CursorPlace() const;
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
    QFont LabelFont() const;
    void PaintOverlays(QPainter& painter) const;

    CanvasImage picture_;
    QList<QPoint> figure_;
    QList<int> figure_numbers_;
    std::optional<QPoint> cursor_;
};

}  // namespace plane_figures::workspace
