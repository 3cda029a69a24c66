#include "taskprogress.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "classsetfiles.h"
#include "pupilname.h"

namespace plane_figures::session {

TaskProgress::TaskProgress(task::HandedIn handed_in, std::shared_ptr<const AnalysisResult> result)
    : handed_in_(std::move(handed_in)),
      lines_(handed_in_.pupil.value_or(task::PupilLines{})),
      result_(std::move(result)) {
    handed_in_.pupil.reset();
}

const task::Verdicts& TaskProgress::Check(const CountTexts& pupil_counts) {
    const task::Verdicts verdicts = task::CheckBoxes(pupil_counts, result_->counts, AskedKinds());
    // a kind found right starts its hints again when it is found wrong anew
    for (std::size_t k = 0; k < verdicts.size(); ++k) {
        if (verdicts[k] == task::Verdict::kRight) stages_[k] = 0;
    }
    ++lines_.checks;
    solved_ = solved_ || task::AllRight(verdicts);
    last_check_ = verdicts;
    return *last_check_;
}

std::vector<int> TaskProgress::WrongKinds() const {
    std::vector<int> kinds;
    if (!last_check_) return kinds;
    for (int k = 0; k < kKindCount; ++k) {
        const task::Verdict verdict = (*last_check_)[static_cast<std::size_t>(k)];
        if (verdict != task::Verdict::kRight && verdict != task::Verdict::kNotAsked)
            kinds.push_back(k);
    }
    return kinds;
}

std::optional<TaskProgress::Hint> TaskProgress::NextHint(int kind) {
    if (kind < 0 || kind >= kKindCount || !last_check_) return std::nullopt;
    const task::Verdict verdict = (*last_check_)[static_cast<std::size_t>(kind)];
    if (verdict == task::Verdict::kRight || verdict == task::Verdict::kNotAsked)
        return std::nullopt;
    const task::Hints hints = task::HintsFor(
        *result_, static_cast<FigureKind>(kind),
        verdict == task::Verdict::kFewer ? task::Verdict::kFewer : task::Verdict::kMore);
    int& stage = stages_[static_cast<std::size_t>(kind)];
    Hint hint{kind, std::nullopt, -1};
    if (stage == 0) {
        hint.sentence = hints.first;
    } else if (stage - 1 < static_cast<int>(hints.figures.size())) {
        hint.figure = hints.figures[static_cast<std::size_t>(stage - 1)];
    } else {
        return hint;  // nothing left: no hint used
    }
    ++stage;
    ++lines_.hints;
    return hint;
}

int TaskProgress::HintKind() const {
    const std::vector<int> wrong = WrongKinds();
    if (std::find(wrong.begin(), wrong.end(), hint_kind_) != wrong.end()) return hint_kind_;
    return wrong.empty() ? -1 : wrong.front();
}

bool TaskProgress::ChooseHintKind(int kind) {
    if (kind == hint_kind_) return false;
    hint_kind_ = kind;
    return true;
}

std::string TaskProgress::BoxVerdict(int kind, const PupilTexts& texts) const {
    if (last_check_) return texts.Verdict(kind, (*last_check_)[static_cast<std::size_t>(kind)]);
    return Asks(kind) ? std::string() : texts.Verdict(kind, task::Verdict::kNotAsked);
}

std::string TaskProgress::OwnFileName() const {
    std::string variant = classset::VariantFileName(Variant().number);
    variant.resize(variant.size() - std::string_view(".pfig").size());
    return variant + " – " + PupilName::InFileName(Pupil()) + ".pfig";
}

task::HandedIn TaskProgress::HandedIn(const CountTexts& pupil_counts) const {
    task::HandedIn handed_in = handed_in_;
    task::PupilLines lines = lines_;
    for (std::size_t k = 0; k < lines.answer.size(); ++k)
        lines.answer[k] = task::ParseCount(pupil_counts[k]).count;
    handed_in.pupil = lines;
    return handed_in;
}

}  // namespace plane_figures::session
