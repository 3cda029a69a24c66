#include "countframe.h"

#include <QLabel>
#include <QLineEdit>
#include <string>
#include <string_view>

#include "figurekinds.h"
#include "windowlayout.h"
#include "workspacemodel.h"

namespace plane_figures::workspace {

namespace {

using plane_figures::kParallelogram;

}  // namespace

// The frame's own texts: its title, and what a screen reader hears of the
// count boxes after the kind (the kinds' names and captions are the core's,
// translated in this context too).
struct CountFrame::Texts {
    static QString Title() { return tr("Брой от вид фигура"); }
    static QString PupilsCount(const QString& kind) { return kind + tr(" – вашият брой"); }
    static QString ProgramsCount(const QString& kind) {
        return kind + tr(" – броят на програмата");
    }
    static QString Kind(std::string_view text) { return tr(std::string(text).c_str()); }
};

CountFrame::CountFrame(QWidget* parent) : QGroupBox(Texts::Title(), parent) {
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
    Label2[i] = windowlayout::MakeLabel(this, Texts::Kind(plane_figures::kKindCaptions[i]),
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
}

// Object names by role and index, and the names a screen reader speaks: the
// row's kind in full words (the caption is cut short to fit) and whose count
// it is.
void CountFrame::NameRow(int k) {
    const auto i = static_cast<std::size_t>(k);
    Label2[i]->setObjectName(QStringLiteral("Label2_%1").arg(k));
    Text2[i]->setObjectName(QStringLiteral("Text2_%1").arg(k));
    Text3[i]->setObjectName(QStringLiteral("Text3_%1").arg(k));
    const QString kind = Texts::Kind(plane_figures::kKindNames[i]);
    Label2[i]->setAccessibleName(kind);
    Text2[i]->setAccessibleName(Texts::PupilsCount(kind));
    Text3[i]->setAccessibleName(Texts::ProgramsCount(kind));
}

void CountFrame::Follow(WorkspaceModel& model) {
    connect(&model, &WorkspaceModel::CountsChanged, this, [this, &model] { ShowCounts(model); });
    connect(&model, &WorkspaceModel::PupilCountChanged, this,
            [this, &model](int kind) { ShowPupilCount(model, kind); });
    for (int k = 0; k < kRows; ++k) {
        connect(Text2[static_cast<std::size_t>(k)], &QLineEdit::textChanged, &model,
                [&model, k](const QString& text) { model.SetPupilCount(k, text); });
    }
    // a screen reader hears a box's verdict with its name
    connect(&model, &WorkspaceModel::TaskChanged, this, [this, &model] {
        for (int k = 0; k < kRows; ++k)
            Text2[static_cast<std::size_t>(k)]->setAccessibleDescription(model.BoxVerdict(k));
    });
    ShowCounts(model);
}

void CountFrame::ShowCounts(const WorkspaceModel& model) {
    for (int k = 0; k < kRows; ++k) {
        ShowPupilCount(model, k);
        Text3[static_cast<std::size_t>(k)]->setText(
            model.ProgramCounts()[static_cast<std::size_t>(k)]);
    }
}

// set only when it differs, so that the pupil's own typing keeps its undo
void CountFrame::ShowPupilCount(const WorkspaceModel& model, int kind) {
    QLineEdit* box = Text2.at(static_cast<std::size_t>(kind));
    const QString count = model.PupilCounts()[static_cast<std::size_t>(kind)];
    if (box->text() != count) box->setText(count);
}

std::array<QWidget*, 3> CountFrame::Row(int kind) const {
    const auto i = static_cast<std::size_t>(kind);
    return {Label2.at(i), Text2.at(i), Text3.at(i)};
}

}  // namespace plane_figures::workspace
