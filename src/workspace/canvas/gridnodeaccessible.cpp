#include "gridnodeaccessible.h"

#include <QAccessible>
#include <QWidget>

namespace plane_figures::workspace {

GridNodeAccessible::GridNodeAccessible(QWidget* canvas) : canvas_(canvas) {}

bool GridNodeAccessible::isValid() const { return !canvas_.isNull(); }

QWindow* GridNodeAccessible::window() const {
    return canvas_ ? canvas_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* GridNodeAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(canvas_.data());
}

QString GridNodeAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? text_ : QString();
}

// The whole canvas, in screen coordinates.
QRect GridNodeAccessible::rect() const {
    if (!canvas_) return {};
    return {canvas_->mapToGlobal(QPoint(0, 0)), canvas_->size()};
}

QAccessible::State GridNodeAccessible::state() const {
    QAccessible::State state;
    state.focusable = true;
    state.selectable = true;
    state.focused = focused_;
    state.selected = focused_;
    state.invisible = !focused_;
    return state;
}

}  // namespace plane_figures::workspace
