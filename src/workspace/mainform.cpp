#include "mainform.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <algorithm>
#include <vector>

#include "canvas.h"
#include "figurekinds.h"
#include "grid.h"
#include "listbox.h"
#include "numtext.h"
#include "systemcolours.h"
#include "tasktext.h"
#include "textbox.h"

namespace {

using plane_figures::kKindCount;

// The layout is designed in twips; 15 twips make one pixel at 96 dpi.
constexpr int Px(int twips) { return (twips + 7) / 15; }
QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

const QColor kWindowColour(128, 128, 255);
const QColor kHeadingColour(255, 192, 128);
const QColor kShapeRowColour(255, 128, 0);
const QColor kFrameColour(192, 192, 255);

void SetBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// lines joined, each followed by CR LF
template <std::size_t N>
QString CrLfText(const std::array<std::string_view, N>& lines) {
    QString text;
    for (const std::string_view line : lines) text += Utf8(line) + QStringLiteral("\r\n");
    return text;
}

QLabel* MakeLabel(QWidget* parent, const QString& caption, const QRect& place,
                  const QColor& colour, Qt::Alignment alignment) {
    auto* label = new QLabel(caption, parent);
    label->setGeometry(place);
    label->setAlignment(alignment | Qt::AlignTop);
    SetBackground(label, colour);
    return label;
}

}  // namespace

MainForm::MainForm(QWidget* parent)
    : QWidget(parent), button_style_(QStyleFactory::create(QStringLiteral("Fusion"))) {
    setWindowTitle(QStringLiteral("https://plane-figures.example ") +
                   QStringLiteral("Математика - координати на върхове"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/plane-figures-32.png")));
    setFont(QFont(QStringLiteral("Times New Roman"), 12, QFont::Normal, false));
    SetBackground(this, kWindowColour);
    setFixedSize(Px(7755), Px(6750));
    CreateControls();
    NameControls();
    NameForScreenReaders();
    SetTabOrder();
    Form_Load();
}

MainForm::~MainForm() = default;

void MainForm::CreateControls() {
    const Qt::Alignment centred = Qt::AlignHCenter;
    Label1[0] = MakeLabel(this, QStringLiteral("Върхове на равнинни фигури - координати на точки"),
                          TwipsRect(840, 0, 5895, 375), kHeadingColour, centred);
    Label1[1] = MakeLabel(this, QStringLiteral("Абсциса"), TwipsRect(5160, 480, 1335, 305),
                          kHeadingColour, centred);
    Label1[2] = MakeLabel(this, QStringLiteral("Ордината"), TwipsRect(6480, 480, 1215, 305),
                          kHeadingColour, centred);
    Label1[3] = MakeLabel(this, QStringLiteral("Посочете връх на фигура"),
                          TwipsRect(120, 480, 3975, 305), kHeadingColour, centred);
    Label1[4] = MakeLabel(this, QStringLiteral("N"), TwipsRect(4320, 480, 855, 305),
                          kHeadingColour, centred);

    Picture1 = new Canvas(this);
    Picture1->setGeometry(TwipsRect(120, 840, 4000, 3500));
    Picture1->SetBackColor(TitleBarTextColour());
    connect(Picture1, &Canvas::MouseDown, this, [this](int button, int shift, float x, float y) {
        Picture1_MouseDown(static_cast<short>(button), static_cast<short>(shift), x, y);
    });

    const std::array<QRect, 4> list_places{
        TwipsRect(5160, 770, 1335, 915), TwipsRect(6480, 770, 1215, 915),
        TwipsRect(6960, 1080, 1215, 1200), TwipsRect(4320, 770, 855, 915)};
    for (short i = 0; i < 4; ++i) {
        List1[i] = new ListBox(i == 2, this);
        List1[i]->setGeometry(list_places[i]);
        connect(List1[i], &ListBox::Click, this, [this, i] { List1_Click(i); });
    }
    List1[2]->hide();
    List2 = new ListBox(false, this);
    List2->setGeometry(TwipsRect(1320, 0, 7455, 630));
    List2->hide();

    CreateCountFrame();

    const std::array<QString, 3> captions{QStringLiteral("Чертай"), QStringLiteral("Изчисти"),
                                          QStringLiteral("Изтрий  1 т.")};
    const std::array<QRect, 3> button_places{TwipsRect(120, 4440, 1095, 375),
                                             TwipsRect(1320, 4440, 1095, 375),
                                             TwipsRect(2640, 4440, 1455, 375)};
    const std::array<QColor, 3> button_colours{QColor(128, 255, 128), QColor(255, 0, 0),
                                               QColor(192, 0, 192)};
    for (short i = 0; i < 3; ++i) {
        Command1[i] = new QPushButton(captions[i], this);
        Command1[i]->setGeometry(button_places[i]);
        // a style that paints the button's own background colour on every platform
        Command1[i]->setStyle(button_style_.get());
        QPalette palette = Command1[i]->palette();
        palette.setColor(QPalette::Button, button_colours[i]);
        Command1[i]->setPalette(palette);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }

    Text1[0] = new TextBox(this);
    Text1[0]->setGeometry(TwipsRect(120, 4920, 7575, 1815));
    Text1[0]->SetText(CrLfText(kTaskStatement));
    Text1[1] = new TextBox(this);
    Text1[1]->setGeometry(TwipsRect(1560, 5040, 6735, 1815));
    Text1[1]->SetText(CrLfText(kQuotation));
    Text1[1]->hide();
}

void MainForm::CreateCountFrame() {
    Frame1 = new QGroupBox(QStringLiteral("Брой от вид фигура"), this);
    Frame1->setGeometry(TwipsRect(4320, 1680, 3375, 3255));
    SetBackground(Frame1, kFrameColour);
    for (int k = 0; k < kKindCount; ++k) {
        const int top = 240 + 360 * k;
        const QColor colour = k < plane_figures::kParallelogram ? kHeadingColour : kShapeRowColour;
        Label2[k] = MakeLabel(Frame1, Utf8(plane_figures::kKindCaptions[k]),
                              TwipsRect(120, top, 2175, 405), colour, Qt::AlignLeft);
        Text2[k] = new QLineEdit(Frame1);
        Text2[k]->setGeometry(TwipsRect(2280, top, 495, 405));
        Text3[k] = new QLineEdit(Frame1);
        Text3[k]->setGeometry(TwipsRect(2760, top, 495, 405));
        Text3[k]->setReadOnly(true);
        if (k == plane_figures::kIsoscelesTrapezoid) {
            Label2[k]->hide();
            Text2[k]->hide();
            Text3[k]->hide();
        }
    }
}

void MainForm::NameControls() {
    const auto name = [](QWidget* widget, const char* role, int index) {
        widget->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(role)).arg(index));
    };
    for (int i = 0; i < 5; ++i) name(Label1[i], "Label1", i);
    for (int i = 0; i < 4; ++i) name(List1[i], "List1", i);
    for (int i = 0; i < 3; ++i) name(Command1[i], "Command1", i);
    for (int i = 0; i < 2; ++i) name(Text1[i], "Text1", i);
    for (int k = 0; k < kKindCount; ++k) {
        name(Label2[k], "Label2", k);
        name(Text2[k], "Text2", k);
        name(Text3[k], "Text3", k);
    }
    Picture1->setObjectName(QStringLiteral("Picture1"));
    List2->setObjectName(QStringLiteral("List2"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
}

// Names that a screen reader speaks: a control's caption, the heading above a
// list or the canvas, and for a count box its row and whose count it is.
void MainForm::NameForScreenReaders() {
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
    for (int k = 0; k < kKindCount; ++k) {
        Label2[k]->setAccessibleName(Label2[k]->text());
        Text2[k]->setAccessibleName(Label2[k]->text() + QStringLiteral(" - ваш брой"));
        Text3[k]->setAccessibleName(Label2[k]->text() + QStringLiteral(" - брой от програмата"));
    }
    for (QPushButton* button : Command1) button->setAccessibleName(button->text());
    Text1[0]->setAccessibleName(QStringLiteral("Резултат"));
    Text1[1]->setAccessibleName(QStringLiteral("Цитат"));
}

// Keyboard order of the controls; labels and the frame take no focus and are
// skipped, as are the hidden controls.
void MainForm::SetTabOrder() {
    std::vector<std::pair<int, QWidget*>> order{
        {0, Text1[0]},  {1, Text1[1]},   {2, Label1[0]}, {3, List1[0]},   {4, List1[1]},
        {5, Command1[0]}, {6, Command1[1]}, {7, Command1[2]}, {8, Label1[1]}, {9, Label1[2]},
        {10, List1[2]}, {11, Picture1}, {12, Label1[3]}, {13, List1[3]}, {14, Label1[4]},
        {15, Frame1},   {37, List2}};
    // the count rows: caption, pupil's count, program's count
    const std::array<std::array<int, 3>, kKindCount> rows{{{16, 17, 18}, {19, 20, 21},
        {22, 23, 24}, {25, 26, 27}, {30, 29, 28}, {33, 32, 31}, {36, 35, 34}, {38, 39, 40}}};
    for (int k = 0; k < kKindCount; ++k) {
        order.push_back({rows[k][0], Label2[k]});
        order.push_back({rows[k][1], Text2[k]});
        order.push_back({rows[k][2], Text3[k]});
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
    GridStep = plane_figures::kGridStep;
    CanvasWidth = plane_figures::RoundToInt16(Picture1->ScaleWidth());
    CanvasHeight = static_cast<float>(Picture1->ScaleHeight());
    ResetWorkspace();
    DrawGrid();
}

void MainForm::Command1_Click(short index) {
    switch (index) {
        case 0:
            RunAnalysis();
            break;
        case 1:
            ResetWorkspace();
            Text1[0]->SetText(QString());
            DrawGrid();
            break;
        case 2:
            DeleteSelectedPoint();
            break;
        default:
            break;
    }
}

void MainForm::UpdateDrawButton() { Command1[0]->setEnabled(PointCount >= 3); }

void MainForm::ResetWorkspace() {
    PointCount = 0;
    Picture1->SetBackColor(QColor(255, 255, 255));
    Picture1->Cls();
    Picture1->SetDrawStyle(Canvas::kDashDotDot);
    Picture1->SetDrawWidth(5);
    for (ListBox* list : List1) list->Clear();
    UpdateDrawButton();
    for (int k = 0; k < plane_figures::kShownKindCount; ++k) {
        Text2[k]->clear();
        Text3[k]->clear();
    }
}
