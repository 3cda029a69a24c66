#include "pupilsession.h"

#include <algorithm>
#include <utility>
#include <variant>

#include "exercisetext.h"
#include "figurereason.h"
#include "pointfile.h"
#include "pupilname.h"

namespace plane_figures::session {

namespace {

// result, while points are those its report was made for; else null
std::shared_ptr<const AnalysisResult> ResultWhile(
    std::span<const GridPoint> points, std::span<const GridPoint> made_for,
    const std::shared_ptr<const AnalysisResult>& result) {
    return std::equal(points.begin(), points.end(), made_for.begin(), made_for.end()) ? result
                                                                                      : nullptr;
}

// the chosen row after row is deleted: none if it was row, one up if below it
int ChosenAfterDeleting(int chosen, int row) {
    if (chosen == row) return PupilSession::kNone;
    return chosen > row ? chosen - 1 : chosen;
}

}  // namespace

PupilSession::PupilSession(std::string report_text, PupilTexts texts)
    : report_text_(std::move(report_text)), texts_(std::move(texts)) {}

std::shared_ptr<const AnalysisResult> PupilSession::Result() const {
    return ResultWhile(points_.Points(), report_points_, report_result_);
}

bool PupilSession::Unsaved() const {
    return has_file_ && (!history_.AtSaved() || (task_ && task_->Changed(pupil_counts_)));
}

bool PupilSession::PointsMayChange(SessionChanges& changes) {
    if (!task_) return true;
    changes = Say(texts_.PointsLocked());
    changes.locked = true;
    return false;
}

SessionChanges PupilSession::Say(std::string text) {
    SessionChanges changes;
    if (text != said_) {
        said_ = std::move(text);
        changes.task = true;
    }
    return changes;
}

bool PupilSession::HideFigure() {
    const bool shown = shown_figure_ != nullptr || chosen_line_ >= 0;
    shown_figure_ = nullptr;
    chosen_line_ = -1;
    return shown;
}

SessionChanges PupilSession::ChooseLine(int line) {
    const Figure* figure = Result() ? Result()->FigureOfLine(line) : nullptr;
    const int chosen = figure ? line : -1;
    SessionChanges changes;
    if (chosen == chosen_line_ && figure == shown_figure_) return changes;
    chosen_line_ = chosen;
    shown_figure_ = figure;
    changes.done = figure != nullptr;
    changes.overlay = true;
    return changes;
}

std::string PupilSession::ShownReason() const {
    return shown_figure_ ? FigureReason(*shown_figure_, points_.Points()) : std::string();
}

SessionChanges PupilSession::AddPoint(GridPoint node) {
    SessionChanges changes;
    if (points_.Full() || !PointsMayChange(changes)) return changes;
    const WorkSnapshot before = Snapshot();
    WorkStep step;
    step.kind = WorkStep::Kind::kInsert;
    step.text = kEntering;
    step.row = points_.Size();
    step.point = node;
    step.chosen_before = step.chosen_after = chosen_;
    Apply(step, true);
    history_.Push(std::move(step));
    changes = ChangedSince(before);
    changes.done = true;
    changes.added = points_.Size() - 1;
    changes.steps = true;
    return changes;
}

SessionChanges PupilSession::DeletePoint(int row) {
    SessionChanges changes;
    if (!PointsMayChange(changes) || row < 0 || row >= points_.Size()) return changes;
    const WorkSnapshot before = Snapshot();
    WorkStep step;
    step.kind = WorkStep::Kind::kRemove;
    step.text = kDeleting;
    step.number = step.row = row;
    step.point = points_.At(row);
    step.chosen_before = chosen_;
    step.chosen_after = ChosenAfterDeleting(chosen_, row);
    Apply(step, true);
    history_.Push(std::move(step));
    changes = ChangedSince(before);
    changes.done = true;
    changes.removed = row;
    changes.steps = true;
    return changes;
}

SessionChanges PupilSession::Clear() {
    SessionChanges changes;
    if (!PointsMayChange(changes)) return changes;
    return Replace({}, kClearing);
}

SessionChanges PupilSession::ReplacePoints(std::span<const GridPoint> points) {
    if (points.size() > static_cast<std::size_t>(PointSet::kCapacity)) return {};
    SessionChanges changes = LeaveTask();  // another file opened: a deliberate leaving
    changes += Replace(points, kOpening);
    changes += MarkSaved();  // the work is as in the file
    return changes;
}

// A replacement that changes nothing is no step to take back.
SessionChanges PupilSession::Replace(std::span<const GridPoint> points, std::string_view text) {
    WorkSnapshot before = Snapshot();
    WorkSnapshot after = Replaced(points);
    WorkSnapshot same = after;
    same.chosen = before.chosen;  // the choice alone is no work: it goes, but is no step
    SessionChanges changes;
    if (same == before) {
        Restore(after);
        changes = ChangedSince(before);
    } else {
        Restore(after);
        changes = ChangedSince(before);
        WorkStep step;
        step.kind = WorkStep::Kind::kReplace;
        step.text = text;
        step.before = std::move(before);
        step.after = std::move(after);
        history_.Push(std::move(step));
        changes.steps = true;
    }
    changes.done = true;
    changes.points = true;
    return changes;
}

// a task's points stay: its opening is no step, and no step is taken on it
SessionChanges PupilSession::Undo() {
    return task_ || !history_.CanUndo() ? SessionChanges{} : Retrace(false);
}

SessionChanges PupilSession::Redo() {
    return task_ || !history_.CanRedo() ? SessionChanges{} : Retrace(true);
}

SessionChanges PupilSession::Retrace(bool forward) {
    const WorkSnapshot before = Snapshot();
    Apply(forward ? history_.Redo() : history_.Undo(), forward);
    SessionChanges changes = ChangedSince(before);
    changes.done = changes.points = changes.steps = true;
    return changes;
}

void PupilSession::Apply(const WorkStep& step, bool forward) {
    if (step.kind == WorkStep::Kind::kReplace) return Restore(forward ? step.after : step.before);
    const bool inserting = (step.kind == WorkStep::Kind::kInsert) == forward;
    const bool moved =
        inserting ? points_.Insert(step.row, step.point) : points_.RemoveAt(step.row);
    if (moved) chosen_ = forward ? step.chosen_after : step.chosen_before;
}

std::string PupilSession::OwnFileName() const {
    return task_ ? task_->OwnFileName() : std::string();
}

SessionChanges PupilSession::OpenTask(std::span<const GridPoint> points,
                                      const task::HandedIn& handed_in) {
    if (points.size() > static_cast<std::size_t>(PointSet::kCapacity)) return {};
    const WorkSnapshot before = Snapshot();
    WorkSnapshot opened = Replaced(points);
    if (handed_in.pupil) {
        for (std::size_t k = 0; k < opened.pupil_counts.size(); ++k) {
            const std::optional<int> count = handed_in.pupil->answer[k];
            opened.pupil_counts[k] = count ? std::to_string(*count) : std::string();
        }
    }
    Restore(opened);
    history_.Clear();  // no step back to the points before, nor on to others
    const bool shown = HideFigure();
    task_ = std::make_unique<TaskProgress>(
        handed_in, std::make_shared<const AnalysisResult>(analysis_.Run(points_.Points())));
    shown_hint_.reset();
    said_.clear();
    SessionChanges changes = ChangedSince(before);
    changes.overlay = changes.overlay || shown;
    changes += MarkSaved();
    from_variant_ = !handed_in.pupil;  // a variant as the set made it
    changes.done = changes.points = changes.task = changes.steps = true;
    return changes;
}

SessionChanges PupilSession::LeaveTask() {
    SessionChanges changes;
    if (!task_) return changes;
    // a hint's figure is the task's
    if (shown_figure_ != nullptr && chosen_line_ < 0) changes.overlay = HideFigure();
    task_.reset();
    shown_hint_.reset();
    said_.clear();
    changes.done = changes.task = true;
    return changes;
}

SessionChanges PupilSession::CheckCounts() {
    if (!task_) return {};
    // nothing written in the boxes of the kinds asked: nothing to check
    if (task::AskedBoxesBlank(pupil_counts_, task_->AskedKinds()))
        return Say(texts_.WriteCountsFirst());
    task_->Check(pupil_counts_);
    shown_hint_.reset();
    SessionChanges changes = Say(std::string());
    changes.done = changes.task = true;
    return changes;
}

int PupilSession::HintKind() const { return task_ ? task_->HintKind() : -1; }

std::string PupilSession::BoxVerdict(int kind) const {
    return task_ ? task_->BoxVerdict(kind, texts_) : std::string();
}

SessionChanges PupilSession::ChooseHintKind(int kind) {
    SessionChanges changes;
    if (!task_ || !task_->ChooseHintKind(kind)) return changes;
    changes.done = changes.task = true;
    return changes;
}

SessionChanges PupilSession::Hint() {
    if (!task_) return {};
    if (!task_->LastCheck()) return Say(texts_.CheckFirst());
    if (task_->AllRight()) return Say(texts_.AllRight());
    const int kind = HintKind();
    shown_hint_ = task_->NextHint(kind);
    if (!shown_hint_) return {};
    SessionChanges changes;
    if (shown_hint_->sentence) {
        changes = Say(texts_.HintSentence(kind, *shown_hint_->sentence, task_->AskedKinds()));
    } else if (shown_hint_->figure >= 0) {
        changes = Say(texts_.HintFigure(kind));
        chosen_line_ = -1;
        shown_figure_ = &task_->Result().figures.at(static_cast<std::size_t>(shown_hint_->figure));
        changes.overlay = true;
    } else {
        return Say(texts_.NoHintLeft(kind));
    }
    changes.done = changes.task = true;
    return changes;
}

SessionChanges PupilSession::ShowAnswers() {
    SessionChanges changes;
    if (!task_ || task_->AnswersShown()) return changes;
    task_->ShowAnswers();
    changes = Say(texts_.AnswersShown());
    changes.done = changes.task = true;
    return changes;
}

SessionChanges PupilSession::SetPupil(const std::string& pupil) {
    SessionChanges changes;
    if (!task_) return changes;
    task_->SetPupil(PupilName::OneLine(pupil));
    changes.done = changes.task = true;
    return changes;
}

std::optional<task::HandedIn> PupilSession::HandedIn() const {
    if (!task_) return std::nullopt;
    return task_->HandedIn(pupil_counts_);
}

SessionChanges PupilSession::Choose(int row) {
    SessionChanges changes;
    const int chosen = row >= 0 && row < points_.Size() ? row : kNone;
    if (chosen == chosen_) return changes;
    chosen_ = chosen;
    changes.done = changes.choice = true;
    return changes;
}

SessionChanges PupilSession::Analyse() {
    if (!DrawAllowed()) return {};
    // a task's points are analysed once, when it opens
    auto result = task_ ? task_->SharedResult()
                        : std::make_shared<const AnalysisResult>(analysis_.Run(points_.Points()));
    report_text_ = result->ReportText();
    for (int k = 0; k < kKindCount; ++k)
        program_counts_[static_cast<std::size_t>(k)] = result->CountText(k);
    report_result_ = std::move(result);
    report_points_.assign(points_.Points().begin(), points_.Points().end());
    SessionChanges changes;
    changes.done = changes.report = changes.result = changes.counts = true;
    changes.overlay = HideFigure();
    return changes;
}

SessionChanges PupilSession::SetPupilCount(int kind, std::string text) {
    SessionChanges changes;
    std::string& count = pupil_counts_.at(static_cast<std::size_t>(kind));
    if (count == text) return changes;
    count = std::move(text);
    changes.done = true;
    changes.pupil_count = kind;
    return changes;
}

SessionChanges PupilSession::MarkSaved() {
    history_.MarkSaved();
    has_file_ = true;
    if (task_) task_->MarkSaved(pupil_counts_);
    from_variant_ = false;  // from now on the task is the pupil's own file
    SessionChanges changes;
    changes.done = changes.steps = true;
    return changes;
}

SessionChanges PupilSession::Open(std::string_view bytes) {
    auto read = task::ReadExercise(bytes);
    if (const auto* error = std::get_if<pointfile::Error>(&read)) {
        refusal_ = error->message;
        return {};
    }
    refusal_.clear();
    const task::Exercise& exercise = std::get<task::Exercise>(read);
    return exercise.task ? OpenTask(exercise.points, *exercise.task)
                         : ReplacePoints(exercise.points);
}

std::string PupilSession::FileBytes() const {
    const auto handed_in = HandedIn();
    return handed_in ? task::FileText(*handed_in, points_.Points())
                     : pointfile::Format(points_.Points());
}

WorkSnapshot PupilSession::Snapshot() const {
    return {std::vector<GridPoint>(points_.Points().begin(), points_.Points().end()),
            chosen_,
            report_text_,
            report_result_,
            report_points_,
            pupil_counts_,
            program_counts_};
}

WorkSnapshot PupilSession::Replaced(std::span<const GridPoint> points) {
    WorkSnapshot replaced;  // nothing chosen, no report, no counts
    replaced.points.assign(points.begin(), points.end());
    return replaced;
}

void PupilSession::Restore(const WorkSnapshot& snapshot) {
    points_.Assign(snapshot.points);
    chosen_ = snapshot.chosen;
    report_text_ = snapshot.report_text;
    report_result_ = snapshot.report_result;
    report_points_ = snapshot.report_points;
    pupil_counts_ = snapshot.pupil_counts;
    program_counts_ = snapshot.program_counts;
}

SessionChanges PupilSession::ChangedSince(const WorkSnapshot& before) {
    SessionChanges changes;
    changes.choice = chosen_ != before.chosen;
    changes.report = report_text_ != before.report_text;
    changes.result =
        Result() != ResultWhile(before.points, before.report_points, before.report_result);
    // a new report, or the old one's numbers no longer name the same points
    if (changes.result) changes.overlay = HideFigure();
    changes.counts =
        pupil_counts_ != before.pupil_counts || program_counts_ != before.program_counts;
    return changes;
}

}  // namespace plane_figures::session
