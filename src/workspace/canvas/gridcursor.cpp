#include "gridcursor.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>
#include <optional>

#include "grid.h"

namespace plane_figures::workspace {

namespace {

// The step (dx, dy) an arrow key takes, or none for any other key.
std::optional<QPoint> ArrowStep(int key) {
    switch (key) {
        case Qt::Key_Left: return QPoint(-1, 0);
        case Qt::Key_Right: return QPoint(1, 0);
        case Qt::Key_Up: return QPoint(0, -1);
        case Qt::Key_Down: return QPoint(0, 1);
        default: return std::nullopt;
    }
}

bool IsEnterKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Keys with Ctrl, Alt or Meta belong to the window, not to the cursor.
bool IsPlain(const QKeyEvent& key) {
    return (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
}

bool IsCursorKey(const QKeyEvent& key) {
    const int k = key.key();
    return IsPlain(key) && (ArrowStep(k) || IsEnterKey(k) || k == Qt::Key_Delete);
}

// The window lost or regained the focus as a whole (another window, a menu).
bool IsWindowFocus(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

}  // namespace

GridCursor::GridCursor(QWidget* canvas, short step)
    : QObject(canvas), canvas_(canvas), step_(step) {
    canvas->installEventFilter(this);
}

void GridCursor::Click(QPoint pixel) {
    const plane_figures::GridPoint node = plane_figures::SnapToNode({pixel.x(), pixel.y()}, step_);
    const QPoint last = LastNode();
    node_ = QPoint(std::clamp(node.x, 0, last.x()), std::clamp(node.y, 0, last.y()));
    if (shown_) emit Moved(node_);
}

bool GridCursor::eventFilter(QObject* watched, QEvent* event) {
    if (watched != canvas_) return false;
    switch (event->type()) {
        case QEvent::FocusIn: FocusIn(static_cast<QFocusEvent*>(event)->reason()); return false;
        case QEvent::FocusOut: FocusOut(static_cast<QFocusEvent*>(event)->reason()); return false;
        case QEvent::ShortcutOverride: return TakeShortcut(static_cast<QKeyEvent*>(event));
        case QEvent::KeyPress: return KeyPress(*static_cast<QKeyEvent*>(event));
        default: return false;
    }
}

// The cursor's keys go to the canvas before any shortcut of the window.
bool GridCursor::TakeShortcut(QKeyEvent* key) {
    if (!IsCursorKey(*key)) return false;
    key->accept();
    return true;
}

// Arrows move the cursor, Space and Enter enter a point at it; while it is
// hidden the first of these keys only shows it. Delete acts either way.
bool GridCursor::KeyPress(const QKeyEvent& key) {
    if (!IsCursorKey(key)) return false;
    if (key.key() == Qt::Key_Delete) {
        emit DeletePressed();
    } else if (!shown_) {
        Show();
    } else if (const std::optional<QPoint> step = ArrowStep(key.key())) {
        Step(step->x(), step->y());
    } else {
        emit EnterPressed(node_);
    }
    return true;
}

void GridCursor::FocusIn(Qt::FocusReason reason) {
    const bool by_keyboard = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
    if (by_keyboard || (IsWindowFocus(reason) && shown_before_leaving_)) Show();
    shown_before_leaving_ = false;
}

void GridCursor::FocusOut(Qt::FocusReason reason) {
    shown_before_leaving_ = IsWindowFocus(reason) && shown_;
    Hide();
}

void GridCursor::Show() {
    shown_ = true;
    emit Moved(node_);
}

void GridCursor::Hide() {
    if (!shown_) return;
    shown_ = false;
    emit Hidden();
}

void GridCursor::Step(int dx, int dy) {
    const QPoint next = node_ + QPoint(dx * step_, dy * step_);
    const QPoint last = LastNode();
    if (next.x() < 0 || next.y() < 0 || next.x() > last.x() || next.y() > last.y()) {
        emit Blocked(node_);
        return;
    }
    node_ = next;
    emit Moved(node_);
}

// the last node inside the drawing area, the canvas's frame left out
QPoint GridCursor::LastNode() const {
    const QSize area = canvas_->contentsRect().size();
    return QPoint((area.width() - 1) / step_ * step_, (area.height() - 1) / step_ * step_);
}

}  // namespace plane_figures::workspace
