// The window's design units, colours and small helpers for building controls.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace plane_figures::workspace {

namespace windowlayout {

// The layout is designed in twips; 15 twips make one pixel at 96 dpi.
constexpr int Px(int twips) { return (twips + 7) / 15; }
inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

inline const QColor kWindowColour(128, 128, 255);
inline const QColor kHeadingColour(255, 192, 128);
inline const QColor kShapeRowColour(255, 128, 0);
inline const QColor kFrameColour(192, 192, 255);

// Paint the widget's own background in colour.
void SetBackground(QWidget* widget, const QColor& colour);

// A label with a background colour, its text aligned to the top.
QLabel* MakeLabel(QWidget* parent, const QString& caption, const QRect& place, const QColor& colour,
                  Qt::Alignment alignment);

}  // namespace windowlayout

}  // namespace plane_figures::workspace
