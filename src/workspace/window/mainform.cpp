#include "mainform.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QIcon>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>

#include "canvas.h"
#include "canvasaccessible.h"
#include "countframe.h"
#include "cursordescription.h"
#include "grid.h"
#include "gridcursor.h"
#include "listbox.h"
#include "numtext.h"
#include "palette.h"
#include "pointlists.h"
#include "qtpoint.h"
#include "reportexplorer.h"
#include "sidepanel.h"
#include "taskcommands.h"
#include "tasktext.h"
#include "textbox.h"
#include "windowcommands.h"
#include "windowfont.h"
#include "windowlayout.h"

namespace plane_figures::workspace {

// The task's title: the window's caption after the web address, and the
// title the sheets print. (The window's other texts are its controls', the
// task's and the commands'.)
QString MainForm::TaskTitle() { return tr("Математика - координати на върхове"); }

MainForm::MainForm(QWidget* parent)
    : QWidget(parent),
      model_(new WorkspaceModel(CrLfText(kTaskStatement))),
      controls_(Dressed(this)) {
    CreateGridCursor();  // first, so that a click moves the cursor before it enters the point
    ConnectControls();
    ConnectViews();
    Form_Load();
    commands_ = new WindowCommands(this, *model_, [this](Sheet sheet) {
        return SheetOf(*model_, sheet, TaskTitle(), controls_.Picture1->Image(), Ruling());
    });
    controls_.Text1[FormControls::kReport]->SetMenuActions(commands_->Actions());
    task_commands_ = new TaskCommands(
        {this, *model_, side_panel_, controls_.Text1[FormControls::kReport], commands_->Actions(),
         [this] { RunAnalysis(); }, [this] { return commands_->MayClose(); }});
    connect(model_, &WorkspaceModel::TaskChanged, this, &MainForm::UpdateDrawButton);
    setAcceptDrops(true);
    // the window's last child, so deleted after the controls that show it
    model_->setParent(this);
}

MainForm::~MainForm() = default;

// The window itself, before its controls are made on it; the canvas is
// presented to screen readers as a canvas from its first accessible event on.
QWidget* MainForm::Dressed(QWidget* form) {
    CanvasAccessible::Install();
    form->setWindowTitle(QStringLiteral(PLANE_FIGURES_WEBSITE " ") + TaskTitle());
    form->setWindowIcon(QIcon(QStringLiteral(":/icons/plane-figures-32.png")));
    form->setFont(WindowFont());
    windowlayout::SetBackground(form, windowlayout::kWindowColour);
    form->setFixedSize(windowlayout::Px(7755), windowlayout::Px(6750));
    return form;
}

void MainForm::ConnectControls() {
    connect(controls_.Picture1, &Canvas::MouseDown, this, &MainForm::Picture1_MouseDown);
    for (short i = 0; i < static_cast<short>(controls_.List1.size()); ++i) {
        ListBox* list = controls_.List1[static_cast<std::size_t>(i)];
        connect(list, &ListBox::Click, this, [this, i] { List1_Click(i); });
        // Delete in a point list does what "Изтрий  1 т." does
        new QShortcut(
            Qt::Key_Delete, list, this, [this] { DeleteSelectedPoint(); }, Qt::WidgetShortcut);
    }
    for (short i = 0; i < static_cast<short>(controls_.Command1.size()); ++i) {
        QPushButton* button = controls_.Command1[static_cast<std::size_t>(i)];
        connect(button, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        // Enter presses the focused button, as Space does
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
            new QShortcut(key, button, button, &QPushButton::click, Qt::WidgetShortcut);
    }
}

// Every control shows its part of the pupil's work, and only from the model.
void MainForm::ConnectViews() {
    using FC = FormControls;
    new PointLists(*model_, controls_.List1[FC::kX], controls_.List1[FC::kY],
                   controls_.List1[FC::kNumbers]);
    controls_.Frame1->Follow(*model_);
    TextBox* report = controls_.Text1[FC::kReport];
    report->SetText(model_->ReportText());
    connect(model_, &WorkspaceModel::ReportChanged, report,
            [this, report] { report->SetText(model_->ReportText()); });
    side_panel_ = new SidePanel(this);
    explorer_ = new ReportExplorer(report, controls_.Picture1, *model_, side_panel_);
    // after an opening, an undo or a redo: no outlines, the chosen point light green
    connect(model_, &WorkspaceModel::PointsReplaced, this, [this] {
        RedrawPoints();
        UpdateDrawButton();
    });
    connect(model_, &WorkspaceModel::ChoiceChanged, this, [this](int row) {
        drawing::MarkPoints(controls_.Picture1->Picture(), model_->Points().Points(), row);
    });
}

// The cursor follows the canvas's focus and keys; it is drawn over the canvas
// and described to a screen reader while it shows.
void MainForm::CreateGridCursor() {
    Canvas* canvas = controls_.Picture1;
    auto* cursor = new GridCursor(canvas, kGridStep);
    cursor_description_ = new CursorDescription(canvas, *model_);
    CursorDescription* said = cursor_description_;
    connect(cursor, &GridCursor::Moved, canvas, &Canvas::ShowCursor);
    connect(cursor, &GridCursor::Hidden, canvas, &Canvas::HideCursor);
    connect(cursor, &GridCursor::Moved, said, &CursorDescription::Follow);
    connect(cursor, &GridCursor::Hidden, said, &CursorDescription::Leave);
    connect(cursor, &GridCursor::Blocked, said, &CursorDescription::AtEdge);
    connect(cursor, &GridCursor::EnterPressed, said,
            [this](QPoint node) { Picture1_KeyEnter(node); });
    connect(cursor, &GridCursor::DeletePressed, said, [this] { Picture1_KeyDelete(); });
    connect(canvas, &Canvas::MouseDown, cursor,
            [cursor](Qt::MouseButton, Qt::KeyboardModifiers, QPoint at) { cursor->Click(at); });
}

void MainForm::Form_Load() {
    grid_step_ = kGridStep;
    canvas_width_ = RoundToInt16(controls_.Picture1->ScaleWidth());
    canvas_height_ = static_cast<float>(controls_.Picture1->ScaleHeight());
    ResetWorkspace();
    DrawGrid();
}

void MainForm::Command1_Click(short index) {
    switch (index) {
        case FormControls::kDraw: RunAnalysis(); break;
        case FormControls::kClear:
            model_->Clear();  // the canvas, the lists, the report and the counts follow
            break;
        case FormControls::kDelete: DeleteSelectedPoint(); break;
        default: break;
    }
}

// A task is drawn once its counts are right or its answers shown.
void MainForm::UpdateDrawButton() {
    controls_.Command1[FormControls::kDraw]->setEnabled(PointCount() >= 3 && model_->DrawAllowed());
}

// The canvas white, with the line style of the grid and the width of a dot.
void MainForm::ResetWorkspace() {
    CanvasImage& canvas = controls_.Picture1->Picture();
    canvas.SetBackColor(CanvasImage::PaletteColour(kWhite));
    canvas.Cls();
    canvas.SetDrawStyle(CanvasImage::kDashDotDot);
    canvas.SetDrawWidth(5);
    UpdateDrawButton();
}

// Any button enters a point: snapped to the nearest grid node, marked, listed.
void MainForm::Picture1_MouseDown(Qt::MouseButton /*button*/, Qt::KeyboardModifiers /*shift*/,
                                  QPoint at) {
    const GridPoint node = SnapToNode(ToGridPoint(at), grid_step_);
    if (!model_->AddPoint(node)) return;  // the set full, or the task's points kept
    controls_.Picture1->SetDrawWidth(5);
    controls_.Picture1->PSet(ToQPoint(node));
    UpdateDrawButton();
}

// Delete the chosen point; the rest are renumbered, and the canvas shows the
// grid and the remaining points only.
void MainForm::DeleteSelectedPoint() {
    if (!model_->DeleteChosen()) return;  // none chosen, or the task's points kept
    controls_.Picture1->SetDrawWidth(5);
    RedrawPoints();
    UpdateDrawButton();
}

// Choose the point of the row chosen in a list: the model selects it in all
// three visible lists and the canvas re-marks every point, the chosen one
// highlighted.
void MainForm::List1_Click(short index) {
    if (index < 0 || index >= static_cast<short>(controls_.List1.size())) return;
    const int row = controls_.List1[static_cast<std::size_t>(index)]->ListIndex();
    if (row < 0) return;
    model_->Choose(row);
}

// The report and the counts follow the model; the quadrilaterals are
// outlined in their kind's colour.
void MainForm::RunAnalysis() {
    const AnalysisResult* result = model_->Analyse();
    if (result == nullptr) return;  // held back by the task
    drawing::DrawOutlines(controls_.Picture1->Picture(),
                          drawing::Outlines(*result, model_->Points().Points()));
}

void MainForm::DrawGrid() { drawing::DrawGrid(controls_.Picture1->Picture(), Ruling()); }

void MainForm::RedrawPoints() {
    CanvasImage& picture = controls_.Picture1->Picture();
    drawing::RedrawPoints(picture, Ruling(), model_->Points().Points());
    if (model_->Chosen() != WorkspaceModel::kNone)
        drawing::MarkPoints(picture, model_->Points().Points(), model_->Chosen());
}

void MainForm::Picture1_KeyEnter(QPoint node) {
    const int before = PointCount();
    Picture1_MouseDown(Qt::LeftButton, Qt::NoModifier, node);
    if (PointCount() == before) cursor_description_->EntryRefused();
}

void MainForm::Picture1_KeyDelete() {
    const int before = PointCount();
    DeleteSelectedPoint();
    if (PointCount() == before) cursor_description_->NothingToDelete();
}

bool MainForm::OpenFile(const QString& path) { return commands_->OpenFile(path); }
bool MainForm::SaveFile(const QString& path) { return commands_->SaveFile(path); }
void MainForm::SetPrompts(Prompts prompts) {
    task_commands_->SetPrompts(prompts);
    commands_->SetPrompts(std::move(prompts));
}

void MainForm::closeEvent(QCloseEvent* event) {
    if (!commands_->MayClose()) event->ignore();
}

void MainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (!WindowCommands::DroppedFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainForm::dropEvent(QDropEvent* event) {
    const QStringList paths = WindowCommands::DroppedFiles(event->mimeData());
    if (paths.isEmpty()) return;
    event->acceptProposedAction();
    // opened after the drop, so that a message does not hold up the program it came from
    QMetaObject::invokeMethod(
        this, [this, paths] { commands_->OpenDropped(paths); }, Qt::QueuedConnection);
}

}  // namespace plane_figures::workspace
