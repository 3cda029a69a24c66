// The school task that the report box shows until the first report: the
// same lines in every front-end, translated in the context "TaskText". Each
// line ends in CR LF when joined.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "pupiltexts.h"  // QT_TRANSLATE_NOOP where no translator's header defines it

namespace plane_figures::session {

inline constexpr std::array<std::string_view, 21> kTaskStatement{
    QT_TRANSLATE_NOOP(
        "TaskText",
        "Да се реализира проект, представящ междупредметни връзки между Математика и Информатика."),
    QT_TRANSLATE_NOOP("TaskText", "Тема на проекта: Математика - координати на точки, върхове."),
    QT_TRANSLATE_NOOP(
        "TaskText",
        "В реализирания проект да се въвеждат координати (чрез мишка) на N броя точки."),
    QT_TRANSLATE_NOOP(
        "TaskText",
        "Както резултат да се  проверява кои точки измежду въведените са върхове на някой от "
        "видовете триъгълници: равнобедрен, правоъгълен, равнобедрен и правоъгълен, както и видове "
        "четириъгълници: квадрат, правоъгълник, успоредник, ромб."),
    QT_TRANSLATE_NOOP(
        "TaskText",
        "За всяка от фигурите да се извежда поредния номер на точките, както и координатите на "
        "съответните й върхове."),
    QT_TRANSLATE_NOOP("TaskText", "След посочване на точките:"),
    QT_TRANSLATE_NOOP(
        "TaskText",
        "Потребителят да има възможност да въвежда отделно своя анализ за брой на отделните видове "
        "фигури. "),
    QT_TRANSLATE_NOOP("TaskText",
                      "Проектът да извършва автоматизиран анализ колко от посочените фигури могат "
                      "да се формират. "),
    QT_TRANSLATE_NOOP("TaskText",
                      "Да се предостави възможност на потребителя да посочи точката, която участва "
                      "едновременно в "
                      "най-много фигури."),
    QT_TRANSLATE_NOOP("TaskText", "Свойства на някои равнинни фигури:"),
    QT_TRANSLATE_NOOP(
        "TaskText",
        "квадрат - равни страни, равни диагонали. Две по две съседните му страни са взаимно "
        "перпендикулярни, а срещулежащите са успоредни."),
    QT_TRANSLATE_NOOP(
        "TaskText",
        "правоъгълник - две по две равни срещулежащи страни, две по две перпендикулярни прилежащи "
        "страни и равни диагонали"),
    QT_TRANSLATE_NOOP("TaskText",
                      "успоредник - две по две успоредни  и равни срещулежащи страни и различни по "
                      "дължина диагонали"),
    QT_TRANSLATE_NOOP(
        "TaskText",
        "ромб - страните са равни, две по две са успоредни и различни по дължина диагонали"),
    QT_TRANSLATE_NOOP(
        "TaskText",
        "равнобедрен трапец - две успоредни страни (основи a и c) с различна дължина, две равни "
        "срещулежащи страни (бедра) и равни диагонали."),
    "",
    QT_TRANSLATE_NOOP(
        "TaskText",
        "В произволен трапец със страни: основи a || b (a>b), бедра c и d; диагонали d1 и d2."),
    QT_TRANSLATE_NOOP("TaskText",
                      "За сбора от квадратите на диагоналите за всеки трапец е изпълнено: "),
    QT_TRANSLATE_NOOP("TaskText", "d1*d1 + d2*d2 = c*c + d*d + 2*a*b "),
    QT_TRANSLATE_NOOP("TaskText", "За разликата от квадратите на диагоналите за всеки трапец:"),
    QT_TRANSLATE_NOOP("TaskText", "d1*d1 - d2*d2 = (a + b)*(d*d - c*c )/(a-b)"),
};

// The lines as written, each followed by CR LF.
inline std::string TaskStatementText() {
    std::string text;
    for (const std::string_view line : kTaskStatement) (text += line) += "\r\n";
    return text;
}

}  // namespace plane_figures::session
