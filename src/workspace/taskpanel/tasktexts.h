// What the task panel says: the pupil's task, a check's verdict on each
// kind, the hints' sentences and why the points stay as they are. A
// teacher's words; no verdict ever gives a count.
#pragma once

#include <QCoreApplication>
#include <QString>

#include "askedkinds.h"
#include "hints.h"
#include "taskprogress.h"

namespace plane_figures::workspace {

struct TaskTexts {
    Q_DECLARE_TR_FUNCTIONS(plane_figures::workspace::TaskTexts)

public:
    static QString Heading(int variant, int variants);
    // What to do: count every kind, or only the kinds asked (named).
    static QString Instruction(classset::KindMask asked = classset::kAllKinds);
    // "Квадрат: вярно." and the like, for kind.
    static QString Verdict(int kind, task::Verdict said);
    // The first hint of kind: what is easy to miss among these points. In a
    // task that asks only some kinds it names no other kind.
    static QString HintSentence(int kind, task::EasyToMiss easy,
                                classset::KindMask asked = classset::kAllKinds);
    // A figure of kind drawn over the canvas.
    static QString HintFigure(int kind);
    static QString NoHintLeft(int kind);
    static QString CheckFirst();
    // F5 with every box blank
    static QString WriteCountsFirst();
    static QString AllRight();
    static QString PointsLocked();
    static QString Tally(int checks, int hints);
    static QString AnswersShown();
    static QString ShowAnswersQuestion();
    static QString NameQuestion();
    // The kind's name in full, as the sheets give it.
    static QString KindName(int kind);
    // The kind in the plural: "квадрати".
    static QString KindPlural(int kind);
};

}  // namespace plane_figures::workspace
