#include "mainform.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMimeData>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QStyleFactory>
#include <QUndoStack>
#include <algorithm>
#include <variant>
#include <vector>

#include "canvas.h"
#include "countframe.h"
#include "cursordescription.h"
#include "editstep.h"
#include "exercisefile.h"
#include "figurekinds.h"
#include "grid.h"
#include "gridcursor.h"
#include "helptext.h"
#include "listbox.h"
#include "numtext.h"
#include "palette.h"
#include "pointlists.h"
#include "reportexplorer.h"
#include "tasktext.h"
#include "textbox.h"
#include "windowlayout.h"

namespace {

using windowlayout::TwipsRect;

const QColor kWhite(255, 255, 255);

// Steps that can be undone, the oldest forgotten first.
constexpr int kUndoLimit = 1000;

// lines joined, each followed by CR LF
template <std::size_t N>
QString CrLfText(const std::array<std::string_view, N>& lines) {
    QString text;
    for (const std::string_view line : lines) text += windowlayout::Utf8(line) + QStringLiteral("\r\n");
    return text;
}

// The decimal separator of the user's regional settings (the trace uses it).
char DecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode()) : '.';
}

QStringList Texts(const std::vector<std::string>& entries) {
    QStringList texts;
    for (const std::string& entry : entries) texts << QString::fromStdString(entry);
    return texts;
}

// one column of the count frame, kind by kind
QStringList Column(const CountFrame& frame, QString (CountFrame::*count)(int) const) {
    QStringList column;
    for (int k = 0; k < CountFrame::kRows; ++k) column << (frame.*count)(k);
    return column;
}

// action made a command of window: named, with a tooltip, its keys working
// anywhere in the window
QAction* AsCommand(QWidget* window, QAction* action, const char* name, const char* tip,
                   const QList<QKeySequence>& keys) {
    action->setObjectName(QLatin1String(name));
    action->setToolTip(QString::fromUtf8(tip));
    action->setShortcuts(keys);
    window->addAction(action);
    return action;
}

// the first local file among the URLs dragged; empty when there is none
QString LocalFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return QString();
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) return url.toLocalFile();
    }
    return QString();
}

}  // namespace

MainForm::MainForm(QWidget* parent)
    : QWidget(parent), button_style_(QStyleFactory::create(QStringLiteral("Fusion"))) {
    setWindowTitle(QStringLiteral("https://plane-figures.example ") +
                   QStringLiteral("Математика - координати на върхове"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/plane-figures-32.png")));
    setFont(QFont(QStringLiteral("Times New Roman"), 12, QFont::Normal, false));
    windowlayout::SetBackground(this, windowlayout::kWindowColour);
    setFixedSize(windowlayout::Px(7755), windowlayout::Px(6750));
    CreateControls();
    NameControls();
    SetTabOrder();
    Form_Load();
    prompts_ = Prompts::Dialogs(this);
    CreateActions();
    setAcceptDrops(true);
}

MainForm::~MainForm() = default;

void MainForm::CreateControls() {
    const Qt::Alignment centred = Qt::AlignHCenter;
    const auto heading = [&](const QString& caption, QRect place) {
        return windowlayout::MakeLabel(this, caption, place, windowlayout::kHeadingColour, centred);
    };
    Label1[0] = heading(QStringLiteral("Върхове на равнинни фигури - координати на точки"),
                        TwipsRect(840, 0, 5895, 375));
    Label1[1] = heading(QStringLiteral("Абсциса"), TwipsRect(5160, 480, 1335, 305));
    Label1[2] = heading(QStringLiteral("Ордината"), TwipsRect(6480, 480, 1215, 305));
    Label1[3] = heading(QStringLiteral("Посочете връх на фигура"), TwipsRect(120, 480, 3975, 305));
    Label1[4] = heading(QStringLiteral("N"), TwipsRect(4320, 480, 855, 305));

    Picture1 = new Canvas(this);
    Picture1->setGeometry(TwipsRect(120, 840, 4000, 3500));
    CreateGridCursor();  // first, so that a click moves the cursor before it enters the point
    connect(Picture1, &Canvas::MouseDown, this, &MainForm::Picture1_MouseDown);

    CreateLists();
    Frame1 = new CountFrame(this);
    Frame1->setGeometry(TwipsRect(4320, 1680, 3375, 3255));
    CreateButtons();

    Text1[0] = new TextBox(this);
    Text1[0]->setGeometry(TwipsRect(120, 4920, 7575, 1815));
    Text1[0]->SetText(CrLfText(kTaskStatement));
    Text1[1] = new TextBox(this);
    Text1[1]->setGeometry(TwipsRect(1560, 5040, 6735, 1815));
    Text1[1]->SetText(CrLfText(kQuotation));
    Text1[1]->hide();
    explorer_ = new ReportExplorer(Text1[0], Picture1, points_);
}

void MainForm::CreateLists() {
    const std::array<QRect, 4> places{
        TwipsRect(5160, 770, 1335, 915), TwipsRect(6480, 770, 1215, 915),
        TwipsRect(6960, 1080, 1215, 1200), TwipsRect(4320, 770, 855, 915)};
    for (short i = 0; i < 4; ++i) {
        List1[static_cast<std::size_t>(i)] = new ListBox(this);
        List1[static_cast<std::size_t>(i)]->setGeometry(places[static_cast<std::size_t>(i)]);
        connect(List1[static_cast<std::size_t>(i)], &ListBox::Click, this, [this, i] { List1_Click(i); });
        // Delete in a point list does what "Изтрий  1 т." does
        new QShortcut(Qt::Key_Delete, List1[static_cast<std::size_t>(i)], this,
                      [this] { Command1_Click(2); }, Qt::WidgetShortcut);
    }
    List1[2]->hide();
    List2 = new ListBox(this);
    List2->setGeometry(TwipsRect(1320, 0, 7455, 630));
    List2->hide();
    point_lists_ = std::make_unique<PointLists>(points_, List1[0], List1[1], List1[3]);
}

void MainForm::CreateButtons() {
    const std::array<QString, 3> captions{QStringLiteral("Чертай"), QStringLiteral("Изчисти"),
                                          QStringLiteral("Изтрий  1 т.")};
    const std::array<QRect, 3> places{TwipsRect(120, 4440, 1095, 375),
                                      TwipsRect(1320, 4440, 1095, 375),
                                      TwipsRect(2640, 4440, 1455, 375)};
    const std::array<QColor, 3> colours{QColor(128, 255, 128), QColor(255, 0, 0), QColor(192, 0, 192)};
    for (short i = 0; i < 3; ++i) {
        const auto b = static_cast<std::size_t>(i);
        Command1[b] = new QPushButton(captions[b], this);
        Command1[b]->setGeometry(places[b]);
        // a style that paints the button's own background colour on every platform
        Command1[b]->setStyle(button_style_.get());
        QPalette palette = Command1[b]->palette();
        palette.setColor(QPalette::Button, colours[b]);
        Command1[b]->setPalette(palette);
        connect(Command1[b], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        // Enter presses the focused button, as Space does
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
            new QShortcut(key, Command1[b], Command1[b], &QPushButton::click, Qt::WidgetShortcut);
    }
}

// Object names by role and index, and the names a screen reader speaks: a
// control's caption, or the heading above a list or the canvas.
void MainForm::NameControls() {
    const auto name = [](QWidget* widget, const char* role, int index) {
        widget->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(role)).arg(index));
    };
    for (int i = 0; i < 5; ++i) name(Label1[static_cast<std::size_t>(i)], "Label1", i);
    for (int i = 0; i < 4; ++i) name(List1[static_cast<std::size_t>(i)], "List1", i);
    for (int i = 0; i < 3; ++i) name(Command1[static_cast<std::size_t>(i)], "Command1", i);
    for (int i = 0; i < 2; ++i) name(Text1[static_cast<std::size_t>(i)], "Text1", i);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    List2->setObjectName(QStringLiteral("List2"));
    Frame1->setObjectName(QStringLiteral("Frame1"));

    for (QLabel* label : Label1) label->setAccessibleName(label->text());
    Picture1->setAccessibleName(Label1[3]->text());
    Picture1->setAccessibleDescription(
        QStringLiteral("Платно с мрежа през 20 пиксела; щракване добавя точка в най-близкия възел"));
    List1[0]->setAccessibleName(Label1[1]->text());
    List1[1]->setAccessibleName(Label1[2]->text());
    List1[3]->setAccessibleName(QStringLiteral("Номер на точка (N)"));
    List1[2]->setAccessibleName(QStringLiteral("Дължини на страните"));
    List2->setAccessibleName(QStringLiteral("Обиколки на четириъгълника"));
    Frame1->setAccessibleName(Frame1->title());
    for (QPushButton* button : Command1) button->setAccessibleName(button->text());
    Text1[0]->setAccessibleName(QStringLiteral("Резултат"));
    Text1[1]->setAccessibleName(QStringLiteral("Цитат"));
}

// Keyboard order of the controls; labels and the frame take no focus and are
// skipped, as are the hidden controls.
void MainForm::SetTabOrder() {
    std::vector<std::pair<int, QWidget*>> order{
        {0, Text1[0]},    {1, Text1[1]},    {2, Label1[0]},   {3, List1[0]},  {4, List1[1]},
        {5, Command1[0]}, {6, Command1[1]}, {7, Command1[2]}, {8, Label1[1]}, {9, Label1[2]},
        {10, List1[2]},   {11, Picture1},   {12, Label1[3]},  {13, List1[3]}, {14, Label1[4]},
        {15, Frame1},     {37, List2}};
    // the count rows: caption, pupil's count, program's count
    const std::array<std::array<int, 3>, CountFrame::kRows> rows{{{16, 17, 18}, {19, 20, 21},
        {22, 23, 24}, {25, 26, 27}, {30, 29, 28}, {33, 32, 31}, {36, 35, 34}, {38, 39, 40}}};
    for (int k = 0; k < CountFrame::kRows; ++k) {
        const auto controls = Frame1->Row(k);
        for (std::size_t c = 0; c < 3; ++c) order.push_back({rows[static_cast<std::size_t>(k)][c], controls[c]});
    }
    std::sort(order.begin(), order.end());
    QWidget* previous = nullptr;
    for (const auto& [tab, widget] : order) {
        if (widget->focusPolicy() == Qt::NoFocus) continue;
        if (previous) setTabOrder(previous, widget);
        previous = widget;
    }
}

void MainForm::Form_Load() {
    grid_step_ = plane_figures::kGridStep;
    canvas_width_ = plane_figures::RoundToInt16(Picture1->ScaleWidth());
    canvas_height_ = static_cast<float>(Picture1->ScaleHeight());
    ResetWorkspace();
    DrawGrid();
}

void MainForm::Command1_Click(short index) {
    switch (index) {
        case 0:
            RunAnalysis();
            break;
        case 1: {
            const WorkspaceState before = State(true);
            ResetWorkspace();
            Text1[0]->SetText(QString());
            explorer_->Forget();
            DrawGrid();
            Record(QStringLiteral("„Изчисти“"), before);
            break;
        }
        case 2:
            DeleteSelectedPoint();
            break;
        default:
            break;
    }
}

void MainForm::UpdateDrawButton() { Command1[0]->setEnabled(PointCount() >= 3); }

void MainForm::ResetWorkspace() {
    points_.Clear();
    Picture1->SetBackColor(kWhite);
    Picture1->Cls();
    Picture1->SetDrawStyle(Canvas::kDashDotDot);
    Picture1->SetDrawWidth(5);
    List1[2]->Clear();  // the point lists follow the points
    UpdateDrawButton();
    Frame1->ClearCounts();
}

// Any button enters a point: snapped to the nearest grid node, marked, listed.
void MainForm::Picture1_MouseDown(Qt::MouseButton /*button*/, Qt::KeyboardModifiers /*shift*/,
                                  QPoint at) {
    if (points_.Full()) return;
    const WorkspaceState before = State(false);
    Picture1->SetDrawWidth(5);
    const plane_figures::GridPoint node = plane_figures::SnapToNode({at.x(), at.y()}, grid_step_);
    Picture1->PSet(QPoint(node.x, node.y));
    points_.Add(node);
    UpdateDrawButton();
    Record(QStringLiteral("точка"), before);
}

// Delete the point that the X and Y lists both select; the rest are
// renumbered, and the canvas shows the grid and the remaining points only.
void MainForm::DeleteSelectedPoint() {
    const int selected = List1[0]->ListIndex();
    if (selected < 0 || List1[1]->ListIndex() != selected) return;
    const WorkspaceState before = State(false);
    Picture1->SetDrawWidth(5);
    points_.RemoveAt(selected);
    RedrawPoints(*Picture1);
    UpdateDrawButton();
    Record(QStringLiteral("изтриване на точка"), before);
}

// Select the chosen row in all three visible lists and re-mark every point,
// the chosen one highlighted.
void MainForm::List1_Click(short index) {
    if (index < 0 || index >= static_cast<short>(List1.size())) return;
    const int row = List1[static_cast<std::size_t>(index)]->ListIndex();
    if (row < 0) return;
    // selections set here raise no further clicks, so one pass is all there is
    for (const std::size_t list : {0u, 1u, 3u}) List1[list]->SetListIndex(row);
    MarkPoints(row);
}

void MainForm::RunAnalysis() {
    plane_figures::AnalysisResult result = analysis_.Run(points_.Points(), DecimalSeparator());
    Text1[0]->SetText(QString::fromStdString(result.ReportText()));
    Frame1->ShowProgramCounts(result);
    if (result.sorter) List1[2]->SetItems(Texts(*result.sorter));
    if (result.trace) List2->SetItems(Texts(*result.trace));
    for (const plane_figures::Figure& figure : result.figures) {
        if (figure.IsTriangle()) {
            OutlineTriangle(plane_figures::TriangleHookCode(figure.kind));
        } else {
            OutlineQuadrilateral(figure, plane_figures::kOutlineColours[figure.kind]);
        }
    }
    explorer_->ShowResult(std::make_shared<const plane_figures::AnalysisResult>(std::move(result)));
}

// A line every GridStep pixels from the top and left edges; horizontal lines
// end at CanvasWidth, vertical ones at CanvasHeight. Draws over what is there.
void MainForm::DrawGrid(Canvas& canvas) const {
    canvas.SetDrawWidth(1);
    const QColor black = Canvas::PaletteColour(plane_figures::kBlack);
    const int rows = plane_figures::GridLineCount(canvas.ScaleHeight(), grid_step_);
    const int bottom = static_cast<int>(canvas_height_);
    for (int i = 0; i <= rows; ++i) {
        canvas.Line(QPoint(0, grid_step_ * i), QPoint(canvas_width_, grid_step_ * i), black);
    }
    const int columns = plane_figures::GridLineCount(canvas.ScaleWidth(), grid_step_);
    for (int i = 0; i <= columns; ++i) {
        canvas.Line(QPoint(grid_step_ * i, 0), QPoint(grid_step_ * i, bottom), black);
    }
}

void MainForm::OutlineQuadrilateral(const plane_figures::Figure& figure, int colour) {
    Picture1->SetDrawWidth(2);
    const QColor pen = Canvas::PaletteColour(colour);
    const auto vertex = [&](std::size_t v) {
        const plane_figures::GridPoint p = points_.At(figure.outline[v]);
        return QPoint(p.x, p.y);
    };
    Picture1->Line(vertex(0), vertex(1), pen);
    Picture1->LineTo(vertex(2), pen);
    Picture1->LineTo(vertex(3), pen);
    Picture1->LineTo(vertex(0), pen);
}

void MainForm::OutlineTriangle(int /*kind_code*/) {}

// White on every desktop, as after a reset, so the grid and the points stay
// visible; then the grid and every point in black: no outlines, no highlight.
void MainForm::RedrawPoints(Canvas& canvas) const {
    canvas.SetBackColor(kWhite);
    DrawGrid(canvas);
    MarkPoints(canvas, -1);
}

void MainForm::MarkPoints(Canvas& canvas, int highlighted_row) const {
    canvas.SetDrawWidth(5);
    for (int p = 0; p < points_.Size(); ++p) {
        const plane_figures::GridPoint point = points_.At(p);
        canvas.PSet(QPoint(point.x, point.y),
                    Canvas::PaletteColour(p == highlighted_row ? plane_figures::kHighlight : plane_figures::kBlack));
    }
}

void MainForm::CreateActions() {
    undo_stack_ = new QUndoStack(this);
    undo_stack_->setUndoLimit(kUndoLimit);
    const auto command = [this](const char* text, void (MainForm::*slot)()) {
        auto* action = new QAction(QString::fromUtf8(text), this);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    const QList<QAction*> commands{
        AsCommand(this, command("Отвори…", &MainForm::ChooseAndOpen), "open",
                  "Отвори файл с точки (Ctrl+O)", {Qt::CTRL | Qt::Key_O}),
        AsCommand(this, command("Запиши…", &MainForm::ChooseAndSave), "save",
                  "Запиши точките във файл (Ctrl+S)", {Qt::CTRL | Qt::Key_S}),
        AsCommand(this, undo_stack_->createUndoAction(this, QStringLiteral("Отмени")), "undo",
                  "Отмени последната стъпка (Ctrl+Z)", {Qt::CTRL | Qt::Key_Z}),
        AsCommand(this, undo_stack_->createRedoAction(this, QStringLiteral("Върни")), "redo",
                  "Върни отменената стъпка (Ctrl+Y, Ctrl+Shift+Z)",
                  {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}),
        AsCommand(this, command("Отпечатай отговорите…", &MainForm::PrintAnswers), "print-answers",
                  "Лист с отговорите: платното, точките, броевете и резултата (Ctrl+P)",
                  {Qt::CTRL | Qt::Key_P}),
        AsCommand(this, command("Отпечатай работен лист…", &MainForm::PrintWorksheet),
                  "print-worksheet", "Работен лист: платното и точките, без отговорите (Ctrl+Shift+P)",
                  {Qt::CTRL | Qt::SHIFT | Qt::Key_P}),
        AsCommand(this, command("Запиши отговорите като PDF…", &MainForm::ExportAnswers),
                  "export-answers", "Листа с отговорите в PDF, или платното в PNG (Ctrl+E)",
                  {Qt::CTRL | Qt::Key_E}),
        AsCommand(this, command("Запиши работен лист като PDF…", &MainForm::ExportWorksheet),
                  "export-worksheet", "Работния лист в PDF, или платното без отговорите в PNG (Ctrl+Shift+E)",
                  {Qt::CTRL | Qt::SHIFT | Qt::Key_E}),
        AsCommand(this, command("Помощ", &MainForm::ShowHelp), "help",
                  "Клавиши и файлове с точки (F1)", {Qt::Key_F1})};
    Text1[0]->SetMenuActions(commands);
}

bool MainForm::OpenFile(const QString& path) {
    const auto read = ExerciseFile::Read(path);
    if (const auto* message = std::get_if<QString>(&read)) {
        prompts_.tell(QMessageBox::Warning, *message);
        return false;
    }
    const WorkspaceState before = State(true);
    ClearAndClick(std::get<ExerciseFile::Points>(read));
    Record(QStringLiteral("отваряне на файл"), before);
    last_file_ = path;
    return true;
}

// "Изчисти" and a click on each point, none of them a step of its own.
void MainForm::ClearAndClick(std::span<const plane_figures::GridPoint> points) {
    const QScopedValueRollback<bool> not_steps(recording_, false);
    Command1_Click(1);
    for (const plane_figures::GridPoint p : points) {
        Picture1_MouseDown(Qt::LeftButton, Qt::NoModifier, QPoint(p.x, p.y));
    }
}

bool MainForm::SaveFile(const QString& path) {
    if (const QString error = ExerciseFile::Write(path, points_.Points()); !error.isEmpty()) {
        prompts_.tell(QMessageBox::Warning, error);
        return false;
    }
    last_file_ = path;
    return true;
}

void MainForm::ChooseAndOpen() {
    const QString path = prompts_.file_to_open(last_file_);
    if (!path.isEmpty()) OpenFile(path);
}

void MainForm::ChooseAndSave() {
    if (points_.Size() == 0) {
        prompts_.tell(QMessageBox::Information, QStringLiteral("Няма точки за записване."));
        return;
    }
    const QString path = prompts_.file_to_save(last_file_);
    if (!path.isEmpty()) SaveFile(ExerciseFile::WithSuffix(path));
}

void MainForm::ShowHelp() {
    QStringList lines;
    for (const std::string_view line : kHelpLines) lines << windowlayout::Utf8(line);
    prompts_.tell(QMessageBox::Information, lines.join(QLatin1Char('\n')));
}

void MainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (!LocalFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainForm::dropEvent(QDropEvent* event) {
    const QString path = LocalFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    // opened after the drop, so that a message does not hold up the program it came from
    QMetaObject::invokeMethod(this, [this, path] { OpenFile(path); }, Qt::QueuedConnection);
}

void MainForm::Record(const QString& text, const WorkspaceState& before) {
    if (!recording_) return;
    WorkspaceState after = State(before.report.has_value());
    if (after == before) return;  // nothing for an undo to bring back
    auto show = [this](const WorkspaceState& state) { Restore(state); };
    undo_stack_->push(new EditStep(text, before, std::move(after), show));
}

WorkspaceState MainForm::State(bool with_report) const {
    WorkspaceState state;
    state.points.assign(points_.Points().begin(), points_.Points().end());
    if (with_report) {
        state.report =
            WorkspaceState::Report{Text1[0]->Text(), Column(*Frame1, &CountFrame::PupilCount),
                                   Column(*Frame1, &CountFrame::ProgramCount), explorer_->Result()};
    }
    return state;
}

void MainForm::Restore(const WorkspaceState& state) {
    points_.Assign(state.points);
    RedrawPoints(*Picture1);  // as after a deletion
    UpdateDrawButton();
    if (!state.report) return;
    Text1[0]->SetText(state.report->text);
    Frame1->SetCounts(state.report->pupil_counts, state.report->program_counts);
    // its lines name their figures again
    if (state.report->result) explorer_->ShowResult(state.report->result);
}

// The cursor follows the canvas's focus and keys; it is drawn over the canvas
// and described to a screen reader while it shows. The description receives
// its signals, so that nothing is told to it once it is gone.
void MainForm::CreateGridCursor() {
    grid_cursor_ = new GridCursor(Picture1, plane_figures::kGridStep);
    cursor_description_ = std::make_unique<CursorDescription>(Picture1, points_);
    CursorDescription* said = cursor_description_.get();
    connect(grid_cursor_, &GridCursor::Moved, Picture1, &Canvas::ShowCursor);
    connect(grid_cursor_, &GridCursor::Hidden, Picture1, &Canvas::HideCursor);
    connect(grid_cursor_, &GridCursor::Moved, said, &CursorDescription::Follow);
    connect(grid_cursor_, &GridCursor::Hidden, said, &CursorDescription::Leave);
    connect(grid_cursor_, &GridCursor::Blocked, said, &CursorDescription::AtEdge);
    connect(grid_cursor_, &GridCursor::EnterPressed, said,
            [this](QPoint node) { Picture1_KeyEnter(node); });
    connect(grid_cursor_, &GridCursor::DeletePressed, said, [this] { Picture1_KeyDelete(); });
    connect(Picture1, &Canvas::MouseDown, grid_cursor_,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, QPoint at) { grid_cursor_->Click(at); });
}

// Space or Enter on the canvas: a click on the cursor's node.
void MainForm::Picture1_KeyEnter(QPoint node) {
    const int before = PointCount();
    Picture1_MouseDown(Qt::LeftButton, Qt::NoModifier, node);
    if (PointCount() == before) cursor_description_->EntryRefused();
}

// Delete on the canvas: "Изтрий  1 т.".
void MainForm::Picture1_KeyDelete() {
    const int before = PointCount();
    Command1_Click(2);
    if (PointCount() == before) cursor_description_->NothingToDelete();
}

SheetContent MainForm::SheetOf(Worksheet::Sheet sheet) const {
    SheetContent content;
    content.title = windowTitle();
    const bool answers = sheet == Worksheet::Sheet::kAnswerSheet;
    content.canvas = answers ? Picture1->Image() : CanvasWithoutFindings();
    for (const plane_figures::GridPoint p : points_.Points()) content.points << QPoint(p.x, p.y);
    const int shown = plane_figures::kShownKindCount;
    content.kinds = Column(*Frame1, &CountFrame::Caption).mid(0, shown);
    content.pupil_counts = Column(*Frame1, &CountFrame::PupilCount).mid(0, shown);
    // the program's answers only while they are those of the points shown
    if (!explorer_->HasResult()) return content;
    content.program_counts = Column(*Frame1, &CountFrame::ProgramCount).mid(0, shown);
    const auto result = explorer_->Result();
    for (int line = 0; line < result->LineCount(); ++line)
        content.report_lines << QString::fromStdString(result->ReportLine(line));
    return content;
}

// The grid and the points on white, as after a deletion: no outlines, no highlight.
QImage MainForm::CanvasWithoutFindings() const {
    Canvas clean;
    clean.resize(Picture1->size());
    clean.SetDrawStyle(Canvas::kDashDotDot);
    RedrawPoints(clean);
    return clean.Image();
}

void MainForm::PrintSheet(Worksheet::Sheet sheet) {
    const QString error = Worksheet(SheetOf(sheet), sheet).Print(this);
    if (!error.isEmpty()) prompts_.tell(QMessageBox::Warning, error);
}

void MainForm::ExportSheet(Worksheet::Sheet sheet) {
    const bool answers = sheet == Worksheet::Sheet::kAnswerSheet;
    const QString folder = last_file_.isEmpty() ? QString() : QFileInfo(last_file_).path() + QLatin1Char('/');
    const QString path = prompts_.file_to_export(
        folder + (answers ? QStringLiteral("отговори.pdf") : QStringLiteral("работен-лист.pdf")));
    if (path.isEmpty()) return;
    const QString error = Worksheet(SheetOf(sheet), sheet).Export(path);
    if (!error.isEmpty()) prompts_.tell(QMessageBox::Warning, error);
}
