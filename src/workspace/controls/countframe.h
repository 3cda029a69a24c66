// The frame of figure kinds: for each kind its caption, the pupil's own count
// and the program's count.
#pragma once

#include <QGroupBox>
#include <array>

#include "figurekinds.h"

class QLabel;
class QLineEdit;

namespace plane_figures::workspace {

class WorkspaceModel;

class CountFrame : public QGroupBox {
    Q_OBJECT

public:
    static constexpr int kRows = kKindCount;

    explicit CountFrame(QWidget* parent = nullptr);

    // Show the counts of model and keep showing them; what the pupil types
    // goes to model.
    void Follow(WorkspaceModel& model);

    // The focusable controls of row k: caption, pupil's count, program's count.
    std::array<QWidget*, 3> Row(int kind) const;

private:
    struct Texts;
    void CreateRow(int kind);
    void NameRow(int kind);
    void ShowCounts(const WorkspaceModel& model);
    void ShowPupilCount(const WorkspaceModel& model, int kind);

    std::array<QLabel*, kRows> Label2{};
    std::array<QLineEdit*, kRows> Text2{};  // the pupil's counts
    std::array<QLineEdit*, kRows> Text3{};  // the program's counts
};

}  // namespace plane_figures::workspace
