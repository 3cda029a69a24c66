// What the pupil reads of his task: its heading and what to do, a check's
// verdict on each kind, the hints' sentences, and why a step or a hint is
// refused. A teacher's words; no verdict ever gives a count. Each text is
// its Bulgarian bytes, which a front-end may translate (a desktop through
// its translator, in the context "PupilTexts"); the numbers and names are
// put in after.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "askedkinds.h"
#include "countcheck.h"
#include "hints.h"

// Marks a text for a translator's tools, which read the mark in the
// sources; the text is its own key.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace plane_figures::session {

class PupilTexts {
public:
    // A text's translation: its context and its bytes in, the words out.
    using Translate = std::function<std::string(const char* context, const char* text)>;

    // No translate: the texts as written.
    explicit PupilTexts(Translate translate = {});

    std::string Heading(int variant, int variants) const;
    // What to do: count every kind, or only the kinds asked (named).
    std::string Instruction(classset::KindMask asked = classset::kAllKinds) const;
    // "Квадрат: вярно." and the like, for kind.
    std::string Verdict(int kind, task::Verdict verdict) const;
    // The first hint of kind: what is easy to miss among these points. In a
    // task that asks only some kinds it names no other kind.
    std::string HintSentence(int kind, task::EasyToMiss easy,
                             classset::KindMask asked = classset::kAllKinds) const;
    // A figure of kind drawn over the canvas.
    std::string HintFigure(int kind) const;
    std::string NoHintLeft(int kind) const;
    std::string CheckFirst() const;
    // "Провери" with every box blank
    std::string WriteCountsFirst() const;
    std::string AllRight() const;
    std::string PointsLocked() const;
    std::string Tally(int checks, int hints) const;
    std::string AnswersShown() const;
    std::string ShowAnswersQuestion() const;
    std::string NameQuestion() const;
    // Why a save was refused: no name, the variant's own file (named), no points.
    std::string NameNeeded() const;
    std::string NotIntoTheVariant(const std::string& file) const;
    std::string NothingToSave() const;
    // The kind's name in full, as the sheets give it.
    static std::string KindName(int kind);
    // The kind in the plural: "квадрати".
    std::string KindPlural(int kind) const;

private:
    std::string Tr(const char* text) const;
    // text with %1, %2, … replaced by the arguments
    static std::string Filled(std::string text, std::initializer_list<std::string> arguments);

    Translate translate_;
};

}  // namespace plane_figures::session
