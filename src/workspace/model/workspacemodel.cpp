#include "workspacemodel.h"

#include <utility>

#include "addpointcommand.h"
#include "clearcommand.h"
#include "deletepointcommand.h"
#include "replacepointscommand.h"

namespace plane_figures::workspace {

WorkspaceModel::WorkspaceModel(QString report_text, QObject* parent)
    : QObject(parent), report_text_(std::move(report_text)) {
    undo_stack_.setUndoLimit(kUndoLimit);
}

bool WorkspaceModel::AddPoint(GridPoint node) {
    if (points_.Full()) return false;
    undo_stack_.push(new AddPointCommand(*this, node));
    return true;
}

bool WorkspaceModel::DeletePoint(int row) {
    if (row < 0 || row >= points_.Size()) return false;
    undo_stack_.push(new DeletePointCommand(*this, row));
    return true;
}

void WorkspaceModel::Clear() { Replace({}, QString()); }

bool WorkspaceModel::ReplacePoints(std::span<const GridPoint> points) {
    if (points.size() > static_cast<std::size_t>(PointSet::kCapacity)) return false;
    Replace(points, QStringLiteral("отварянето на файл"));
    return true;
}

// A replacement that changes nothing is no step to undo.
void WorkspaceModel::Replace(std::span<const GridPoint> points, const QString& step) {
    WorkspaceSnapshot before = Snapshot();
    WorkspaceSnapshot after = Replaced(points);
    if (after == before) {
        Restore(after);
    } else if (step.isEmpty()) {
        undo_stack_.push(new ClearCommand(*this, std::move(before), std::move(after)));
    } else {
        undo_stack_.push(
            new ReplacePointsCommand(*this, step, std::move(before), std::move(after)));
    }
}

WorkspaceSnapshot WorkspaceModel::Replaced(std::span<const GridPoint> points) const {
    WorkspaceSnapshot after = Snapshot();
    after.points.assign(points.begin(), points.end());
    after.report_text.clear();
    after.report_result.reset();
    after.report_points.clear();
    for (std::size_t k = 0; k < static_cast<std::size_t>(kKindCount); ++k) {
        after.pupil_counts[k].clear();
        after.program_counts[k].clear();
    }
    return after;
}

const AnalysisResult& WorkspaceModel::Analyse() {
    auto result = std::make_shared<const AnalysisResult>(analysis_.Run(points_.Points()));
    report_text_ = QString::fromStdString(result->ReportText());
    for (int k = 0; k < kKindCount; ++k)
        program_counts_[static_cast<std::size_t>(k)] = QString::fromStdString(result->CountText(k));
    report_result_ = std::move(result);
    report_points_.assign(points_.Points().begin(), points_.Points().end());
    emit ReportChanged();
    emit ResultChanged();
    emit CountsChanged();
    return *report_result_;
}

void WorkspaceModel::SetPupilCount(int kind, const QString& text) {
    QString& count = pupil_counts_.at(static_cast<std::size_t>(kind));
    if (count == text) return;
    count = text;
    emit PupilCountChanged(kind);
}

WorkspaceSnapshot WorkspaceModel::Snapshot() const {
    return {std::vector<GridPoint>(points_.Points().begin(), points_.Points().end()),
            report_text_,
            report_result_,
            report_points_,
            pupil_counts_,
            program_counts_};
}

std::shared_ptr<const AnalysisResult> WorkspaceModel::Result() const {
    const auto points = points_.Points();
    const bool same =
        std::equal(points.begin(), points.end(), report_points_.begin(), report_points_.end());
    return same ? report_result_ : nullptr;
}

template <typename Change>
void WorkspaceModel::Changing(Change change) {
    const auto before = Result();
    change();
    if (Result() != before) emit ResultChanged();
}

void WorkspaceModel::Restore(const WorkspaceSnapshot& snapshot) {
    const auto before = Result();
    points_.Assign(snapshot.points);
    report_text_ = snapshot.report_text;
    report_result_ = snapshot.report_result;
    report_points_ = snapshot.report_points;
    pupil_counts_ = snapshot.pupil_counts;
    program_counts_ = snapshot.program_counts;
    emit PointsReplaced();
    emit ReportChanged();
    if (Result() != before) emit ResultChanged();
    emit CountsChanged();
}

void WorkspaceModel::InsertPoint(int row, GridPoint point, Shown shown) {
    Changing([&] {
        if (!points_.Insert(row, point)) return;
        if (shown == Shown::kDone) {
            emit PointAdded(row);
        } else {
            emit PointsReplaced();
        }
    });
}

void WorkspaceModel::RemovePoint(int row, Shown shown) {
    Changing([&] {
        if (!points_.RemoveAt(row)) return;
        if (shown == Shown::kDone) {
            emit PointRemoved(row);
        } else {
            emit PointsReplaced();
        }
    });
}

}  // namespace plane_figures::workspace
