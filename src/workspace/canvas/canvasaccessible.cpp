#include "canvasaccessible.h"

#include <QWidget>

#include "canvas.h"
#include "gridnodeaccessible.h"

namespace plane_figures::workspace {

namespace {

// Widgets of class Canvas get a CanvasAccessible.
QAccessibleInterface* CanvasFactory(const QString& /*class_name*/, QObject* object) {
    auto* canvas = qobject_cast<Canvas*>(object);
    return canvas ? new CanvasAccessible(canvas) : nullptr;
}

}  // namespace

CanvasAccessible::CanvasAccessible(QWidget* canvas)
    : QAccessibleWidget(canvas, QAccessible::Canvas) {
    for (std::size_t n = 0; n < nodes_.size(); ++n) {
        nodes_[n] = new GridNodeAccessible(canvas);
        ids_[n] = QAccessible::registerAccessibleInterface(nodes_[n]);
    }
}

CanvasAccessible::~CanvasAccessible() {
    for (QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
}

void CanvasAccessible::Install() {
    static const bool installed = (QAccessible::installFactory(CanvasFactory), true);
    Q_UNUSED(installed);
}

CanvasAccessible* CanvasAccessible::Of(QWidget* canvas) {
    return dynamic_cast<CanvasAccessible*>(QAccessible::queryAccessibleInterface(canvas));
}

void CanvasAccessible::Speak(const QString& text) {
    if (speaking_ >= 0) nodes_[static_cast<std::size_t>(speaking_)]->SetFocused(false);
    speaking_ = speaking_ == 0 ? 1 : 0;
    GridNodeAccessible* node = nodes_[static_cast<std::size_t>(speaking_)];
    node->SetText(text);
    node->SetFocused(true);
    QAccessibleEvent focus(node, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void CanvasAccessible::Quiet() {
    if (speaking_ < 0) return;
    nodes_[static_cast<std::size_t>(speaking_)]->SetFocused(false);
    speaking_ = -1;
}

QAccessibleInterface* CanvasAccessible::child(int index) const {
    const int own = QAccessibleWidget::childCount();
    if (index < own) return QAccessibleWidget::child(index);
    const int n = index - own;
    return n < static_cast<int>(nodes_.size()) ? nodes_[static_cast<std::size_t>(n)] : nullptr;
}

int CanvasAccessible::childCount() const {
    return QAccessibleWidget::childCount() + static_cast<int>(nodes_.size());
}

int CanvasAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (std::size_t n = 0; n < nodes_.size(); ++n) {
        if (child == nodes_[n]) return QAccessibleWidget::childCount() + static_cast<int>(n);
    }
    return QAccessibleWidget::indexOfChild(child);
}

QAccessibleInterface* CanvasAccessible::focusChild() const {
    if (speaking_ < 0) return QAccessibleWidget::focusChild();
    return nodes_[static_cast<std::size_t>(speaking_)];
}

}  // namespace plane_figures::workspace
