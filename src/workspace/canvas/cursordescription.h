// What a screen reader hears of the grid cursor: while it shows, the canvas's
// accessible description tells the cursor's node and the points on it, after
// what has just happened there ("Въведена е точка 3. X 60, Y 80, точка 3"),
// and each change is spoken: the focus moves onto the canvas's node named
// with the new text. While it is hidden the canvas keeps its own
// description.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <optional>

class QWidget;

namespace plane_figures::workspace {

class WorkspaceModel;

class CursorDescription : public QObject {
    Q_OBJECT

public:
    CursorDescription(QWidget* canvas, const WorkspaceModel& model);

    // The cursor shows on node.
    void Follow(QPoint node);
    // The cursor is hidden.
    void Leave();
    // An arrow key would have taken the cursor off the grid.
    void AtEdge();
    // A point was asked for, but the set is full.
    void EntryRefused();
    // Delete was pressed with no point selected.
    void NothingToDelete();

private:
    // The news, then the cursor's node and its points.
    void Say(const QString& news);
    void Describe(const QString& text);
    // Has a screen reader speak the latest text said.
    void Speak();

    QWidget* canvas_;
    const WorkspaceModel& model_;
    std::optional<QPoint> node_;  // none while the cursor is hidden
    QString own_text_;
    std::optional<QString> to_speak_;  // said, not yet spoken
};

}  // namespace plane_figures::workspace
