// The program's one window: it composes the canvas, the point lists, the
// count frame and the report box over the points and the analysis, and
// handles the window's events.
#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "analysisresult.h"
#include "figureanalysis.h"
#include "pointset.h"

class Canvas;
class CountFrame;
class CursorDescription;
class GridCursor;
class ListBox;
class PointLists;
class ReportExplorer;
class TextBox;
class QLabel;
class QPushButton;
class QStyle;

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
    void DrawGrid();
    // Mark every point in black, the one at highlighted_row in light green.
    void MarkPoints(int highlighted_row);
    // Closed outline of a quadrilateral, in its drawing order, in palette colour.
    void OutlineQuadrilateral(const plane_figures::Figure& figure, int colour);
    // Hook for a reported triangle of kind code 1..3: triangles are not drawn.
    void OutlineTriangle(int kind_code);

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
    GridCursor* grid_cursor_ = nullptr;  // a child of the canvas
    std::unique_ptr<CursorDescription> cursor_description_;
};
