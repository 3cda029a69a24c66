// The pupil's work, with one owner: the points, the chosen point, the
// analysis result whose report the report box shows, the program's and the
// pupil's counts, and the steps that can be undone, with the state last opened or saved. The
// window's lists, canvas, count frame, report box and sheets are views of it: they are told what
// changed and read it from here. The commands change the state; the model's
// operations tell the views what the change changed.
#pragma once

#include <QObject>
#include <QStringList>
#include <QUndoStack>
#include <memory>
#include <span>

#include "analysisresult.h"
#include "figureanalysis.h"
#include "handedin.h"
#include "pointset.h"
#include "taskstate.h"
#include "workspacesnapshot.h"

namespace plane_figures::workspace {

class AddPointCommand;
class DeletePointCommand;
class ReplacePointsCommand;

class WorkspaceModel : public QObject {
    Q_OBJECT

public:
    // Steps that can be undone, the oldest forgotten first.
    static constexpr int kUndoLimit = 1000;
    // The chosen row when no point is chosen.
    static constexpr int kNone = -1;

    // report_text: what the report box shows before the first analysis.
    explicit WorkspaceModel(QString report_text = {}, QObject* parent = nullptr);

    const PointSet& Points() const { return points_; }
    int PointCount() const { return points_.Size(); }
    // The row of the chosen point (light green, selected in the lists), or kNone.
    int Chosen() const { return chosen_; }
    const QString& ReportText() const { return report_text_; }
    // The result that ReportText reports, whenever the points are those it
    // was made for (again, after an undo or a redo); else null.
    std::shared_ptr<const AnalysisResult> Result() const;
    const Counts& PupilCounts() const { return pupil_counts_; }
    const Counts& ProgramCounts() const { return program_counts_; }
    // The steps, their texts, and whether the work is as last opened or saved.
    const QUndoStack& UndoStack() const { return undo_stack_; }
    // Whether the work came from a file or went to one, and has changed since:
    // the undo stack is not where it was when the file was opened or saved.
    // A task's counts, checks and hints count as changes too.
    bool Unsaved() const;

    // The steps: each is one command on the undo stack.
    // Enter a point (already on its grid node); false when the set is full.
    bool AddPoint(GridPoint node);
    // Delete the point at row; false when there is none.
    bool DeletePoint(int row);
    // Delete the chosen point ("Изтрий  1 т."); false when none is chosen.
    bool DeleteChosen() { return DeletePoint(chosen_); }
    // "Изчисти": no points, none chosen, no report, no counts in the shown rows.
    void Clear();
    // Opening a file: the points replaced as after "Изчисти" and an entry of
    // each, and the work then as in the file; false (and no change) when
    // there are too many.
    bool ReplacePoints(std::span<const GridPoint> points);
    // The last step taken back, or brought back: the work, the chosen point
    // included, as it was before the step, or after it.
    void Undo();
    void Redo();

    // A class set's variant opened as the pupil's task: its points as an
    // opening puts them, but no step that can be undone into other points;
    // the counts of a task he saved in the boxes. While the task is open no
    // step changes its points (each is refused and PointsLocked said), until
    // he leaves it. False (and no change) when there are too many points.
    bool OpenTask(std::span<const GridPoint> points, const task::HandedIn& handed_in);
    void LeaveTask();
    // The open task, or null.
    const TaskState* Task() const { return task_.get(); }
    // Whether a step may change the points; if not, PointsLocked is said.
    bool PointsMayChange();
    // "Провери", "Подсказка" for kind, "Покажи отговорите" and the pupil's
    // name on a task; nothing without one. A check with every box blank is
    // none: false, nothing counted.
    bool CheckCounts();
    std::optional<TaskState::Hint> NextHint(int kind);
    void ShowAnswers();
    void SetPupil(const QString& pupil);
    // What a saved task holds now.
    std::optional<task::HandedIn> HandedIn() const;

    // Not steps: choosing a point (kNone: none), "Чертай", the pupil typing
    // his count of a kind, and saving the work to a file.
    void Choose(int row);
    const AnalysisResult& Analyse();
    void SetPupilCount(int kind, const QString& text);
    void MarkSaved();

    // The state a replacement takes away and its undo brings back.
    WorkspaceSnapshot Snapshot() const;

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
    // A task opened or left, or its checks, hints or answers changed.
    void TaskChanged();
    // A step that would change the points of the open task was refused.
    void PointsLocked();

private:
    friend class AddPointCommand;
    friend class DeletePointCommand;
    friend class ReplacePointsCommand;

    // The commands' changes, which tell nobody: a point put in or taken out
    // with the choice it leaves, and a replacement's state.
    void Insert(int row, GridPoint point, int chosen);
    void Remove(int row, int chosen);
    void Restore(const WorkspaceSnapshot& snapshot);

    // The state after "Изчисти" and an entry of each of points.
    WorkspaceSnapshot Replaced(std::span<const GridPoint> points) const;
    void Replace(std::span<const GridPoint> points, const QString& step);
    // What the views were last told of beside the points.
    struct Told {
        int chosen;
        QString report_text;
        std::shared_ptr<const AnalysisResult> result;
        Counts pupil_counts;
        Counts program_counts;
    };
    Told Now() const;
    // Tell the views what changed since before, beside the points.
    void TellChanges(const Told& before);
    // The stack moved back or on: every view anew.
    template <typename Move>
    void Retrace(Move move);

    PointSet points_;
    int chosen_ = kNone;
    FigureAnalysis analysis_;
    QString report_text_;
    std::shared_ptr<const AnalysisResult> report_result_;  // what ReportText reports
    std::vector<GridPoint> report_points_;                 // the points it was made for
    Counts pupil_counts_;
    Counts program_counts_;
    QUndoStack undo_stack_;
    bool has_file_ = false;  // the work was opened from a file or saved to one
    std::unique_ptr<TaskState> task_;
};

}  // namespace plane_figures::workspace
