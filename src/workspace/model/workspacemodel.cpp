#include "workspacemodel.h"

#include <algorithm>
#include <utility>

#include "commands.h"

namespace plane_figures::workspace {

WorkspaceModel::WorkspaceModel(QString report_text, QObject* parent)
    : QObject(parent), report_text_(std::move(report_text)) {
    undo_stack_.setUndoLimit(kUndoLimit);
}

bool WorkspaceModel::AddPoint(GridPoint node) {
    if (points_.Full() || !PointsMayChange()) return false;
    const Told before = Now();
    const int row = points_.Size();
    undo_stack_.push(new AddPointCommand(*this, node));
    emit PointAdded(row);
    TellChanges(before);
    return true;
}

bool WorkspaceModel::DeletePoint(int row) {
    if (row < 0 || row >= points_.Size() || !PointsMayChange()) return false;
    const Told before = Now();
    undo_stack_.push(new DeletePointCommand(*this, row));
    emit PointRemoved(row);
    TellChanges(before);
    return true;
}

void WorkspaceModel::Clear() {
    if (PointsMayChange()) Replace({}, tr("изчистването"));
}

bool WorkspaceModel::ReplacePoints(std::span<const GridPoint> points) {
    if (points.size() > static_cast<std::size_t>(PointSet::kCapacity)) return false;
    LeaveTask();  // another file opened: a deliberate leaving
    Replace(points, tr("отварянето на файл"));
    MarkSaved();  // the work is as in the file
    return true;
}

void WorkspaceModel::MarkSaved() {
    undo_stack_.setClean();
    has_file_ = true;
    if (task_) task_->MarkSaved(pupil_counts_);
}

bool WorkspaceModel::Unsaved() const {
    return has_file_ && (!undo_stack_.isClean() || (task_ && task_->Changed(pupil_counts_)));
}

bool WorkspaceModel::OpenTask(std::span<const GridPoint> points, const task::HandedIn& handed_in) {
    if (points.size() > static_cast<std::size_t>(PointSet::kCapacity)) return false;
    const Told told = Now();
    WorkspaceSnapshot opened = Replaced(points);
    if (handed_in.pupil) {
        for (std::size_t k = 0; k < opened.pupil_counts.size(); ++k) {
            const std::optional<int> count = handed_in.pupil->answer[k];
            opened.pupil_counts[k] = count ? QString::number(*count) : QString();
        }
    }
    Restore(opened);
    // no step back to the points before, nor on to others
    undo_stack_.clear();
    task_ = std::make_unique<TaskState>(
        handed_in, std::make_shared<const AnalysisResult>(analysis_.Run(points_.Points())));
    MarkSaved();
    emit PointsReplaced();
    TellChanges(told);
    emit TaskChanged();
    return true;
}

void WorkspaceModel::LeaveTask() {
    if (!task_) return;
    task_.reset();
    emit TaskChanged();
}

bool WorkspaceModel::PointsMayChange() {
    if (!task_) return true;
    emit PointsLocked();
    return false;
}

bool WorkspaceModel::CheckCounts() {
    if (!task_) return false;
    // nothing written in the boxes of the kinds asked: nothing to check
    bool blank = true;
    for (int k = 0; k < kKindCount; ++k) {
        if (task_->Asks(k) && !pupil_counts_[static_cast<std::size_t>(k)].trimmed().isEmpty())
            blank = false;
    }
    if (blank) return false;
    task_->Check(pupil_counts_);
    emit TaskChanged();
    return true;
}

std::optional<TaskState::Hint> WorkspaceModel::NextHint(int kind) {
    if (!task_) return std::nullopt;
    auto hint = task_->NextHint(kind);
    emit TaskChanged();
    return hint;
}

void WorkspaceModel::ShowAnswers() {
    if (!task_ || task_->AnswersShown()) return;
    task_->ShowAnswers();
    emit TaskChanged();
}

void WorkspaceModel::SetPupil(const QString& pupil) {
    if (!task_) return;
    task_->SetPupil(pupil.simplified().toStdString());
    emit TaskChanged();
}

std::optional<task::HandedIn> WorkspaceModel::HandedIn() const {
    if (!task_) return std::nullopt;
    return task_->HandedIn(pupil_counts_);
}

template <typename Move>
void WorkspaceModel::Retrace(Move move) {
    const Told before = Now();
    move();
    emit PointsReplaced();
    TellChanges(before);
}

// A task's points stay: its opening is no step, and no step is taken on it.
void WorkspaceModel::Undo() {
    if (!task_ && undo_stack_.canUndo()) Retrace([this] { undo_stack_.undo(); });
}

void WorkspaceModel::Redo() {
    if (!task_ && undo_stack_.canRedo()) Retrace([this] { undo_stack_.redo(); });
}

void WorkspaceModel::Choose(int row) {
    const int chosen = row >= 0 && row < points_.Size() ? row : kNone;
    if (chosen == chosen_) return;
    chosen_ = chosen;
    emit ChoiceChanged(chosen_);
}

// A replacement that changes nothing is no step to undo.
void WorkspaceModel::Replace(std::span<const GridPoint> points, const QString& step) {
    const Told told = Now();
    WorkspaceSnapshot before = Snapshot();
    WorkspaceSnapshot after = Replaced(points);
    WorkspaceSnapshot same = after;
    same.chosen = before.chosen;  // the choice alone is no work: it goes, but is no step
    if (same == before) {
        Restore(after);
    } else {
        undo_stack_.push(
            new ReplacePointsCommand(*this, step, std::move(before), std::move(after)));
    }
    emit PointsReplaced();
    TellChanges(told);
}

WorkspaceSnapshot WorkspaceModel::Replaced(std::span<const GridPoint> points) const {
    WorkspaceSnapshot after = Snapshot();
    after.points.assign(points.begin(), points.end());
    after.chosen = kNone;
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
            chosen_,
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

WorkspaceModel::Told WorkspaceModel::Now() const {
    return {chosen_, report_text_, Result(), pupil_counts_, program_counts_};
}

// in the order the views need: the choice after the points it is a row of
void WorkspaceModel::TellChanges(const Told& before) {
    if (chosen_ != before.chosen) emit ChoiceChanged(chosen_);
    if (report_text_ != before.report_text) emit ReportChanged();
    if (Result() != before.result) emit ResultChanged();
    if (pupil_counts_ != before.pupil_counts || program_counts_ != before.program_counts)
        emit CountsChanged();
}

void WorkspaceModel::Restore(const WorkspaceSnapshot& snapshot) {
    points_.Assign(snapshot.points);
    chosen_ = snapshot.chosen;
    report_text_ = snapshot.report_text;
    report_result_ = snapshot.report_result;
    report_points_ = snapshot.report_points;
    pupil_counts_ = snapshot.pupil_counts;
    program_counts_ = snapshot.program_counts;
}

void WorkspaceModel::Insert(int row, GridPoint point, int chosen) {
    if (points_.Insert(row, point)) chosen_ = chosen;
}

void WorkspaceModel::Remove(int row, int chosen) {
    if (points_.RemoveAt(row)) chosen_ = chosen;
}

}  // namespace plane_figures::workspace
