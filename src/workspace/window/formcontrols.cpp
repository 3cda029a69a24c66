#include "formcontrols.h"

#include <QLabel>
#include <QPushButton>
#include <QStyleFactory>
#include <algorithm>
#include <vector>

#include "canvas.h"
#include "countframe.h"
#include "listbox.h"
#include "tasktext.h"
#include "textbox.h"
#include "windowlayout.h"

namespace plane_figures::workspace {

namespace {

using windowlayout::TwipsRect;

}  // namespace

// The window's own texts: the headings (the title, above the X list, the Y
// list, the canvas and the N list), the buttons' captions, and what a screen
// reader hears of the controls that have no caption of their own.
struct FormControls::Texts {
    std::array<QString, 5> headings;
    std::array<QString, 3> buttons;
    QString canvas_description;
    QString numbers_name;
    QString report_name;
    QString quotation_name;
};

FormControls::Texts FormControls::OwnTexts() {
    return {{tr("Върхове на равнинни фигури - координати на точки"), tr("Абсциса"), tr("Ордината"),
             tr("Посочете връх на фигура"), tr("N")},
            {tr("Чертай"), tr("Изчисти"), tr("Изтрий  1 т.")},
            tr("Платно с мрежа през 20 пиксела. Щракване въвежда точка в "
               "най-близкия възел на мрежата."),
            tr("Номер на точка (N)"),
            tr("Резултат"),
            tr("Цитат")};
}

FormControls::FormControls(QWidget* form)
    : button_style_(QStyleFactory::create(QStringLiteral("Fusion"))) {
    const auto heading = [&](const QString& caption, QRect place) {
        return windowlayout::MakeLabel(form, caption, place, windowlayout::kHeadingColour,
                                       Qt::AlignHCenter);
    };
    const Texts texts = OwnTexts();
    const std::array<QRect, 5> places{TwipsRect(840, 0, 5895, 375), TwipsRect(5160, 480, 1335, 305),
                                      TwipsRect(6480, 480, 1215, 305),
                                      TwipsRect(120, 480, 3975, 305),
                                      TwipsRect(4320, 480, 855, 305)};
    for (std::size_t i = 0; i < Label1.size(); ++i)
        Label1[i] = heading(texts.headings[i], places[i]);

    Picture1 = new Canvas(form);
    Picture1->setGeometry(TwipsRect(120, 840, 4000, 3500));
    CreateLists(form);
    Frame1 = new CountFrame(form);
    Frame1->setGeometry(TwipsRect(4320, 1680, 3375, 3255));
    CreateButtons(form, texts.buttons);

    Text1[kReport] = new TextBox(form);
    Text1[kReport]->setGeometry(TwipsRect(120, 4920, 7575, 1815));
    Text1[kQuotation] = new TextBox(form);
    Text1[kQuotation]->setGeometry(TwipsRect(1560, 5040, 6735, 1815));
    Text1[kQuotation]->SetText(CrLfText(workspace::kQuotation));
    Text1[kQuotation]->hide();
    NameControls(texts);
    SetTabOrder();
}

FormControls::~FormControls() = default;

void FormControls::CreateLists(QWidget* form) {
    const std::array<QRect, 3> places{TwipsRect(5160, 770, 1335, 915),
                                      TwipsRect(6480, 770, 1215, 915),
                                      TwipsRect(4320, 770, 855, 915)};
    for (std::size_t i = 0; i < List1.size(); ++i) {
        List1[i] = new ListBox(form);
        List1[i]->setGeometry(places[i]);
    }
}

void FormControls::CreateButtons(QWidget* form, const std::array<QString, 3>& captions) {
    const std::array<QRect, 3> places{TwipsRect(120, 4440, 1095, 375),
                                      TwipsRect(1320, 4440, 1095, 375),
                                      TwipsRect(2640, 4440, 1455, 375)};
    const std::array<QColor, 3> colours{QColor(128, 255, 128), QColor(255, 0, 0),
                                        QColor(192, 0, 192)};
    for (std::size_t b = 0; b < Command1.size(); ++b) {
        Command1[b] = new QPushButton(captions[b], form);
        Command1[b]->setGeometry(places[b]);
        // a style that paints the button's own background colour on every platform
        Command1[b]->setStyle(button_style_.get());
        QPalette palette = Command1[b]->palette();
        palette.setColor(QPalette::Button, colours[b]);
        Command1[b]->setPalette(palette);
    }
}

// Object names by role and index, and the names a screen reader speaks: a
// control's caption, or the heading above a list or the canvas.
void FormControls::NameControls(const Texts& texts) {
    const auto name = [](QWidget* widget, const char* role, std::size_t index) {
        widget->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(role)).arg(index));
    };
    for (std::size_t i = 0; i < Label1.size(); ++i) name(Label1[i], "Label1", i);
    for (const std::size_t i : {kX, kY}) name(List1[i], "List1", i);
    name(List1[kNumbers], "List1", 3);
    for (std::size_t i = 0; i < Command1.size(); ++i) name(Command1[i], "Command1", i);
    for (std::size_t i = 0; i < Text1.size(); ++i) name(Text1[i], "Text1", i);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Frame1->setObjectName(QStringLiteral("Frame1"));

    for (QLabel* label : Label1) label->setAccessibleName(label->text());
    Picture1->setAccessibleName(Label1[3]->text());
    Picture1->setAccessibleDescription(texts.canvas_description);
    List1[kX]->setAccessibleName(Label1[1]->text());
    List1[kY]->setAccessibleName(Label1[2]->text());
    List1[kNumbers]->setAccessibleName(texts.numbers_name);
    Frame1->setAccessibleName(Frame1->title());
    for (QPushButton* button : Command1) button->setAccessibleName(button->text());
    Text1[kReport]->setAccessibleName(texts.report_name);
    Text1[kQuotation]->setAccessibleName(texts.quotation_name);
}

// Keyboard order of the controls; labels and the frame take no focus and are
// skipped, as are the hidden controls.
void FormControls::SetTabOrder() {
    std::vector<std::pair<int, QWidget*>> order{
        {0, Text1[0]},    {1, Text1[1]},    {2, Label1[0]},        {3, List1[0]},   {4, List1[1]},
        {5, Command1[0]}, {6, Command1[1]}, {7, Command1[2]},      {8, Label1[1]},  {9, Label1[2]},
        {11, Picture1},   {12, Label1[3]},  {13, List1[kNumbers]}, {14, Label1[4]}, {15, Frame1}};
    // the count rows: caption, pupil's count, program's count
    const std::array<std::array<int, 3>, CountFrame::kRows> rows{{{16, 17, 18},
                                                                  {19, 20, 21},
                                                                  {22, 23, 24},
                                                                  {25, 26, 27},
                                                                  {30, 29, 28},
                                                                  {33, 32, 31},
                                                                  {36, 35, 34}}};
    for (int k = 0; k < CountFrame::kRows; ++k) {
        const auto controls = Frame1->Row(k);
        for (std::size_t c = 0; c < 3; ++c)
            order.push_back({rows[static_cast<std::size_t>(k)][c], controls[c]});
    }
    std::sort(order.begin(), order.end());
    QWidget* previous = nullptr;
    for (const auto& [tab, widget] : order) {
        if (widget->focusPolicy() == Qt::NoFocus) continue;
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

}  // namespace plane_figures::workspace
