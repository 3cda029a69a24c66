// The pupil's task beside the window: what to do, the buttons "Провери",
// "Подсказка" and "Покажи отговорите", the last check's verdict on each
// kind, the kind a hint is for, what was last said, and how many checks and
// hints were used. A view of the model's task: the window fills it and acts
// on its buttons. Its texts are also its accessible names and descriptions,
// so that a screen reader hears a verdict or a hint when it comes.
#pragma once

#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QPushButton;

namespace plane_figures::session {
class PupilSession;
}

namespace plane_figures::workspace {

class TaskPanel : public QWidget {
    Q_OBJECT

public:
    // The window's commands its buttons give: "Провери", "Подсказка" and
    // "Покажи отговорите".
    struct Commands {
        QAction* check;
        QAction* hint;
        QAction* answers;
    };
    explicit TaskPanel(const Commands& commands, QWidget* parent = nullptr);

    // The session's task: its variant, verdicts, the kinds a hint may be
    // for with the one it is for, what it said last and the tally.
    void Show(const session::PupilSession& session);
    QString Said() const;
    QString Verdicts() const;
    // The kind the list shows for a hint; -1 when no kind was found wrong.
    int HintKind() const;

    // As wide whatever it says (its buttons stay under the mouse), as high
    // as its texts need at that width.
    QSize sizeHint() const override;

signals:
    // The pupil chose another kind in the list.
    void HintKindChosen(int kind);

private:
    static void Announce(QLabel* label, const QString& text);

    QLabel* heading_;
    QLabel* instruction_;
    QLabel* verdicts_;
    QComboBox* hint_kind_;
    QLabel* said_;
    QLabel* tally_;
    QPushButton* answers_;
    int width_ = 0;
};

}  // namespace plane_figures::workspace
