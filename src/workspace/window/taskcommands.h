// The pupil's task in the window: the panel beside it while a task is open,
// and the commands "Провери" (F5), "Подсказка" (F6), "Покажи отговорите…"
// and "Напусни задачата" (Ctrl+L), each a QAction that works anywhere in the
// window and is offered by the report box's menu while a task is open.
#pragma once

#include <QList>
#include <QObject>
#include <functional>

#include "prompts.h"

class QAction;
class QWidget;

namespace plane_figures::workspace {

class SidePanel;
class TaskPanel;
class TextBox;
class WorkspaceModel;

class TaskCommands : public QObject {
    Q_OBJECT

public:
    struct Parts {
        QWidget* window;
        WorkspaceModel& model;
        SidePanel* side_panel;            // hosts the task's panel
        TextBox* report;                  // its menu offers the commands
        QList<QAction*> window_actions;   // the rest of the report box's menu
        std::function<void()> draw;       // "Чертай"
        std::function<bool()> may_leave;  // the work saved, or the pupil does not mind
    };
    explicit TaskCommands(Parts parts);

    void SetPrompts(Prompts prompts) { prompts_ = std::move(prompts); }
    // The task's panel while a task is open, else null.
    const TaskPanel* Panel() const { return panel_; }

    void Check();
    void Hint();
    void ShowAnswers();
    void Leave();

private:
    QAction* AddCommand(const QString& text, const QString& name, const QString& tip,
                        const QKeySequence& key, void (TaskCommands::*run)());
    // A task opened or left, or changed: the panel, the commands, the boxes.
    void Follow();

    Parts parts_;
    Prompts prompts_;
    TaskPanel* panel_ = nullptr;
    QList<QAction*> actions_;
};

}  // namespace plane_figures::workspace
