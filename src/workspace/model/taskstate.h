// A class set's variant opened as the pupil's task: which variant it is, who
// he is, what his checks said, how many checks and hints he used, whether he
// asked to see the answers and how far the hints of each kind have gone. The
// true counts and figures are the analysis of the task's points, made when
// it opens; the pupil's counts stay the model's.
#pragma once

#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysisresult.h"
#include "askedkinds.h"
#include "handedin.h"
#include "hints.h"
#include "workspacesnapshot.h"

namespace plane_figures::workspace {

class TaskState {
public:
    // What a check said of a kind's box; a kind the task does not ask for is
    // not judged.
    enum class Said { kRight, kMore, kFewer, kEmpty, kNoNumber, kNotAsked };
    using Saids = std::array<Said, kKindCount>;

    // What a hint shows: the sentence of what is easy to miss, or a figure
    // (an index into the result's figures); nothing left when every figure
    // of the kind was shown.
    struct Hint {
        int kind = 0;
        std::optional<task::EasyToMiss> sentence;
        int figure = -1;
        bool nothing_left() const { return !sentence && figure < 0; }
    };

    TaskState(task::HandedIn handed_in, std::shared_ptr<const AnalysisResult> result);

    const classset::VariantLabel& Variant() const { return handed_in_.variant; }
    // The kinds the task asks for (its set's kinds, all seven for a set that
    // names none): only they are checked, hinted at and hold "Чертай" back.
    classset::KindMask AskedKinds() const {
        return classset::AskedOf(handed_in_.variant.settings.kinds);
    }
    bool Asks(int kind) const { return classset::Asks(AskedKinds(), kind); }
    const std::string& Pupil() const { return lines_.pupil; }
    void SetPupil(std::string pupil) { lines_.pupil = std::move(pupil); }
    int Checks() const { return lines_.checks; }
    int HintsUsed() const { return lines_.hints; }
    bool AnswersShown() const { return lines_.answers_shown; }
    const AnalysisResult& Result() const { return *result_; }

    // A box's text as a count: a whole number, nothing for an empty box
    // (blanks around it are no text); no number at all is nullopt in the
    // second member.
    struct Parsed {
        bool is_number = true;
        std::optional<int> count;
    };
    static Parsed ParseCount(const QString& text);

    // "Провери": each box of a kind asked against the true count; counted.
    const Saids& Check(const Counts& pupil_counts);
    const std::optional<Saids>& LastCheck() const { return last_check_; }
    // The kinds asked that the last check found not right, in the count
    // frame's order.
    std::vector<int> WrongKinds() const;
    // "Чертай" is for a pupil who got every count asked right, or who chose to
    // see the answers.
    bool DrawAllowed() const { return solved_ || lines_.answers_shown; }
    void ShowAnswers() { lines_.answers_shown = true; }

    // "Подсказка" for kind: the next stage, counted unless nothing is left;
    // nullopt (and not counted) when the last check did not find kind wrong
    // or the task does not ask for it.
    std::optional<Hint> NextHint(int kind);
    // How many hints of kind were shown since it was last found wrong.
    int HintStage(int kind) const { return stages_.at(static_cast<std::size_t>(kind)); }

    // What a saved task holds with the counts as the boxes have them.
    task::HandedIn HandedIn(const Counts& pupil_counts) const;
    // Saved (or opened) with these counts: no change to save.
    void MarkSaved(const Counts& pupil_counts) { saved_ = HandedIn(pupil_counts); }
    bool Changed(const Counts& pupil_counts) const { return HandedIn(pupil_counts) != saved_; }

private:
    task::HandedIn handed_in_;
    task::PupilLines lines_;
    std::shared_ptr<const AnalysisResult> result_;
    std::optional<Saids> last_check_;
    bool solved_ = false;
    std::array<int, kKindCount> stages_{};
    task::HandedIn saved_;
};

}  // namespace plane_figures::workspace
