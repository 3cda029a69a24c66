// The class-set form: how many variants, points per variant, the kinds every
// variant must hold (and that its pupils are asked), the code, a heading
// line, drawn points or plotting, a short key, and the folder. It says before
// any work why settings cannot make a set, and how much work the set gives
// each pupil (the set is made aside, as the button would make it, and the
// figures of the kinds asked in its variants counted), and makes and writes
// the set when asked.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "askedkinds.h"
#include "classsettings.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QThread;
class QTimer;

namespace plane_figures::workspace {

class ClassSetForm : public QWidget {
    Q_OBJECT

public:
    explicit ClassSetForm(QWidget* parent = nullptr);
    ~ClassSetForm() override;

    // the settings as the form holds them
    classset::ClassSettings Settings() const;
    // Why the settings cannot make a set, empty when they can.
    QString Refusal() const;
    // Make the set and write its files into the folder; what happened, in
    // words for the teacher (also shown under the form). True on success,
    // after which a new code is offered.
    bool Make();
    // a new code in the code's box
    void OfferNewCode();

    // Ask the teacher a yes-or-no question (a class set already in the
    // folder, or variants that share answers): true for yes. A question box
    // unless a test puts in its own.
    std::function<bool(const QString& question)> confirm;

    // the form's fields, for tests and a screen reader's names
    QSpinBox* Variants() const { return variants_; }
    QSpinBox* Points() const { return points_; }
    QCheckBox* Kind(int row) const { return kinds_.at(static_cast<std::size_t>(row)); }
    QLineEdit* Code() const { return code_; }
    QLineEdit* Heading() const { return heading_; }
    QRadioButton* Plotting() const { return plotting_; }
    QCheckBox* ShortKey() const { return short_key_; }
    // the work per pupil: "Около 62 фигури на ученик …"
    QLabel* Work() const { return work_; }
    QLineEdit* Folder() const { return folder_; }
    QPushButton* MakeButton() const { return make_; }
    QLabel* Message() const { return message_; }

private:
    void ChooseFolder();
    // the refusal or the settings' summary under the form, the button enabled
    // only when the set can be made
    void Check();
    // the work per pupil of the settings as they are, worked out aside
    void EstimateWork();
    void ShowWork(const classset::ClassSettings& settings, std::optional<classset::Work> work);

    QSpinBox* variants_;
    QSpinBox* points_;
    std::array<QCheckBox*, kKindCount> kinds_{};
    QLineEdit* code_;
    QLineEdit* heading_;
    QRadioButton* drawn_;
    QRadioButton* plotting_;
    QLineEdit* folder_;
    QCheckBox* short_key_;
    QPushButton* make_;
    QLabel* message_;
    QLabel* work_;
    QTimer* work_timer_;              // the work is worked out once the settings rest
    QThread* work_thread_ = nullptr;  // the set being made aside, if any
    std::optional<classset::ClassSettings> work_for_;  // the settings whose work is said
};

}  // namespace plane_figures::workspace
