// The pupil's whole work, with one owner and every rule of it: the points
// and the chosen one, the analysis whose report the report box shows and
// when it is current, both columns of counts, the steps that can be taken
// back and brought back with the place last opened or saved, and the open
// task with its checks, hints and the gate on "Чертай". Plain C++: each call
// says what it changed, and a front-end (the desktop window, the page in a
// browser) reads the session anew and shows it.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "analysisresult.h"
#include "figureanalysis.h"
#include "handedin.h"
#include "pointset.h"
#include "pupiltexts.h"
#include "sessionchanges.h"
#include "stephistory.h"
#include "taskprogress.h"
#include "worksnapshot.h"

namespace plane_figures::session {

class PupilSession {
public:
    // Steps that can be taken back, the oldest forgotten first.
    static constexpr int kUndoLimit = 1000;
    // The chosen row when no point is chosen.
    static constexpr int kNone = -1;

    // The steps' names, after "Отмени" and "Върни" (%1: the point's row).
    static constexpr std::string_view kEntering = "въвеждането на точка";
    static constexpr std::string_view kDeleting = "изтриването на точка %1";
    static constexpr std::string_view kClearing = "изчистването";
    static constexpr std::string_view kOpening = "отварянето на файл";

    // report_text: what the report box shows before the first analysis;
    // texts: the words the pupil reads, in his language.
    explicit PupilSession(std::string report_text = {}, PupilTexts texts = PupilTexts());

    const PointSet& Points() const { return points_; }
    int PointCount() const { return points_.Size(); }
    // The row of the chosen point (light green, selected in the lists), or kNone.
    int Chosen() const { return chosen_; }
    const std::string& ReportText() const { return report_text_; }
    // The result that ReportText reports, whenever the points are those it
    // was made for (again, after an undo or a redo); else null.
    std::shared_ptr<const AnalysisResult> Result() const;
    const CountTexts& PupilCounts() const { return pupil_counts_; }
    const CountTexts& ProgramCounts() const { return program_counts_; }
    const StepHistory& Steps() const { return history_; }
    // Whether the work came from a file or went to one, and has changed since:
    // the steps are not where they were when the file was opened or saved.
    // A task's counts, checks and hints count as changes too.
    bool Unsaved() const;

    // The steps that can be taken back.
    // Enter a point (already on its grid node); not done when the set is full.
    SessionChanges AddPoint(GridPoint node);
    // Delete the point at row; not done when there is none (said locked first
    // on a task).
    SessionChanges DeletePoint(int row);
    // Delete the chosen point ("Изтрий  1 т."); not done when none is chosen.
    SessionChanges DeleteChosen() { return DeletePoint(chosen_); }
    // "Изчисти": no points, none chosen, no report, no counts in the shown
    // rows. A clearing that changes nothing is no step.
    SessionChanges Clear();
    // Opening a file: the points replaced as after "Изчисти" and an entry of
    // each, and the work then as in the file; not done (and no change) when
    // there are too many. An open task is left.
    SessionChanges ReplacePoints(std::span<const GridPoint> points);
    // The last step taken back, or brought back: the work, the chosen point
    // included, as it was before the step, or after it.
    SessionChanges Undo();
    SessionChanges Redo();

    // A class set's variant opened as the pupil's task: its points as an
    // opening puts them, but no step that can be taken back into other
    // points; the counts of a task he saved in the boxes. While the task is
    // open no step changes its points (each is refused, and said locked),
    // until he leaves it. Not done (and no change) when there are too many
    // points.
    SessionChanges OpenTask(std::span<const GridPoint> points, const task::HandedIn& handed_in);
    SessionChanges LeaveTask();
    // The open task, or null.
    const TaskProgress* Task() const { return task_.get(); }
    // "Провери": not done (nothing counted) when every box asked is blank.
    SessionChanges CheckCounts();
    // "Подсказка" (F6) for the hint's kind: its next stage said, a figure
    // of it drawn over the canvas; or why there is none (no check yet, every
    // count right, nothing left). ShownHint() is what it showed.
    SessionChanges Hint();
    const std::optional<TaskProgress::Hint>& ShownHint() const { return shown_hint_; }
    // The kind a hint is for: the one chosen while the last check finds it
    // wrong, else the first it finds wrong; -1 when none is wrong.
    int HintKind() const;
    SessionChanges ChooseHintKind(int kind);
    // What the task last said to the pupil (a hint, why the points stay, the
    // answers shown); empty when nothing is said.
    const std::string& Said() const { return said_; }
    // What the pupil's box of kind says of itself (to a screen reader): the
    // last check's verdict on it, or that the task does not ask for the
    // kind; empty without a task, or before a check.
    std::string BoxVerdict(int kind) const;
    const PupilTexts& Texts() const { return texts_; }
    SessionChanges ShowAnswers();
    // The pupil's name and class, on one line.
    SessionChanges SetPupil(const std::string& pupil);
    // What a saved task holds now.
    std::optional<task::HandedIn> HandedIn() const;
    // "Чертай" may run: always without a task, and on a task once every
    // count asked was found right or the answers were shown.
    bool DrawAllowed() const { return !task_ || task_->DrawAllowed(); }

    // Not steps: choosing a point (kNone: none), "Чертай" (not done while
    // DrawAllowed is not), the pupil typing his count of a kind, and saving
    // the work to a file.
    SessionChanges Choose(int row);
    SessionChanges Analyse();
    SessionChanges SetPupilCount(int kind, std::string text);
    SessionChanges MarkSaved();

    // A file's bytes opened: a variant's (or a pupil's saved task) as the
    // task, any other file of points as an opening; not done when the bytes
    // are no file of points, and Refusal() says why.
    SessionChanges Open(std::string_view bytes);
    const std::string& Refusal() const { return refusal_; }
    // What saving the work writes: a task's lines and its points, or the
    // points alone.
    std::string FileBytes() const;
    // The task came from the teacher's variant file and was not saved since:
    // the pupil's work goes to a file of his own, never into the variant's.
    bool FromVariant() const { return task_ && from_variant_; }
    // A task saved needs the pupil's name first.
    bool NeedsPupil() const { return task_ && task_->Pupil().empty(); }
    // The file a task's work is offered to be saved as, named after the
    // variant and the pupil ("вариант-07 – Иван Петров, 6 а.pfig"), with no
    // character a file name may not hold on Windows; empty without a task.
    std::string OwnFileName() const;

    // A line of the report chosen (the header is line 0): its figure drawn
    // over the canvas while the result is current; a line that names no
    // figure, or -1, chooses none.
    SessionChanges ChooseLine(int line);
    // The chosen line, -1 when none is.
    int ChosenLine() const { return chosen_line_; }
    // The figure drawn over the canvas (the chosen line's, or a hint's), or
    // null; and why it is its kind, in the grid's squares.
    const Figure* ShownFigure() const { return shown_figure_; }
    std::string ShownReason() const;

    // The state a replacement takes away and its undo brings back.
    WorkSnapshot Snapshot() const;

private:
    // Nothing drawn over the canvas; whether something was.
    bool HideFigure();
    // said changed to text, which the task shows
    SessionChanges Say(std::string text);
    // Whether a step may change the points; if not, changes say locked and
    // the task says why.
    bool PointsMayChange(SessionChanges& changes);
    // The state after "Изчисти" and an entry of each of points.
    static WorkSnapshot Replaced(std::span<const GridPoint> points);
    SessionChanges Replace(std::span<const GridPoint> points, std::string_view step);
    void Restore(const WorkSnapshot& snapshot);
    void Apply(const WorkStep& step, bool forward);
    // The last step taken back, or brought back.
    SessionChanges Retrace(bool forward);
    // What changed beside the points since before; a changed result takes
    // away what was drawn over the canvas.
    SessionChanges ChangedSince(const WorkSnapshot& before);

    PointSet points_;
    int chosen_ = kNone;
    FigureAnalysis analysis_;
    std::string report_text_;
    std::shared_ptr<const AnalysisResult> report_result_;  // what ReportText reports
    std::vector<GridPoint> report_points_;                 // the points it was made for
    CountTexts pupil_counts_;
    CountTexts program_counts_;
    StepHistory history_{kUndoLimit};
    bool has_file_ = false;  // the work was opened from a file or saved to one
    std::unique_ptr<TaskProgress> task_;
    std::optional<TaskProgress::Hint> shown_hint_;
    std::string refusal_;  // why the last file was not opened
    bool from_variant_ = false;
    PupilTexts texts_;
    std::string said_;
    int chosen_line_ = -1;
    const Figure* shown_figure_ = nullptr;  // of the current result, or the task's
};

}  // namespace plane_figures::session
