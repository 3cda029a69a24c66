// The canvas as a screen reader sees it: a canvas, not a frame (which it
// would take for a window and not follow the focus into), holding the grid
// cursor's node. Speak() puts a text on the node and moves the focus onto
// it, which a screen reader speaks at once.
#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <array>

namespace plane_figures::workspace {

class GridNodeAccessible;

class CanvasAccessible : public QAccessibleWidget {
public:
    explicit CanvasAccessible(QWidget* canvas);
    ~CanvasAccessible() override;

    // The factory that presents widgets of class Canvas so; installed once.
    static void Install();
    // The canvas's interface, if accessibility presents it so.
    static CanvasAccessible* Of(QWidget* canvas);

    // Say text now, as the focused node of the canvas.
    void Speak(const QString& text);
    // The node gives the focus back to the canvas.
    void Quiet();

    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;

private:
    std::array<GridNodeAccessible*, 2> nodes_{};
    std::array<QAccessible::Id, 2> ids_{};
    int speaking_ = -1;  // the node that has the focus, or -1
};

}  // namespace plane_figures::workspace
