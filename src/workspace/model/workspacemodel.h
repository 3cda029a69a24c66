// The pupil's session as the window sees it: the session (Qt-free) owns the
// work and decides every rule; this adapter turns what each call changed
// into signals and its texts into QStrings. The window's lists, canvas,
// count frame, report box, task panel and sheets are views of it: they are
// told what changed and read it from here.
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <optional>
#include <span>

#include "pupilsession.h"

namespace plane_figures::workspace {

// A column of counts as its boxes show them.
using Counts = std::array<QString, kKindCount>;

class WorkspaceModel : public QObject {
    Q_OBJECT

public:
    static constexpr int kUndoLimit = session::PupilSession::kUndoLimit;
    static constexpr int kNone = session::PupilSession::kNone;

    // report_text: what the report box shows before the first analysis.
    explicit WorkspaceModel(const QString& report_text = {}, QObject* parent = nullptr);

    const session::PupilSession& Session() const { return session_; }
    const PointSet& Points() const { return session_.Points(); }
    int PointCount() const { return session_.PointCount(); }
    int Chosen() const { return session_.Chosen(); }
    QString ReportText() const { return QString::fromStdString(session_.ReportText()); }
    std::shared_ptr<const AnalysisResult> Result() const { return session_.Result(); }
    Counts PupilCounts() const { return Texts(session_.PupilCounts()); }
    Counts ProgramCounts() const { return Texts(session_.ProgramCounts()); }
    bool Unsaved() const { return session_.Unsaved(); }

    // The steps to take back and bring back, as "Отмени" and "Върни" name them.
    bool CanUndo() const { return session_.Steps().CanUndo(); }
    bool CanRedo() const { return session_.Steps().CanRedo(); }
    QString UndoText() const { return StepText(session_.Steps().Undoable()); }
    QString RedoText() const { return StepText(session_.Steps().Redoable()); }
    // whether the points are as last opened or saved (the task's lines aside)
    bool StepsAtSaved() const { return session_.Steps().AtSaved(); }

    // The session's calls; see PupilSession.
    bool AddPoint(GridPoint node) { return Tell(session_.AddPoint(node)); }
    bool DeletePoint(int row) { return Tell(session_.DeletePoint(row)); }
    bool DeleteChosen() { return Tell(session_.DeleteChosen()); }
    void Clear() { Tell(session_.Clear()); }
    bool ReplacePoints(std::span<const GridPoint> points) {
        return Tell(session_.ReplacePoints(points));
    }
    void Undo() { Tell(session_.Undo()); }
    void Redo() { Tell(session_.Redo()); }
    bool OpenTask(std::span<const GridPoint> points, const task::HandedIn& handed_in) {
        return Tell(session_.OpenTask(points, handed_in));
    }
    void LeaveTask() { Tell(session_.LeaveTask()); }
    const session::TaskProgress* Task() const { return session_.Task(); }
    bool CheckCounts() { return Tell(session_.CheckCounts()); }
    bool Hint() { return Tell(session_.Hint()); }
    int HintKind() const { return session_.HintKind(); }
    void ChooseHintKind(int kind) { Tell(session_.ChooseHintKind(kind)); }
    QString Said() const { return QString::fromStdString(session_.Said()); }
    QString BoxVerdict(int kind) const { return QString::fromStdString(session_.BoxVerdict(kind)); }
    void ShowAnswers() { Tell(session_.ShowAnswers()); }
    void SetPupil(const QString& pupil) { Tell(session_.SetPupil(pupil.toStdString())); }
    std::optional<task::HandedIn> HandedIn() const { return session_.HandedIn(); }
    bool DrawAllowed() const { return session_.DrawAllowed(); }
    void Choose(int row) { Tell(session_.Choose(row)); }
    // "Чертай": the result, or null while the task holds it back.
    const AnalysisResult* Analyse();
    void SetPupilCount(int kind, const QString& text) {
        Tell(session_.SetPupilCount(kind, text.toStdString()));
    }
    void MarkSaved() { Tell(session_.MarkSaved()); }
    void ChooseLine(int line) { Tell(session_.ChooseLine(line)); }
    int ChosenLine() const { return session_.ChosenLine(); }
    const Figure* ShownFigure() const { return session_.ShownFigure(); }
    QString ShownReason() const { return QString::fromStdString(session_.ShownReason()); }

    // The state a replacement takes away and its undo brings back.
    session::WorkSnapshot Snapshot() const { return session_.Snapshot(); }

    // The name of a step as "Отмени" and "Върни" show it: the session's
    // text, translated by its bytes, with its row.
    static QString StepText(const session::WorkStep* step);

signals:
    // A point entered or deleted by the pupil just now.
    void PointAdded(int row);
    void PointRemoved(int row);
    // All the points anew: cleared, opened, or a step undone or redone.
    void PointsReplaced();
    // Another point is chosen, or none; after the points it is a row of.
    void ChoiceChanged(int row);
    void ReportChanged();
    // The result went or came; the report's lines name other figures.
    void ResultChanged();
    // Both columns of counts, as a whole.
    void CountsChanged();
    void PupilCountChanged(int kind);
    // A task opened or left, or its checks, hints, answers, the hint's kind
    // or what it says changed.
    void TaskChanged();
    // A step that would change the points of the open task was refused.
    void PointsLocked();
    // The steps to take back or bring back, or the saved place.
    void StepsChanged();
    // The figure drawn over the canvas, and why, or none.
    void OverlayChanged();

private:
    static Counts Texts(const session::CountTexts& texts);
    // Signal what changed, in the order the views need; whether it was done.
    bool Tell(const session::SessionChanges& changes);

    session::PupilSession session_;
};

}  // namespace plane_figures::workspace
