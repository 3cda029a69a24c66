// The program's one window: it composes the controls as views of the
// pupil's work (WorkspaceModel), and its event handlers turn clicks into the
// work's steps and draw on the canvas.
#pragma once

#include <QWidget>

#include "figuredrawing.h"
#include "formcontrols.h"
#include "prompts.h"
#include "workspacemodel.h"

namespace plane_figures::workspace {

class CursorDescription;
class ReportExplorer;
class SidePanel;
class TaskCommands;
class WindowCommands;

class MainForm : public QWidget {
    Q_OBJECT

public:
    explicit MainForm(QWidget* parent = nullptr);
    ~MainForm() override;

    // Module state, read-only.
    int PointCount() const { return model_->PointCount(); }
    short GridStep() const { return grid_step_; }
    short CanvasWidth() const { return canvas_width_; }
    float CanvasHeight() const { return canvas_height_; }
    const WorkspaceModel& Model() const { return *model_; }
    // The pupil's task: its panel and commands.
    TaskCommands& Task() { return *task_commands_; }

    // Event handlers.
    void Command1_Click(short index);
    void List1_Click(short index);
    void Picture1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at);

    // Exercise files, and how messages and file names are asked for.
    bool OpenFile(const QString& path);
    bool SaveFile(const QString& path);
    void SetPrompts(Prompts prompts);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Points kept in a file and changed since are not lost without asking.
    void closeEvent(QCloseEvent* event) override;

private:
    static QString TaskTitle();
    static QWidget* Dressed(QWidget* form);
    void ConnectControls();
    void ConnectViews();
    void CreateGridCursor();
    void Form_Load();

    void UpdateDrawButton();
    void ResetWorkspace();
    void DeleteSelectedPoint();
    void RunAnalysis();
    drawing::Ruling Ruling() const {
        return {grid_step_, canvas_width_, static_cast<int>(canvas_height_)};
    }
    void DrawGrid();
    // The canvas as after a deletion: white, the grid, the points in black,
    // the chosen one (after an undo or a redo) light green.
    void RedrawPoints();
    // Space, Enter or Delete on the canvas: a click on the cursor's node, or
    // "Изтрий  1 т.", and what a screen reader hears when nothing came of it.
    void Picture1_KeyEnter(QPoint node);
    void Picture1_KeyDelete();

    WorkspaceModel* model_;  // a child of the window
    FormControls controls_;
    short grid_step_ = 0;
    short canvas_width_ = 0;
    float canvas_height_ = 0;
    SidePanel* side_panel_ = nullptr;                  // a window of its own beside this one
    ReportExplorer* explorer_ = nullptr;               // a child of the report box
    CursorDescription* cursor_description_ = nullptr;  // a child of the canvas
    WindowCommands* commands_ = nullptr;
    TaskCommands* task_commands_ = nullptr;
};

}  // namespace plane_figures::workspace
