// The pupil's session for the page in a browser: the same PupilSession the
// desktop window shows, its calls and what they changed as plain JavaScript
// values. Bytes cross as Uint8Array, so that a file's byte-order mark and
// its Cyrillic letters arrive as they were written.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "figureanalysis.h"
#include "figurereason.h"
#include "grid.h"
#include "palette.h"
#include "pupilsession.h"
#include "taskstatement.h"

namespace plane_figures::web {

namespace {

using emscripten::val;
using session::PupilSession;
using session::SessionChanges;

// A JavaScript Uint8Array's bytes.
std::string FromBytes(const val& bytes) {
    std::string text(bytes["length"].as<std::size_t>(), '\0');
    val(emscripten::typed_memory_view(text.size(), reinterpret_cast<std::uint8_t*>(text.data())))
        .call<void>("set", bytes);
    return text;
}

// A copy of text as a Uint8Array of its own.
val ToBytes(const std::string& text) {
    return val(emscripten::typed_memory_view(text.size(),
                                             reinterpret_cast<const std::uint8_t*>(text.data())))
        .call<val>("slice");
}

val Changes(const SessionChanges& c) {
    val changes = val::object();
    changes.set("done", c.done);
    changes.set("added", c.added);
    changes.set("removed", c.removed);
    changes.set("points", c.points);
    changes.set("choice", c.choice);
    changes.set("report", c.report);
    changes.set("result", c.result);
    changes.set("counts", c.counts);
    changes.set("pupilCount", c.pupil_count);
    changes.set("task", c.task);
    changes.set("locked", c.locked);
    changes.set("steps", c.steps);
    changes.set("overlay", c.overlay);
    return changes;
}

template <typename Strings>
val Texts(const Strings& strings) {
    val array = val::array();
    for (const auto& s : strings) array.call<void>("push", std::string(s));
    return array;
}

val Point(GridPoint p) {
    val point = val::object();
    point.set("x", p.x);
    point.set("y", p.y);
    return point;
}

// A figure's vertices in drawing order, with the numbers its line names.
val FigureValue(const Figure& figure, const PointSet& points) {
    val vertices = val::array();
    val numbers = val::array();
    for (int v = 0; v < figure.vertex_count; ++v) {
        const int number = figure.outline[static_cast<std::size_t>(v)];
        vertices.call<void>("push", Point(points.At(number)));
        numbers.call<void>("push", number);
    }
    val value = val::object();
    value.set("kind", static_cast<int>(figure.kind));
    value.set("vertices", vertices);
    value.set("numbers", numbers);
    value.set("colour", OutlineColour(figure.kind));
    return value;
}

std::string StepName(const session::WorkStep* step) {
    if (step == nullptr) return {};
    std::string name(step->text);
    if (const auto at = name.find("%1"); at != std::string::npos)
        name.replace(at, 2, step->number >= 0 ? std::to_string(step->number) : std::string());
    return name;
}

// The open task as its panel shows it.
val TaskValue(const PupilSession& s) {
    const session::TaskProgress* task = s.Task();
    if (task == nullptr) return val::null();
    const session::PupilTexts& texts = s.Texts();
    val value = val::object();
    value.set("heading", texts.Heading(task->Variant().number, task->Variant().settings.variants));
    value.set("instruction", texts.Instruction(task->AskedKinds()));
    val verdicts = val::array();
    if (task->LastCheck()) {
        for (int k = 0; k < kKindCount; ++k)
            verdicts.call<void>(
                "push", texts.Verdict(k, (*task->LastCheck())[static_cast<std::size_t>(k)]));
        if (task->AllRight()) verdicts.call<void>("push", texts.AllRight());
    }
    value.set("verdicts", verdicts);
    val wrong = val::array();
    for (const int k : task->WrongKinds()) {
        val kind = val::object();
        kind.set("kind", k);
        kind.set("name", session::PupilTexts::KindName(k));
        wrong.call<void>("push", kind);
    }
    value.set("hintKinds", wrong);
    value.set("hintKind", s.HintKind());
    value.set("said", s.Said());
    value.set("answersShown", task->AnswersShown());
    value.set("tally", texts.Tally(task->Checks(), task->HintsUsed()));
    value.set("pupil", task->Pupil());
    val asked = val::array();
    val box_verdicts = val::array();
    for (int k = 0; k < kKindCount; ++k) {
        asked.call<void>("push", task->Asks(k));
        box_verdicts.call<void>("push", s.BoxVerdict(k));
    }
    value.set("asked", asked);
    value.set("boxVerdicts", box_verdicts);
    value.set("nameQuestion", texts.NameQuestion());
    value.set("answersQuestion", texts.ShowAnswersQuestion());
    value.set("nameNeeded", texts.NameNeeded());
    value.set("nothingToSave", texts.NothingToSave());
    return value;
}

// The pupil's session, called from the page.
class WebSession {
public:
    // A pointer pressed at (x, y) in canvas pixels, fractions allowed: the
    // point enters at the grid node nearest the pixel under the pointer, as a
    // mouse's click on the desktop's canvas.
    val Click(double x, double y) {
        const auto pixel = [](double v, std::int32_t size) {
            return std::clamp(static_cast<std::int32_t>(std::floor(v)), 0, size - 1);
        };
        return Changes(s_.AddPoint(SnapToNode({pixel(x, kCanvasWidth), pixel(y, kCanvasHeight)})));
    }
    // A point entered on a grid node (the keyboard's cursor).
    val Enter(int x, int y) { return Changes(s_.AddPoint({x, y})); }
    val DeletePoint(int row) { return Changes(s_.DeletePoint(row)); }
    val DeleteChosen() { return Changes(s_.DeleteChosen()); }
    val Clear() { return Changes(s_.Clear()); }
    val Undo() { return Changes(s_.Undo()); }
    val Redo() { return Changes(s_.Redo()); }
    val Choose(int row) { return Changes(s_.Choose(row)); }
    val Analyse() { return Changes(s_.Analyse()); }
    val SetPupilCount(int kind, const std::string& text) {
        return Changes(s_.SetPupilCount(kind, text));
    }
    val ChooseLine(int line) { return Changes(s_.ChooseLine(line)); }
    val CheckCounts() { return Changes(s_.CheckCounts()); }
    val Hint() { return Changes(s_.Hint()); }
    val ChooseHintKind(int kind) { return Changes(s_.ChooseHintKind(kind)); }
    val ShowAnswers() { return Changes(s_.ShowAnswers()); }
    val SetPupil(const std::string& pupil) { return Changes(s_.SetPupil(pupil)); }
    val LeaveTask() { return Changes(s_.LeaveTask()); }
    val Open(const val& bytes) { return Changes(s_.Open(FromBytes(bytes))); }
    val MarkSaved() { return Changes(s_.MarkSaved()); }
    val FileBytes() const { return ToBytes(s_.FileBytes()); }

    // Everything the page shows, read anew after a change.
    val State() const {
        val state = val::object();
        val points = val::array();
        for (const GridPoint p : s_.Points().Points()) points.call<void>("push", Point(p));
        state.set("points", points);
        state.set("full", s_.Points().Full());
        state.set("chosen", s_.Chosen());
        state.set("report", s_.ReportText());
        state.set("current", s_.Result() != nullptr);
        state.set("nothingToSave", s_.Texts().NothingToSave());
        state.set("pupilCounts", Texts(s_.PupilCounts()));
        state.set("programCounts", Texts(s_.ProgramCounts()));
        state.set("undo", StepName(s_.Steps().Undoable()));
        state.set("redo", StepName(s_.Steps().Redoable()));
        state.set("unsaved", s_.Unsaved());
        state.set("drawAllowed", s_.DrawAllowed());
        state.set("task", TaskValue(s_));
        state.set("refusal", s_.Refusal());
        state.set("fromVariant", s_.FromVariant());
        state.set("needsPupil", s_.NeedsPupil());
        state.set("ownFileName", s_.OwnFileName());
        state.set("chosenLine", s_.ChosenLine());
        const Figure* shown = s_.ShownFigure();
        state.set("shown", shown ? FigureValue(*shown, s_.Points()) : val::null());
        state.set("reason", s_.ShownReason());
        return state;
    }

    // The quadrilaterals "Чертай" outlines, while the result is current: for
    // each its palette colour and its four vertices' x and y, in drawing order.
    val Outlines() const {
        std::vector<std::int32_t> outlines;
        if (const auto result = s_.Result()) {
            for (const Figure& figure : result->figures) {
                const int colour = OutlineColour(figure.kind);
                if (figure.IsTriangle() || colour < 0) continue;
                outlines.push_back(colour);
                for (const int v : figure.outline) {
                    const GridPoint p = s_.Points().At(v);
                    outlines.insert(outlines.end(), {p.x, p.y});
                }
            }
        }
        return val(emscripten::typed_memory_view(outlines.size(), outlines.data()))
            .call<val>("slice");
    }

private:
    PupilSession s_{session::TaskStatementText(), session::PupilTexts()};
};

// The report of points given as x0, y0, x1, y1, …: what "Чертай" writes.
std::string Report(const val& coordinates) {
    const auto numbers = emscripten::vecFromJSArray<int>(coordinates);
    PointSet points;
    for (std::size_t i = 0; i + 1 < numbers.size(); i += 2)
        points.Add({numbers[i], numbers[i + 1]});
    return FigureAnalysis().Run(points.Points()).ReportText();
}

// What the canvas is: its size in pixels, the grid's step and lines.
val Canvas() {
    val canvas = val::object();
    canvas.set("width", kCanvasWidth);
    canvas.set("height", kCanvasHeight);
    canvas.set("step", kGridStep);
    canvas.set("columns", GridLineCount(kCanvasWidth));
    canvas.set("rows", GridLineCount(kCanvasHeight));
    canvas.set("capacity", PointSet::kCapacity);
    val palette = val::array();
    for (const Rgb c : kPalette) {
        val rgb = val::array();
        rgb.call<void>("push", c.r);
        rgb.call<void>("push", c.g);
        rgb.call<void>("push", c.b);
        palette.call<void>("push", rgb);
    }
    canvas.set("palette", palette);
    return canvas;
}

// The figure kinds as the count frame's captions and in full words.
val Kinds() {
    val kinds = val::object();
    kinds.set("captions", Texts(kKindCaptions));
    kinds.set("names", Texts(kKindNames));
    return kinds;
}

}  // namespace

EMSCRIPTEN_BINDINGS(plane_figures) {
    emscripten::class_<WebSession>("Session")
        .constructor<>()
        .function("click", &WebSession::Click)
        .function("enter", &WebSession::Enter)
        .function("deletePoint", &WebSession::DeletePoint)
        .function("deleteChosen", &WebSession::DeleteChosen)
        .function("clear", &WebSession::Clear)
        .function("undo", &WebSession::Undo)
        .function("redo", &WebSession::Redo)
        .function("choose", &WebSession::Choose)
        .function("analyse", &WebSession::Analyse)
        .function("setPupilCount", &WebSession::SetPupilCount)
        .function("chooseLine", &WebSession::ChooseLine)
        .function("checkCounts", &WebSession::CheckCounts)
        .function("hint", &WebSession::Hint)
        .function("chooseHintKind", &WebSession::ChooseHintKind)
        .function("showAnswers", &WebSession::ShowAnswers)
        .function("setPupil", &WebSession::SetPupil)
        .function("leaveTask", &WebSession::LeaveTask)
        .function("open", &WebSession::Open)
        .function("markSaved", &WebSession::MarkSaved)
        .function("fileBytes", &WebSession::FileBytes)
        .function("state", &WebSession::State)
        .function("outlines", &WebSession::Outlines);
    emscripten::function("report", &Report);
    emscripten::function("canvas", &Canvas);
    emscripten::function("kinds", &Kinds);
}

}  // namespace plane_figures::web
