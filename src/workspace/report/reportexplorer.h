// Choosing a line of the report box shows its figure on the canvas, and the
// reason for its kind in the side panel beside the window and to screen readers.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include "analysisresult.h"

namespace plane_figures::workspace {

class Canvas;
class SidePanel;
class TextBox;
class WorkspaceModel;

class ReportExplorer : public QObject {
    Q_OBJECT

public:
    // Explore the report that report shows of model's result; the reason
    // shows in a section of its own of panel.
    ReportExplorer(TextBox* report, Canvas* canvas, const WorkspaceModel& model, SidePanel* panel);

    // Choose report line n (the header is line 0); a line that names no
    // figure, or -1, chooses none.
    void Choose(int line);
    // Show figure over the canvas and why it is its kind, as a chosen line
    // shows its figure, with no line chosen (a hint of the pupil's task).
    void ShowFigure(const plane_figures::Figure& figure);
    // The chosen line, -1 when none is.
    int ChosenLine() const { return chosen_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool KeyPressed(int key);
    // The line the keys move from: the chosen one, else the cursor's.
    int CurrentLine() const;
    int PageLines() const;
    void MoveCursor(int line, bool select);
    void ShowChoice(const plane_figures::Figure* figure);
    void Announce();
    void SelectTo(QPoint at);

    TextBox* report_;
    QObject* viewport_;  // compared only: it may be on its way out
    Canvas* canvas_;
    const WorkspaceModel& model_;
    SidePanel* panel_;
    int reason_section_;
    int chosen_ = -1;
    QPoint pressed_at_;                  // in the viewport
    bool selecting_from_press_ = false;  // the press was the explorer's
    QString reason_;
};

}  // namespace plane_figures::workspace
