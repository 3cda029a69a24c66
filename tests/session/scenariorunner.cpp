#include "scenariorunner.h"

#include <sstream>
#include <string_view>

#include "grid.h"
#include "pupilsession.h"

namespace plane_figures::session {

namespace {

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::istringstream in{std::string(text)};
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

std::string Joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
    return text;
}

std::string YesNo(bool yes) { return yes ? "yes" : "no"; }

std::string Column(const CountTexts& counts) {
    std::vector<std::string> words;
    for (const std::string& count : counts) words.push_back(count.empty() ? "-" : count);
    return Joined(words);
}

std::string ChangeNames(const SessionChanges& c) {
    std::vector<std::string> names;
    if (c.added >= 0) names.push_back("added");
    if (c.removed >= 0) names.push_back("removed");
    if (c.points) names.push_back("points");
    if (c.choice) names.push_back("choice");
    if (c.report) names.push_back("report");
    if (c.result) names.push_back("result");
    if (c.counts) names.push_back("counts");
    if (c.pupil_count >= 0) names.push_back("pupil-count");
    if (c.task) names.push_back("task");
    if (c.locked) names.push_back("locked");
    if (c.steps) names.push_back("steps");
    if (c.overlay) names.push_back("overlay");
    return names.empty() ? "nothing" : Joined(names);
}

std::string VerdictNames(const std::optional<task::Verdicts>& verdicts) {
    if (!verdicts) return "none";
    std::vector<std::string> names;
    for (const task::Verdict v : *verdicts) {
        switch (v) {
            case task::Verdict::kRight: names.push_back("right"); break;
            case task::Verdict::kMore: names.push_back("more"); break;
            case task::Verdict::kFewer: names.push_back("fewer"); break;
            case task::Verdict::kEmpty: names.push_back("empty"); break;
            case task::Verdict::kNoNumber: names.push_back("no-number"); break;
            case task::Verdict::kNotAsked: names.push_back("not-asked"); break;
        }
    }
    return Joined(names);
}

std::string StepName(const WorkStep* step) {
    if (step == nullptr) return "none";
    std::string text(step->text);
    if (const auto at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, std::to_string(step->number));
    return text;
}

class Run {
public:
    std::vector<std::string> Play(const std::string& text) {
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            ++number_;
            if (line.ends_with('\r')) line.pop_back();
            const std::vector<std::string> words = Words(line);
            if (words.empty() || words[0].starts_with('#')) continue;
            const std::string rest = Rest(line, words[0].size());
            if (words[0] == "expect") {
                Expect(words, Rest(rest, words.size() > 1 ? words[1].size() : 0), in);
            } else {
                Act(words, rest, in);
            }
        }
        return faults_;
    }

private:
    // the line after its first word and one blank
    static std::string Rest(std::string_view line, std::size_t word) {
        const std::size_t start = line.find_first_not_of(' ');
        const std::size_t after = start == std::string_view::npos ? line.size() : start + word;
        return after + 1 <= line.size() ? std::string(line.substr(after + 1)) : std::string();
    }

    // the lines up to "." joined with LF, each ended
    std::string Block(std::istringstream& in) {
        std::string block;
        for (std::string line; std::getline(in, line);) {
            ++number_;
            if (line.ends_with('\r')) line.pop_back();
            if (line == ".") return block;
            block += line + '\n';
        }
        Fault("no line \".\" ends the block");
        return block;
    }

    void Fault(const std::string& what) {
        faults_.push_back("line " + std::to_string(number_) + ": " + what);
    }

    void Same(const std::string& what, const std::string& expected, const std::string& actual) {
        if (expected != actual)
            Fault(what + ": expected \"" + expected + "\", was \"" + actual + "\"");
    }

    void Act(const std::vector<std::string>& w, const std::string& rest, std::istringstream& in) {
        const std::string& a = w[0];
        const auto number = [&](std::size_t i) { return i < w.size() ? std::stoi(w[i]) : -1; };
        if (a == "click" && w.size() == 3) {
            last_ = s_.AddPoint(SnapToNode(GridPoint{number(1), number(2)}));
        } else if (a == "choose") {
            last_ = s_.Choose(w.size() > 1 && w[1] == "none" ? PupilSession::kNone : number(1));
        } else if (a == "delete") {
            last_ =
                w.size() > 1 && w[1] == "chosen" ? s_.DeleteChosen() : s_.DeletePoint(number(1));
        } else if (a == "clear") {
            last_ = s_.Clear();
        } else if (a == "undo") {
            last_ = s_.Undo();
        } else if (a == "redo") {
            last_ = s_.Redo();
        } else if (a == "draw") {
            last_ = s_.Analyse();
        } else if (a == "type" && w.size() >= 2) {
            last_ = s_.SetPupilCount(number(1) - 1, Rest(rest, w[1].size()));
        } else if (a == "check") {
            last_ = s_.CheckCounts();
        } else if (a == "hint") {
            last_ = s_.Hint();
        } else if (a == "hint-kind") {
            last_ = s_.ChooseHintKind(number(1) - 1);
        } else if (a == "line") {
            last_ = s_.ChooseLine(number(1));
        } else if (a == "answers") {
            last_ = s_.ShowAnswers();
        } else if (a == "pupil") {
            last_ = s_.SetPupil(rest);
        } else if (a == "save") {
            saved_ = s_.FileBytes();
            last_ = s_.MarkSaved();
        } else if (a == "leave") {
            last_ = s_.LeaveTask();
        } else if (a == "new") {
            s_ = PupilSession();
            last_ = {};
            saved_.clear();
        } else if (a == "open") {
            last_ = s_.Open(Block(in));
        } else {
            Fault("no such action: " + Joined(w));
        }
    }

    void Expect(const std::vector<std::string>& w, const std::string& rest,
                std::istringstream& in) {
        if (w.size() < 2) return Fault("expect what?");
        const std::string& what = w[1];
        const std::vector<std::string> values(w.begin() + 2, w.end());
        const std::string value = Joined(values);
        if (what == "done") {
            Same(what, value, YesNo(last_.done));
        } else if (what == "changed") {
            Same(what, value, ChangeNames(last_));
        } else if (what == "points") {
            std::vector<std::string> points;
            for (const GridPoint p : s_.Points().Points())
                points.push_back(std::to_string(p.x) + "," + std::to_string(p.y));
            Same(what, value, points.empty() ? "nothing" : Joined(points));
        } else if (what == "chosen") {
            Same(what, value,
                 s_.Chosen() == PupilSession::kNone ? "none" : std::to_string(s_.Chosen()));
        } else if (what == "pupil") {
            Same(what, value, Column(s_.PupilCounts()));
        } else if (what == "program") {
            Same(what, value, Column(s_.ProgramCounts()));
        } else if (what == "result") {
            Same(what, value, YesNo(s_.Result() != nullptr));
        } else if (what == "report") {
            std::string report = s_.ReportText();
            for (std::size_t at; (at = report.find("\r\n")) != std::string::npos;)
                report.replace(at, 2, "\n");
            Same(what, Block(in), report);
        } else if (what == "undo") {
            Same(what, rest, StepName(s_.Steps().Undoable()));
        } else if (what == "redo") {
            Same(what, rest, StepName(s_.Steps().Redoable()));
        } else if (what == "unsaved") {
            Same(what, value, YesNo(s_.Unsaved()));
        } else if (what == "task") {
            Same(what, value, YesNo(s_.Task() != nullptr));
        } else if (what == "draw") {
            Same(what, value, s_.DrawAllowed() ? "allowed" : "held");
        } else if (what == "verdicts") {
            Same(what, value, VerdictNames(s_.Task() ? s_.Task()->LastCheck() : std::nullopt));
        } else if (what == "tally") {
            Same(what, value,
                 s_.Task() ? std::to_string(s_.Task()->Checks()) + " " +
                                 std::to_string(s_.Task()->HintsUsed())
                           : "none");
        } else if (what == "hint") {
            const auto& hint = s_.ShownHint();
            Same(what, value,
                 !hint               ? "none"
                 : hint->sentence    ? "sentence"
                 : hint->figure >= 0 ? "figure"
                                     : "nothing-left");
        } else if (what == "hint-kind") {
            Same(what, value, s_.HintKind() < 0 ? "none" : std::to_string(s_.HintKind() + 1));
        } else if (what == "said") {
            Same(what, rest, s_.Said());
        } else if (what == "shown") {
            // the figure drawn over the canvas: its vertices' numbers, and the line chosen
            std::string shown = "none";
            if (const Figure* figure = s_.ShownFigure()) {
                shown.clear();
                for (int v = 0; v < figure->vertex_count; ++v)
                    shown += (v > 0 ? "," : "") +
                             std::to_string(figure->outline[static_cast<std::size_t>(v)]);
                shown +=
                    s_.ChosenLine() >= 0 ? " line " + std::to_string(s_.ChosenLine()) : " hint";
            }
            Same(what, value, shown);
        } else if (what == "reason") {
            const std::string reason = s_.ShownReason();
            Same(what, Block(in), reason.empty() ? reason : reason + '\n');
        } else if (what == "own-file") {
            Same(what, rest, s_.OwnFileName());
        } else if (what == "from-variant") {
            Same(what, value, YesNo(s_.FromVariant()));
        } else if (what == "refusal") {
            Same(what, rest, s_.Refusal());
        } else if (what == "file") {
            Same(what, Block(in), saved_);
        } else {
            Fault("no such expectation: " + what);
        }
    }

    PupilSession s_;
    SessionChanges last_;
    std::string saved_;
    std::vector<std::string> faults_;
    int number_ = 0;
};

}  // namespace

std::vector<std::string> RunScenario(const std::string& text) { return Run().Play(text); }

}  // namespace plane_figures::session
