#include "taskstate.h"

#include <algorithm>
#include <utility>

#include "countcheck.h"

namespace plane_figures::workspace {

TaskState::TaskState(task::HandedIn handed_in, std::shared_ptr<const AnalysisResult> result)
    : handed_in_(std::move(handed_in)),
      lines_(handed_in_.pupil.value_or(task::PupilLines{})),
      result_(std::move(result)) {
    handed_in_.pupil.reset();
}

TaskState::Parsed TaskState::ParseCount(const QString& text) {
    const QString count = text.trimmed();
    if (count.isEmpty()) return {};
    // nine digits at most: a count, never an overflow
    if (count.size() > 9) return {false, std::nullopt};
    for (const QChar c : count) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return {false, std::nullopt};
    }
    return {true, count.toInt()};
}

const TaskState::Saids& TaskState::Check(const Counts& pupil_counts) {
    task::Answer answer{};
    std::array<bool, kKindCount> no_number{};
    for (std::size_t k = 0; k < answer.size(); ++k) {
        const Parsed parsed = ParseCount(pupil_counts[k]);
        answer[k] = parsed.count;
        no_number[k] = !parsed.is_number;
    }
    const task::Verdicts verdicts = task::Check(answer, result_->counts, AskedKinds());
    Saids saids{};
    for (std::size_t k = 0; k < saids.size(); ++k) {
        switch (verdicts[k]) {
            case task::Verdict::kRight: saids[k] = Said::kRight; break;
            case task::Verdict::kMore: saids[k] = Said::kMore; break;
            case task::Verdict::kFewer: saids[k] = Said::kFewer; break;
            case task::Verdict::kEmpty: saids[k] = Said::kEmpty; break;
            case task::Verdict::kNotAsked: saids[k] = Said::kNotAsked; break;
        }
        if (no_number[k] && saids[k] != Said::kNotAsked) saids[k] = Said::kNoNumber;
        // a kind found wrong anew starts its hints again
        if (saids[k] == Said::kRight) stages_[k] = 0;
    }
    ++lines_.checks;
    solved_ = solved_ || std::ranges::all_of(saids, [](Said s) {
                  return s == Said::kRight || s == Said::kNotAsked;
              });
    last_check_ = saids;
    return *last_check_;
}

std::vector<int> TaskState::WrongKinds() const {
    std::vector<int> kinds;
    if (!last_check_) return kinds;
    for (int k = 0; k < kKindCount; ++k) {
        const Said said = (*last_check_)[static_cast<std::size_t>(k)];
        if (said != Said::kRight && said != Said::kNotAsked) kinds.push_back(k);
    }
    return kinds;
}

std::optional<TaskState::Hint> TaskState::NextHint(int kind) {
    if (kind < 0 || kind >= kKindCount || !last_check_) return std::nullopt;
    const Said said = (*last_check_)[static_cast<std::size_t>(kind)];
    if (said == Said::kRight || said == Said::kNotAsked) return std::nullopt;
    const task::Hints hints =
        task::HintsFor(*result_, static_cast<FigureKind>(kind),
                       said == Said::kFewer ? task::Verdict::kFewer : task::Verdict::kMore);
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

task::HandedIn TaskState::HandedIn(const Counts& pupil_counts) const {
    task::HandedIn handed_in = handed_in_;
    task::PupilLines lines = lines_;
    for (std::size_t k = 0; k < lines.answer.size(); ++k)
        lines.answer[k] = ParseCount(pupil_counts[k]).count;
    handed_in.pupil = lines;
    return handed_in;
}

}  // namespace plane_figures::workspace
