// A class set's variant opened as the pupil's task: which variant it is, who
// he is, what his checks said, how many checks and hints he used, whether he
// asked to see the answers and how far the hints of each kind have gone. The
// true counts and figures are the analysis of the task's points, made when
// it opens; the pupil's counts stay the session's.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysisresult.h"
#include "askedkinds.h"
#include "countcheck.h"
#include "handedin.h"
#include "hints.h"
#include "pupiltexts.h"
#include "worksnapshot.h"

namespace plane_figures::session {

class TaskProgress {
public:
    // What a hint shows: the sentence of what is easy to miss, or a figure
    // (an index into the result's figures); nothing left when every figure
    // of the kind was shown.
    struct Hint {
        int kind = 0;
        std::optional<task::EasyToMiss> sentence;
        int figure = -1;
        bool nothing_left() const { return !sentence && figure < 0; }
        friend bool operator==(const Hint&, const Hint&) = default;
    };

    TaskProgress(task::HandedIn handed_in, std::shared_ptr<const AnalysisResult> result);

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
    const std::shared_ptr<const AnalysisResult>& SharedResult() const { return result_; }

    // "Провери": each box of a kind asked against the true count; counted.
    const task::Verdicts& Check(const CountTexts& pupil_counts);
    const std::optional<task::Verdicts>& LastCheck() const { return last_check_; }
    // The last check found every count asked right.
    bool AllRight() const { return last_check_ && task::AllRight(*last_check_); }
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
    // The kind a hint is for: the one chosen while the last check finds it
    // wrong, else the first it finds wrong; -1 when none is wrong.
    int HintKind() const;
    // false when kind was chosen already
    bool ChooseHintKind(int kind);
    // What the pupil's box of kind says of itself: the last check's verdict,
    // or that the kind is not asked; empty before a check.
    std::string BoxVerdict(int kind, const PupilTexts& texts) const;
    // "вариант-07 – Иван Петров, 6 а.pfig": the file the pupil's work is
    // offered to be saved as.
    std::string OwnFileName() const;
    // How many hints of kind were shown since it was last found wrong.
    int HintStage(int kind) const { return stages_.at(static_cast<std::size_t>(kind)); }

    // What a saved task holds with the counts as the boxes have them.
    task::HandedIn HandedIn(const CountTexts& pupil_counts) const;
    // Saved (or opened) with these counts: no change to save.
    void MarkSaved(const CountTexts& pupil_counts) { saved_ = HandedIn(pupil_counts); }
    bool Changed(const CountTexts& pupil_counts) const { return HandedIn(pupil_counts) != saved_; }

private:
    task::HandedIn handed_in_;
    task::PupilLines lines_;
    std::shared_ptr<const AnalysisResult> result_;
    std::optional<task::Verdicts> last_check_;
    bool solved_ = false;
    std::array<int, kKindCount> stages_{};
    int hint_kind_ = -1;  // the kind chosen for a hint, -1 for the first found wrong
    task::HandedIn saved_;
};

}  // namespace plane_figures::session
