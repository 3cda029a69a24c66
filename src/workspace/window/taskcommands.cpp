#include "taskcommands.h"

#include <QAction>

#include "pupiltext.h"
#include "sidepanel.h"
#include "taskpanel.h"
#include "textbox.h"
#include "workspacemodel.h"

namespace plane_figures::workspace {

TaskCommands::TaskCommands(Parts parts)
    : QObject(parts.window), parts_(std::move(parts)), prompts_(Prompts::Dialogs(parts_.window)) {
    AddCommand(tr("Провери"), QStringLiteral("check"), tr("Провери броевете в белите полета (F5)"),
               Qt::Key_F5, &TaskCommands::Check);
    AddCommand(tr("Подсказка"), QStringLiteral("hint"),
               tr("Подсказка за избрания вид, чийто брой не е верен (F6)"), Qt::Key_F6,
               &TaskCommands::Hint);
    AddCommand(tr("Покажи отговорите…"), QStringLiteral("answers"),
               tr("Покажи отговорите на задачата; след това „Чертай“ може да се натиска"),
               QKeySequence(), &TaskCommands::ShowAnswers);
    AddCommand(tr("Напусни задачата"), QStringLiteral("leave"),
               tr("Напусни задачата: точките отново могат да се променят (Ctrl+L)"),
               Qt::CTRL | Qt::Key_L, &TaskCommands::Leave);
    connect(&parts_.model, &WorkspaceModel::TaskChanged, this, &TaskCommands::Follow);
    Follow();
}

QAction* TaskCommands::AddCommand(const QString& text, const QString& name, const QString& tip,
                                  const QKeySequence& key, void (TaskCommands::*run)()) {
    auto* action = new QAction(text, parts_.window);
    action->setObjectName(name);
    action->setToolTip(tip);
    if (!key.isEmpty()) action->setShortcut(key);
    connect(action, &QAction::triggered, this, run);
    parts_.window->addAction(action);
    actions_ << action;
    return action;
}

void TaskCommands::Follow() {
    const session::TaskProgress* task = parts_.model.Task();
    for (QAction* action : actions_) action->setEnabled(task != nullptr);
    if (task == nullptr) {
        if (panel_ == nullptr) return;
        parts_.side_panel->Host(nullptr);
        delete panel_;
        panel_ = nullptr;
        parts_.report->SetMenuActions(parts_.window_actions);
        return;
    }
    if (panel_ == nullptr) {
        panel_ = new TaskPanel({actions_[0], actions_[1], actions_[2]});
        connect(panel_, &TaskPanel::HintKindChosen, &parts_.model, &WorkspaceModel::ChooseHintKind);
        parts_.side_panel->Host(panel_);
        parts_.report->SetMenuActions(parts_.window_actions + actions_);
    }
    panel_->Show(parts_.model.Session());
    actions_[2]->setEnabled(!task->AnswersShown());
    parts_.side_panel->Follow();
}

void TaskCommands::Check() { parts_.model.CheckCounts(); }

void TaskCommands::Hint() { parts_.model.Hint(); }

void TaskCommands::ShowAnswers() {
    const session::TaskProgress* task = parts_.model.Task();
    if (task == nullptr || task->AnswersShown()) return;
    if (!prompts_.confirm(Shown(PupilText().ShowAnswersQuestion()))) return;
    parts_.model.ShowAnswers();
    parts_.draw();  // the program's counts and the report show the answers
}

void TaskCommands::Leave() {
    if (parts_.model.Task() == nullptr || !parts_.may_leave()) return;
    parts_.model.LeaveTask();
}

}  // namespace plane_figures::workspace
