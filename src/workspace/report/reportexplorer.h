// Choosing a line of the report box chooses it in the session; the figure the
// session shows (a chosen line's or a hint's) is drawn over the canvas, and
// the reason for its kind in the side panel beside the window and to screen
// readers.
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
    ReportExplorer(TextBox* report, Canvas* canvas, WorkspaceModel& model, SidePanel* panel);

    // Choose report line n (the header is line 0) in the session, the box's
    // cursor moved to it; a line that names no figure, or -1, chooses none.
    void Choose(int line);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool KeyPressed(int key);
    // The line the keys move from: the chosen one, else the cursor's.
    int CurrentLine() const;
    int PageLines() const;
    void MoveCursor(int line, bool select);
    void ShowChoice();
    void Announce();
    void SelectTo(QPoint at);

    TextBox* report_;
    QObject* viewport_;  // compared only: it may be on its way out
    Canvas* canvas_;
    WorkspaceModel& model_;
    SidePanel* panel_;
    int reason_section_;
    QPoint pressed_at_;                  // in the viewport
    bool selecting_from_press_ = false;  // the press was the explorer's
    QString reason_;
};

}  // namespace plane_figures::workspace
