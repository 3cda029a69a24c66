// The program's one window: its controls, its module state, its event handlers
// and the procedures they call.
#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "analysis.h"

class Canvas;
class ListBox;
class TextBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStyle;

class MainForm : public QWidget {
    Q_OBJECT

public:
    explicit MainForm(QWidget* parent = nullptr);
    ~MainForm() override;

    // Controls, by the names and indices of their roles.
    std::array<QLabel*, 5> Label1{};
    Canvas* Picture1 = nullptr;
    std::array<ListBox*, 4> List1{};  // 0 X, 1 Y, 2 hidden sorter, 3 point numbers
    ListBox* List2 = nullptr;         // hidden trace of the quadrilateral measurement
    QGroupBox* Frame1 = nullptr;
    std::array<QLabel*, 8> Label2{};    // figure kinds
    std::array<QLineEdit*, 8> Text2{};  // the pupil's counts
    std::array<QLineEdit*, 8> Text3{};  // the program's counts
    std::array<QPushButton*, 3> Command1{};
    std::array<TextBox*, 2> Text1{};  // 0 the report, 1 a hidden quotation

    // Module state.
    std::int32_t PointCount = 0;
    short GridStep = 0;
    short CanvasWidth = 0;
    float CanvasHeight = 0;

    const plane_figures::AnalysisRegisters& Registers() const { return analysis_.Registers(); }

    // Event handlers.
    void Command1_Click(short index);
    void List1_Click(short index);
    void Picture1_MouseDown(short button, short shift, float x, float y);

private:
    void CreateControls();
    void CreateCountFrame();
    void NameControls();
    void NameForScreenReaders();
    void SetTabOrder();
    void Form_Load();

    void UpdateDrawButton();
    void ResetWorkspace();
    void DeleteSelectedPoint();
    void RunAnalysis();
    void DrawGrid();
    void MarkPoints(int highlighted_row);

    // Closed outline V0-V1-V2-V3-V0 of a quadrilateral in palette colour.
    void OutlineQuadrilateral(const plane_figures::FigureTable& figure, std::int16_t colour);
    // Hook for a reported triangle of kind 1..3: triangles are not drawn.
    void OutlineTriangle(std::int32_t kind_code);

    friend class WindowControls;
    plane_figures::FigureAnalysis analysis_;
    std::unique_ptr<QStyle> button_style_;
};
