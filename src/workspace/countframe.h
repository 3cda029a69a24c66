// The frame of figure kinds: for each kind its caption, the pupil's own count
// and the program's count.
#pragma once

#include <QGroupBox>
#include <array>

#include "analysisresult.h"

class QLabel;
class QLineEdit;

class CountFrame : public QGroupBox {
    Q_OBJECT

public:
    static constexpr int kRows = plane_figures::kKindCount;

    explicit CountFrame(QWidget* parent = nullptr);

    // Empty both counts of the shown rows; the hidden row is not touched.
    void ClearCounts();
    // Show the program's counts of every row, the hidden one included.
    void ShowProgramCounts(const plane_figures::AnalysisResult& result);
    // The pupil's and the program's count of kind k as the boxes hold them.
    QString PupilCount(int kind) const;
    QString ProgramCount(int kind) const;
    // The caption of kind k.
    QString Caption(int kind) const;
    // Restore both columns as they were (undo).
    void SetCounts(const QStringList& pupil, const QStringList& program);

    // The focusable controls of row k: caption, pupil's count, program's count.
    std::array<QWidget*, 3> Row(int kind) const;

private:
    void CreateRow(int kind);
    void NameRow(int kind);

    std::array<QLabel*, kRows> Label2{};
    std::array<QLineEdit*, kRows> Text2{};  // the pupil's counts
    std::array<QLineEdit*, kRows> Text3{};  // the program's counts
};
