#include "workspacemodel.h"

#include <QCoreApplication>
#include <array>

#include "pupiltext.h"

namespace plane_figures::workspace {

namespace {

// the steps' names, for a translator: the session's texts by their bytes
constexpr std::array<const char*, 4> kStepNames{
    QT_TRANSLATE_NOOP("WorkspaceModel", "въвеждането на точка"),
    QT_TRANSLATE_NOOP("WorkspaceModel", "изтриването на точка %1"),
    QT_TRANSLATE_NOOP("WorkspaceModel", "изчистването"),
    QT_TRANSLATE_NOOP("WorkspaceModel", "отварянето на файл")};
static_assert(kStepNames[0] == session::PupilSession::kEntering &&
              kStepNames[1] == session::PupilSession::kDeleting &&
              kStepNames[2] == session::PupilSession::kClearing &&
              kStepNames[3] == session::PupilSession::kOpening);

}  // namespace

WorkspaceModel::WorkspaceModel(const QString& report_text, QObject* parent)
    : QObject(parent), session_(report_text.toStdString(), PupilText()) {}

Counts WorkspaceModel::Texts(const session::CountTexts& texts) {
    Counts counts;
    for (std::size_t k = 0; k < counts.size(); ++k) counts[k] = QString::fromStdString(texts[k]);
    return counts;
}

QString WorkspaceModel::StepText(const session::WorkStep* step) {
    if (step == nullptr) return QString();
    // the session's texts, translated by their bytes as the core's are
    const QString text = QCoreApplication::translate("WorkspaceModel", step->text.data());
    return step->number >= 0 ? text.arg(step->number) : text;
}

const AnalysisResult* WorkspaceModel::Analyse() {
    return Tell(session_.Analyse()) ? session_.Result().get() : nullptr;
}

bool WorkspaceModel::Tell(const session::SessionChanges& changes) {
    if (changes.added >= 0) emit PointAdded(changes.added);
    if (changes.removed >= 0) emit PointRemoved(changes.removed);
    if (changes.points) emit PointsReplaced();
    if (changes.choice) emit ChoiceChanged(session_.Chosen());
    if (changes.report) emit ReportChanged();
    if (changes.result) emit ResultChanged();
    if (changes.counts) emit CountsChanged();
    if (changes.pupil_count >= 0) emit PupilCountChanged(changes.pupil_count);
    if (changes.task) emit TaskChanged();
    if (changes.locked) emit PointsLocked();
    if (changes.steps) emit StepsChanged();
    if (changes.overlay) emit OverlayChanged();
    return changes.done;
}

}  // namespace plane_figures::workspace
