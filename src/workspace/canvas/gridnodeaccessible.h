// The grid cursor's node as a screen reader meets it: a focusable item inside
// the canvas whose name is what is said of the node. The canvas keeps two of
// them and moves the focus from one to the other at each change, since a
// screen reader speaks the object that takes the focus, not one that keeps it.
#pragma once

#include <QAccessibleInterface>
#include <QPointer>
#include <QString>

class QWidget;

namespace plane_figures::workspace {

class GridNodeAccessible : public QAccessibleInterface {
public:
    explicit GridNodeAccessible(QWidget* canvas);

    void SetText(const QString& text) { text_ = text; }
    void SetFocused(bool focused) { focused_ = focused; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

private:
    QPointer<QWidget> canvas_;
    QString text_;
    bool focused_ = false;
};

}  // namespace plane_figures::workspace
