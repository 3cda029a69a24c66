#include "countframe.h"

#include <QLabel>
#include <QLineEdit>

#include "figurekinds.h"
#include "windowlayout.h"

namespace {

using plane_figures::kIsoscelesTrapezoid;
using plane_figures::kParallelogram;

}  // namespace

CountFrame::CountFrame(QWidget* parent) : QGroupBox(QStringLiteral("Брой от вид фигура"), parent) {
    windowlayout::SetBackground(this, windowlayout::kFrameColour);
    for (int k = 0; k < kRows; ++k) {
        CreateRow(k);
        NameRow(k);
    }
}

void CountFrame::CreateRow(int k) {
    const auto i = static_cast<std::size_t>(k);
    const int top = 240 + 360 * k;
    const QColor colour =
        k < kParallelogram ? windowlayout::kHeadingColour : windowlayout::kShapeRowColour;
    Label2[i] = windowlayout::MakeLabel(this, windowlayout::Utf8(plane_figures::kKindCaptions[i]),
                                        windowlayout::TwipsRect(120, top, 2175, 405), colour,
                                        Qt::AlignLeft);
    Text2[i] = new QLineEdit(this);
    Text2[i]->setGeometry(windowlayout::TwipsRect(2280, top, 495, 405));
    Text3[i] = new QLineEdit(this);
    Text3[i]->setGeometry(windowlayout::TwipsRect(2760, top, 495, 405));
    Text3[i]->setReadOnly(true);
    // a file dropped on the pupil's box goes on to the window, which opens it,
    // instead of being pasted in as text
    Text2[i]->setAcceptDrops(false);
    if (k == kIsoscelesTrapezoid) {
        Label2[i]->hide();
        Text2[i]->hide();
        Text3[i]->hide();
    }
}

// Object names by role and index, and the names a screen reader speaks: the
// row's kind and whose count it is.
void CountFrame::NameRow(int k) {
    const auto i = static_cast<std::size_t>(k);
    Label2[i]->setObjectName(QStringLiteral("Label2_%1").arg(k));
    Text2[i]->setObjectName(QStringLiteral("Text2_%1").arg(k));
    Text3[i]->setObjectName(QStringLiteral("Text3_%1").arg(k));
    Label2[i]->setAccessibleName(Label2[i]->text());
    Text2[i]->setAccessibleName(Label2[i]->text() + QStringLiteral(" - ваш брой"));
    Text3[i]->setAccessibleName(Label2[i]->text() + QStringLiteral(" - брой от програмата"));
}

void CountFrame::ClearCounts() {
    for (std::size_t k = 0; k < static_cast<std::size_t>(plane_figures::kShownKindCount); ++k) {
        Text2[k]->clear();
        Text3[k]->clear();
    }
}

void CountFrame::ShowProgramCounts(const plane_figures::AnalysisResult& result) {
    for (int k = 0; k < kRows; ++k) {
        Text3[static_cast<std::size_t>(k)]->setText(QString::fromStdString(result.CountText(k)));
    }
}

QString CountFrame::PupilCount(int kind) const {
    return Text2.at(static_cast<std::size_t>(kind))->text();
}
QString CountFrame::ProgramCount(int kind) const {
    return Text3.at(static_cast<std::size_t>(kind))->text();
}
QString CountFrame::Caption(int kind) const {
    return Label2.at(static_cast<std::size_t>(kind))->text();
}

void CountFrame::SetCounts(const QStringList& pupil, const QStringList& program) {
    for (int k = 0; k < kRows; ++k) {
        const auto i = static_cast<std::size_t>(k);
        Text2[i]->setText(pupil.value(k));
        Text3[i]->setText(program.value(k));
    }
}

std::array<QWidget*, 3> CountFrame::Row(int kind) const {
    const auto i = static_cast<std::size_t>(kind);
    return {Label2.at(i), Text2.at(i), Text3.at(i)};
}
