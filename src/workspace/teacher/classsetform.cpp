#include "classsetform.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>
#include <variant>

#include "classsetfiles.h"
#include "classsetfolder.h"
#include "classsetgenerator.h"
#include "classsheetfiles.h"
#include "utf8.h"

namespace plane_figures::workspace {

using classset::ClassSettings;

ClassSetForm::ClassSetForm(QWidget* parent)
    : QWidget(parent),
      variants_(new QSpinBox(this)),
      points_(new QSpinBox(this)),
      code_(new QLineEdit(this)),
      heading_(new QLineEdit(this)),
      drawn_(new QRadioButton(tr("с нанесените точки"), this)),
      plotting_(new QRadioButton(
          tr("само с таблицата на точките и празна мрежа (учениците сами ги нанасят)"), this)),
      folder_(new QLineEdit(this)),
      short_key_(new QCheckBox(
          tr("кратки отговори: само таблицата с броевете, без решенията на всеки вариант"), this)),
      make_(new QPushButton(tr("Състави вариантите"), this)),
      message_(new QLabel(this)),
      work_(new QLabel(this)),
      work_timer_(new QTimer(this)) {
    variants_->setRange(ClassSettings::kMinVariants, ClassSettings::kMaxVariants);
    variants_->setValue(ClassSettings{}.variants);
    points_->setRange(ClassSettings::kMinPoints, ClassSettings::kMaxPoints);
    points_->setValue(ClassSettings{}.points);
    // as many digits as the largest code has
    code_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(
            QStringLiteral("[0-9]{1,%1}").arg(QString::number(ClassSettings::kMaxCode).size())),
        code_));
    heading_->setPlaceholderText(tr("например 6 а клас, 12.12.2026"));
    drawn_->setChecked(true);
    // a name on disk, as the set's files are: not translated
    folder_->setText(QDir::toNativeSeparators(
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(QStringLiteral("Равнинни фигури"))));
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    work_->setObjectName(QStringLiteral("work"));
    work_->setWordWrap(true);
    work_timer_->setSingleShot(true);
    work_timer_->setInterval(300);
    connect(work_timer_, &QTimer::timeout, this, &ClassSetForm::EstimateWork);

    auto* form = new QFormLayout;
    form->addRow(tr("&Брой варианти (%1–%2):")
                     .arg(ClassSettings::kMinVariants)
                     .arg(ClassSettings::kMaxVariants),
                 variants_);
    form->addRow(tr("Брой &точки във вариант (%1–%2):")
                     .arg(ClassSettings::kMinPoints)
                     .arg(ClassSettings::kMaxPoints),
                 points_);
    auto* kinds_box =
        new QGroupBox(tr("Видове, които трябва да има във всеки вариант и които учениците броят"));
    auto* kinds_grid = new QGridLayout(kinds_box);
    for (std::size_t k = 0; k < kinds_.size(); ++k) {
        // the kind's number and the core's name, as --kinds and the key's table give them
        kinds_[k] =
            new QCheckBox(QStringLiteral("%1. %2").arg(k + 1).arg(Utf8(kKindNames[k])), kinds_box);
        kinds_[k]->setChecked(true);
        kinds_grid->addWidget(kinds_[k], static_cast<int>(k % 4), static_cast<int>(k / 4));
        connect(kinds_[k], &QCheckBox::toggled, this, &ClassSetForm::Check);
    }
    auto* code_row = new QHBoxLayout;
    auto* new_code = new QPushButton(tr("&Нов код"), this);
    code_row->addWidget(code_, 1);
    code_row->addWidget(new_code);
    form->addRow(tr("&Код на комплекта:"), code_row);
    // a row of a field and its button: the label names the field, for the
    // mnemonic and for a screen reader
    qobject_cast<QLabel*>(form->labelForField(code_row))->setBuddy(code_);
    form->addRow(tr("&Заглавен ред:"), heading_);
    auto* sheets_box = new QGroupBox(tr("Работни листове"));
    auto* sheets_column = new QVBoxLayout(sheets_box);
    sheets_column->addWidget(drawn_);
    sheets_column->addWidget(plotting_);
    auto* folder_row = new QHBoxLayout;
    auto* choose = new QPushButton(tr("&Избери…"), this);
    folder_row->addWidget(folder_, 1);
    folder_row->addWidget(choose);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(kinds_box);
    column->addWidget(work_);
    column->addWidget(sheets_box);
    column->addWidget(short_key_);
    auto* folder_form = new QFormLayout;
    folder_form->addRow(tr("&Папка:"), folder_row);
    qobject_cast<QLabel*>(folder_form->labelForField(folder_row))->setBuddy(folder_);
    column->addLayout(folder_form);
    column->addWidget(message_);
    column->addWidget(make_, 0, Qt::AlignRight);
    column->addStretch(1);

    connect(variants_, &QSpinBox::valueChanged, this, &ClassSetForm::Check);
    connect(points_, &QSpinBox::valueChanged, this, &ClassSetForm::Check);
    connect(code_, &QLineEdit::textChanged, this, &ClassSetForm::Check);
    connect(folder_, &QLineEdit::textChanged, this, &ClassSetForm::Check);
    connect(new_code, &QPushButton::clicked, this, &ClassSetForm::OfferNewCode);
    connect(choose, &QPushButton::clicked, this, &ClassSetForm::ChooseFolder);
    connect(make_, &QPushButton::clicked, this, [this] { Make(); });
    confirm = [this](const QString& question) {
        QMessageBox box(QMessageBox::Question, tr("Равнинни фигури — за учителя"), question,
                        QMessageBox::Yes | QMessageBox::No, this);
        box.button(QMessageBox::Yes)->setText(tr("Да"));
        box.button(QMessageBox::No)->setText(tr("Не"));
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    };
    OfferNewCode();
}

void ClassSetForm::OfferNewCode() {
    code_->setText(QString::number(
        QRandomGenerator::global()->bounded(1, static_cast<int>(ClassSettings::kMaxCode) + 1)));
}

ClassSettings ClassSetForm::Settings() const {
    ClassSettings settings;
    settings.variants = variants_->value();
    settings.points = points_->value();
    settings.kinds = 0;
    for (std::size_t k = 0; k < kinds_.size(); ++k) {
        if (kinds_[k]->isChecked()) settings.kinds |= 1u << k;
    }
    settings.code = code_->text().toULongLong();
    return settings;
}

QString ClassSetForm::Refusal() const {
    if (code_->text().isEmpty())
        return tr("Напишете код: цяло число до %1.").arg(ClassSettings::kMaxCode);
    if (folder_->text().trimmed().isEmpty())
        return tr("Изберете папката, в която да се запишат файловете.");
    const auto refusal = classset::Refusal(Settings());
    return refusal ? QString::fromStdString(*refusal) : QString();
}

ClassSetForm::~ClassSetForm() {
    if (work_thread_ == nullptr) return;
    disconnect(work_thread_, nullptr, this, nullptr);
    work_thread_->wait();  // the set made aside is not wanted any more
    delete work_thread_;
}

void ClassSetForm::Check() {
    const QString refusal = Refusal();
    make_->setEnabled(refusal.isEmpty());
    message_->setText(refusal);
    const ClassSettings settings = Settings();
    if (code_->text().isEmpty() || classset::Refusal(settings)) {
        work_for_.reset();
        work_timer_->stop();
        work_->clear();
        return;
    }
    if (work_for_ == settings) return;  // said, or being worked out
    work_for_ = settings;
    work_->setText(tr("Работа за ученик: изчислява се…"));
    work_timer_->start();
}

void ClassSetForm::EstimateWork() {
    if (!work_for_ || work_thread_ != nullptr) return;  // worked out again when that one ends
    const ClassSettings settings = *work_for_;
    // the set the button would make, made aside: the work is its own
    auto work = std::make_shared<std::optional<classset::Work>>();
    work_thread_ = QThread::create([settings, work] {
        auto made = classset::ClassSetGenerator(settings).Make();
        if (const auto* set = std::get_if<classset::ClassSet>(&made))
            *work = classset::WorkOf(*set);
    });
    connect(work_thread_, &QThread::finished, this, [this, settings, work] {
        work_thread_->deleteLater();
        work_thread_ = nullptr;
        if (work_for_ == settings) {
            ShowWork(settings, *work);
        } else {
            EstimateWork();
        }
    });
    work_thread_->start();
}

void ClassSetForm::ShowWork(const ClassSettings& settings, std::optional<classset::Work> work) {
    if (!work) {
        work_->setText(
            tr("Работата за ученик не можа да се изчисли: с тези настройки "
               "комплект не се съставя."));
        return;
    }
    const bool all = classset::AsksAll(settings.kinds);
    const QString kinds = all ? tr("от всички видове") : tr("от избраните видове");
    work_->setText(work->fewest == work->most
                       ? tr("Около %1 фигури на ученик: толкова има %2 във всеки вариант на "
                            "комплекта.")
                             .arg(work->mean)
                             .arg(kinds)
                       : tr("Около %1 фигури на ученик: толкова средно има %2 във вариантите на "
                            "комплекта (от %3 до %4).")
                             .arg(work->mean)
                             .arg(kinds)
                             .arg(work->fewest)
                             .arg(work->most));
}

void ClassSetForm::ChooseFolder() {
    const QString chosen =
        QFileDialog::getExistingDirectory(this, tr("Папка за вариантите"), folder_->text());
    if (!chosen.isEmpty()) folder_->setText(QDir::toNativeSeparators(chosen));
}

bool ClassSetForm::Make() {
    Check();
    if (!make_->isEnabled()) return false;
    const ClassSettings settings = Settings();
    const QString folder = QDir::fromNativeSeparators(folder_->text().trimmed());
    // a class set there is replaced only when the teacher agrees
    if (const QStringList there = classsetfolder::SetFiles(folder);
        !there.isEmpty() &&
        !confirm(tr("В папката „%1“ вече има класен комплект (файлове като „%2“). Да се замени ли "
                    "с новия? "
                    "Файловете на стария комплект ще бъдат изтрити; другите файлове в папката "
                    "остават.")
                     .arg(QDir::toNativeSeparators(folder), there.first()))) {
        message_->setText(
            tr("Нищо не е записано: старият комплект в папката остава. Изберете "
               "друга папка за новия."));
        return false;
    }
    auto made = classset::ClassSetGenerator(settings).Make();
    if (const auto* why = std::get_if<std::string>(&made)) {
        message_->setText(QString::fromStdString(*why));
        return false;
    }
    const auto& set = std::get<classset::ClassSet>(made);
    // fewer different answers than variants: said, and written only when agreed
    const int answers = classset::DifferentAnswers(set);
    const QString shared =
        answers < settings.variants
            ? tr("С тези настройки вариантите имат само %1 различни отговора за %2 варианта: "
                 "някои ученици ще имат еднакви отговори (в отговорите е отбелязано кои).")
                  .arg(answers)
                  .arg(settings.variants)
            : QString();
    if (!shared.isEmpty() && !confirm(shared + QLatin1Char(' ') + tr("Да се запишат ли?"))) {
        message_->setText(shared + QLatin1Char(' ') + tr("Нищо не е записано."));
        return false;
    }
    const auto pdfs = classsheetfiles::Pdfs(set, heading_->text(), plotting_->isChecked(),
                                            short_key_->isChecked());
    const QString failed = pdfs ? classsetfolder::Write(set, folder, *pdfs)
                                : tr("Листовете не можаха да се съставят; нищо не е записано.");
    if (!failed.isEmpty()) {
        message_->setText(failed);
        return false;
    }
    const QString place = QDir::toNativeSeparators(folder);
    message_->setText(
        settings.variants == 1
            ? tr("Готово: 1 вариант с %1 точки и код %2; работният лист и отговорите са в "
                 "папката „%3“. Предлагаме нов код за следващия клас.")
                  .arg(settings.points)
                  .arg(settings.code)
                  .arg(place)
            : tr("Готово: %1 варианта по %2 точки с код %3; работните листове и отговорите са "
                 "в папката „%4“. Предлагаме нов код за следващия клас.")
                  .arg(settings.variants)
                  .arg(settings.points)
                  .arg(settings.code)
                  .arg(place));
    if (!shared.isEmpty()) message_->setText(message_->text() + QLatin1Char(' ') + shared);
    const QString said = message_->text();
    OfferNewCode();
    message_->setText(said);
    return true;
}

}  // namespace plane_figures::workspace
