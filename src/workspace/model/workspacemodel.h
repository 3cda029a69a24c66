// The pupil's work, with one owner: the points, the analysis result whose
// report the report box shows, the program's and the pupil's counts, and the
// steps that can be undone. The window's
// lists, canvas, count frame, report box and sheets are views of it: they
// are told what changed and read it from here.
#pragma once

#include <QObject>
#include <QStringList>
#include <QUndoStack>
#include <memory>
#include <span>

#include "analysisresult.h"
#include "figureanalysis.h"
#include "pointset.h"
#include "workspacesnapshot.h"

namespace plane_figures::workspace {

class WorkspaceModel : public QObject {
    Q_OBJECT

public:
    // Steps that can be undone, the oldest forgotten first.
    static constexpr int kUndoLimit = 1000;

    // report_text: what the report box shows before the first analysis.
    explicit WorkspaceModel(QString report_text = {}, QObject* parent = nullptr);

    const PointSet& Points() const { return points_; }
    int PointCount() const { return points_.Size(); }
    const QString& ReportText() const { return report_text_; }
    // The result that ReportText reports, whenever the points are those it
    // was made for (again, after an undo or a redo); else null.
    std::shared_ptr<const AnalysisResult> Result() const;
    const Counts& PupilCounts() const { return pupil_counts_; }
    const Counts& ProgramCounts() const { return program_counts_; }
    QUndoStack& UndoStack() { return undo_stack_; }
    const QUndoStack& UndoStack() const { return undo_stack_; }

    // The steps: each is one command on the undo stack.
    // Enter a point (already on its grid node); false when the set is full.
    bool AddPoint(GridPoint node);
    // Delete the point at row; false when there is none.
    bool DeletePoint(int row);
    // "Изчисти": no points, no report, no counts in the shown rows.
    void Clear();
    // Opening a file: the points replaced as after "Изчисти" and an entry of
    // each; false (and no change) when there are too many.
    bool ReplacePoints(std::span<const GridPoint> points);

    // Not steps: "Чертай", and the pupil typing his count of a kind.
    const AnalysisResult& Analyse();
    void SetPupilCount(int kind, const QString& text);

    // For the commands: the state a replacement takes away, and bringing it
    // back; a point put in or taken out, shown as done now or as undone.
    WorkspaceSnapshot Snapshot() const;
    void Restore(const WorkspaceSnapshot& snapshot);
    enum class Shown { kDone, kRestored };
    void InsertPoint(int row, GridPoint point, Shown shown);
    void RemovePoint(int row, Shown shown);

signals:
    // A point entered or deleted by the pupil just now.
    void PointAdded(int row);
    void PointRemoved(int row);
    // All the points anew: cleared, opened, or a step undone or redone.
    void PointsReplaced();
    void ReportChanged();
    // The result went or came; the report's lines name other figures.
    void ResultChanged();
    // Both columns of counts, as a whole.
    void CountsChanged();
    void PupilCountChanged(int kind);

private:
    // The state after "Изчисти" and an entry of each of points.
    WorkspaceSnapshot Replaced(std::span<const GridPoint> points) const;
    void Replace(std::span<const GridPoint> points, const QString& step);
    // Run change, and tell whether Result() is another one after it.
    template <typename Change>
    void Changing(Change change);

    PointSet points_;
    FigureAnalysis analysis_;
    QString report_text_;
    std::shared_ptr<const AnalysisResult> report_result_;  // what ReportText reports
    std::vector<GridPoint> report_points_;                 // the points it was made for
    Counts pupil_counts_;
    Counts program_counts_;
    QUndoStack undo_stack_;
};

}  // namespace plane_figures::workspace
