#include "taskpanel.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "pupilsession.h"
#include "pupiltext.h"

namespace plane_figures::workspace {

namespace {

constexpr int kWidth = 220;  // as narrow as the side panel is made

QLabel* Wrapped(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAccessibleName(name);
    return label;
}

// a button for a command, named and explained as the command is (without a
// menu's "…"), that takes no focus from the window: its keys are the window's
QPushButton* Button(QWidget* parent, QAction* command) {
    QString text = command->text();
    if (text.endsWith(QChar(0x2026))) text.chop(1);
    auto* button = new QPushButton(text, parent);
    button->setObjectName(command->objectName());
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(command->toolTip());
    QObject::connect(button, &QPushButton::clicked, command, &QAction::trigger);
    return button;
}

}  // namespace

TaskPanel::TaskPanel(const Commands& commands, QWidget* parent)
    : QWidget(parent),
      heading_(Wrapped(this, tr("Задача"))),
      instruction_(Wrapped(this, tr("Какво да направите"))),
      verdicts_(Wrapped(this, tr("Проверка"))),
      hint_kind_(new QComboBox(this)),
      said_(Wrapped(this, tr("Съобщение по задачата"))),
      tally_(Wrapped(this, tr("Проверки и подсказки"))),
      answers_(Button(this, commands.answers)) {
    setObjectName(QStringLiteral("TaskPanel"));
    setMinimumWidth(kWidth);
    QFont bold = font();
    bold.setBold(true);
    heading_->setFont(bold);
    instruction_->setText(Shown(PupilText().Instruction()));
    hint_kind_->setFocusPolicy(Qt::NoFocus);
    hint_kind_->setAccessibleName(tr("Подсказка за вид"));
    auto* check = Button(this, commands.check);
    auto* hint = Button(this, commands.hint);
    connect(hint_kind_, &QComboBox::activated, this,
            [this](int index) { emit HintKindChosen(hint_kind_->itemData(index).toInt()); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(check);
    buttons->addWidget(hint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : {static_cast<QWidget*>(heading_), static_cast<QWidget*>(instruction_)})
        layout->addWidget(widget);
    layout->addLayout(buttons);
    layout->addWidget(verdicts_);
    layout->addWidget(hint_kind_);
    layout->addWidget(said_);
    layout->addWidget(answers_);
    layout->addWidget(tally_);
    verdicts_->hide();
    hint_kind_->hide();
    said_->hide();
    // the widest its controls get: the kind list holding every kind
    for (int k = 0; k < kKindCount; ++k)
        hint_kind_->addItem(Shown(session::PupilTexts::KindName(k)), k);
    width_ = std::max({kWidth, layout->sizeHint().width(), hint_kind_->sizeHint().width()});
    hint_kind_->clear();
}

QSize TaskPanel::sizeHint() const { return {width_, heightForWidth(width_)}; }

void TaskPanel::Show(const session::PupilSession& session) {
    const session::TaskProgress& task = *session.Task();
    const session::PupilTexts& texts = session.Texts();
    heading_->setText(
        Shown(texts.Heading(task.Variant().number, task.Variant().settings.variants)));
    instruction_->setText(Shown(texts.Instruction(task.AskedKinds())));
    QStringList lines;
    if (task.LastCheck()) {
        for (int k = 0; k < static_cast<int>(task.LastCheck()->size()); ++k)
            lines << Shown(texts.Verdict(k, (*task.LastCheck())[static_cast<std::size_t>(k)]));
        if (task.AllRight()) lines << Shown(texts.AllRight());
    }
    Announce(verdicts_, lines.join(QLatin1Char('\n')));
    // the kinds a hint may be for, and the one it is for
    QList<int> kinds;
    for (const int k : task.WrongKinds()) kinds << k;
    QList<int> shown;
    for (int i = 0; i < hint_kind_->count(); ++i) shown << hint_kind_->itemData(i).toInt();
    if (kinds != shown) {
        hint_kind_->clear();
        for (const int k : kinds) hint_kind_->addItem(Shown(session::PupilTexts::KindName(k)), k);
    }
    hint_kind_->setCurrentIndex(static_cast<int>(kinds.indexOf(session.HintKind())));
    hint_kind_->setVisible(!kinds.isEmpty());
    Announce(said_, Shown(session.Said()));
    answers_->setEnabled(!task.AnswersShown());
    tally_->setText(Shown(texts.Tally(task.Checks(), task.HintsUsed())));
}

QString TaskPanel::Said() const { return said_->text(); }

QString TaskPanel::Verdicts() const { return verdicts_->text(); }

int TaskPanel::HintKind() const {
    return hint_kind_->count() > 0 ? hint_kind_->currentData().toInt() : -1;
}

// the label's text shown and given to screen readers as its description
void TaskPanel::Announce(QLabel* label, const QString& text) {
    if (label->text() == text) return;
    label->setText(text);
    label->setVisible(!text.isEmpty());
    label->setAccessibleDescription(text);
    QAccessibleEvent changed(label, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

}  // namespace plane_figures::workspace
