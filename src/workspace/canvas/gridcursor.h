// The keyboard's cursor on the canvas's grid: the node it is on, whether it
// shows, and the keys that move it and act at it. It watches the canvas's
// focus and keys and tells what happens by its signals; it draws nothing.
#pragma once

#include <QObject>
#include <QPoint>

class QKeyEvent;
class QWidget;

namespace plane_figures::workspace {

class GridCursor : public QObject {
    Q_OBJECT

public:
    // The node the cursor starts on.
    static constexpr QPoint kStart{140, 120};

    // Watch canvas, whose grid nodes lie every step pixels from its top left
    // corner; the cursor is a child of the canvas.
    GridCursor(QWidget* canvas, short step);

public slots:
    // A mouse button went down on this pixel of the canvas: the cursor goes to
    // its nearest node, the way a point snaps, whether it shows or not.
    void Click(QPoint pixel);

signals:
    // The cursor shows on this node: it has just appeared or moved there.
    void Moved(QPoint node);
    void Hidden();
    // An arrow key would take the cursor off the grid; it stays on node.
    void Blocked(QPoint node);
    // Space or Enter: a point is asked for at node.
    void EnterPressed(QPoint node);
    // Delete: the selected point is to be deleted.
    void DeletePressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool TakeShortcut(QKeyEvent* key);
    bool KeyPress(const QKeyEvent& key);
    void FocusIn(Qt::FocusReason reason);
    void FocusOut(Qt::FocusReason reason);
    void Show();
    void Hide();
    // One node in direction (dx, dy), or Blocked at the edge of the grid.
    void Step(int dx, int dy);
    // The last node of the grid in each direction.
    QPoint LastNode() const;

    QWidget* canvas_;
    short step_;
    QPoint node_ = kStart;
    bool shown_ = false;
    // shown when the window lost the focus, to show again when it comes back
    bool shown_before_leaving_ = false;
};

}  // namespace plane_figures::workspace
