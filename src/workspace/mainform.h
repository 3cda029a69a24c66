// The program's one window: it composes the canvas, the point lists, the
// count frame and the report box over the points and the analysis, and
// handles the window's events.
#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <span>

#include "analysisresult.h"
#include "figureanalysis.h"
#include "pointset.h"
#include "worksheet.h"
#include "prompts.h"
#include "workspacestate.h"

class Canvas;
class CountFrame;
class CursorDescription;
class GridCursor;
class ListBox;
class PointLists;
class ReportExplorer;
class TextBox;
class QAction;
class QLabel;
class QPushButton;
class QStyle;
class QUndoStack;

class MainForm : public QWidget {
    Q_OBJECT

public:
    explicit MainForm(QWidget* parent = nullptr);
    ~MainForm() override;

    // Module state, read-only.
    int PointCount() const { return points_.Size(); }
    short GridStep() const { return grid_step_; }
    short CanvasWidth() const { return canvas_width_; }
    float CanvasHeight() const { return canvas_height_; }
    const plane_figures::PointSet& Points() const { return points_; }
    const plane_figures::AnalysisRegisters& Registers() const { return analysis_.Registers(); }
    // The report line chosen on the report box, and why its figure is its kind.
    const ReportExplorer& Explorer() const { return *explorer_; }

    // Event handlers.
    void Command1_Click(short index);
    void List1_Click(short index);
    void Picture1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at);

    // Exercise files. Opening replaces the points as "Изчисти" and a click on
    // each point in file order would, as one undoable step; a refused file
    // changes nothing. Saving writes the points whole or not at all. Both
    // return false when they did not happen, after telling the pupil why.
    bool OpenFile(const QString& path);
    bool SaveFile(const QString& path);
    // How messages are shown and file names asked for (dialogs by default).
    void SetPrompts(Prompts prompts) { prompts_ = std::move(prompts); }

    // Undo: the state a step changes, and how the window shows it again
    // (lists and marks from the points, the canvas redrawn as after a
    // deletion, the report and counts when the state holds them).
    WorkspaceState State(bool with_report) const;
    void Restore(const WorkspaceState& state);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateControls();
    void CreateLists();
    void CreateButtons();
    void NameControls();
    void SetTabOrder();
    void Form_Load();

    void UpdateDrawButton();
    void ResetWorkspace();
    void DeleteSelectedPoint();
    void RunAnalysis();
    void DrawGrid() { DrawGrid(*Picture1); }
    void DrawGrid(Canvas& canvas) const;
    // Mark every point in black, the one at highlighted_row in light green.
    void MarkPoints(int highlighted_row) { MarkPoints(*Picture1, highlighted_row); }
    void MarkPoints(Canvas& canvas, int highlighted_row) const;
    // The canvas as after a deletion: white, the grid, the points in black.
    void RedrawPoints(Canvas& canvas) const;
    // Closed outline of a quadrilateral, in its drawing order, in palette colour.
    void OutlineQuadrilateral(const plane_figures::Figure& figure, int colour);
    // Hook for a reported triangle of kind code 1..3: triangles are not drawn.
    void OutlineTriangle(int kind_code);

    // The window's commands: open, save, undo, redo, help, with their keys,
    // also offered by the report box's context menu.
    void CreateActions();
    void ChooseAndOpen();
    void ClearAndClick(std::span<const plane_figures::GridPoint> points);
    void ChooseAndSave();
    void ShowHelp();
    // The answer sheet (all the window shows) and the worksheet (the points
    // only), printed or exported as PDF, or their canvas as PNG.
    SheetContent SheetOf(Worksheet::Sheet sheet) const;
    QImage CanvasWithoutFindings() const;
    void PrintSheet(Worksheet::Sheet sheet);
    void ExportSheet(Worksheet::Sheet sheet);
    void PrintAnswers() { PrintSheet(Worksheet::Sheet::kAnswerSheet); }
    void PrintWorksheet() { PrintSheet(Worksheet::Sheet::kWorksheet); }
    void ExportAnswers() { ExportSheet(Worksheet::Sheet::kAnswerSheet); }
    void ExportWorksheet() { ExportSheet(Worksheet::Sheet::kWorksheet); }
    // Push the step just done, from before to now, unless steps are not
    // recorded or it changed nothing.
    void Record(const QString& text, const WorkspaceState& before);
    // The grid cursor: the canvas's keys, and what a screen reader hears.
    void CreateGridCursor();
    void Picture1_KeyEnter(QPoint node);
    void Picture1_KeyDelete();

    plane_figures::PointSet points_;
    plane_figures::FigureAnalysis analysis_;
    short grid_step_ = 0;
    short canvas_width_ = 0;
    float canvas_height_ = 0;

    // Controls, by the names and indices of their roles.
    std::array<QLabel*, 5> Label1{};
    Canvas* Picture1 = nullptr;
    std::array<ListBox*, 4> List1{};  // 0 X, 1 Y, 2 hidden sorter, 3 point numbers
    ListBox* List2 = nullptr;         // hidden trace of the quadrilateral measurement
    CountFrame* Frame1 = nullptr;
    std::array<QPushButton*, 3> Command1{};
    std::array<TextBox*, 2> Text1{};  // 0 the report, 1 a hidden quotation

    std::unique_ptr<PointLists> point_lists_;
    ReportExplorer* explorer_ = nullptr;  // owned by the report box
    std::unique_ptr<QStyle> button_style_;

    QUndoStack* undo_stack_ = nullptr;
    bool recording_ = true;  // off while opening a file runs the steps it is made of
    QString last_file_;      // the exercise file last opened or saved
    Prompts prompts_;
    GridCursor* grid_cursor_ = nullptr;  // a child of the canvas
    std::unique_ptr<CursorDescription> cursor_description_;
};
