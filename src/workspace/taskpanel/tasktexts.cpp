#include "tasktexts.h"

#include <array>

#include "figurekinds.h"

namespace plane_figures::workspace {

namespace {

bool Triangle(int kind) { return kind <= kIsoscelesRight; }

}  // namespace

QString TaskTexts::Heading(int variant, int variants) {
    return tr("Задача: вариант %1 от %2").arg(variant).arg(variants);
}

QString TaskTexts::Instruction() {
    return tr("Пребройте фигурите от всеки вид и напишете броя им в белите полета.");
}

QString TaskTexts::KindName(int kind) {
    return QString::fromUtf8(kKindNames.at(static_cast<std::size_t>(kind)));
}

QString TaskTexts::KindPlural(int kind) {
    const std::array<QString, kKindCount> plural{
        tr("равнобедрени триъгълници"),
        tr("правоъгълни триъгълници"),
        tr("равнобедрени правоъгълни триъгълници"),
        tr("успоредници"),
        tr("правоъгълници"),
        tr("квадрати"),
        tr("ромбове"),
    };
    return plural.at(static_cast<std::size_t>(kind));
}

QString TaskTexts::Verdict(int kind, TaskState::Said said) {
    switch (said) {
        case TaskState::Said::kRight: return tr("%1: вярно.").arg(KindName(kind));
        case TaskState::Said::kMore: return tr("%1: има повече.").arg(KindName(kind));
        case TaskState::Said::kFewer: return tr("%1: има по-малко.").arg(KindName(kind));
        case TaskState::Said::kEmpty: return tr("%1: полето е празно.").arg(KindName(kind));
        case TaskState::Said::kNoNumber:
            return tr("%1: в полето не е написано цяло число.").arg(KindName(kind));
    }
    return QString();
}

QString TaskTexts::HintSentence(int kind, task::EasyToMiss easy) {
    const QString kinds = KindPlural(kind);
    switch (easy) {
        case task::EasyToMiss::kTiltedSides:
            return tr("Има %1, чиито страни не следват линиите на мрежата — завъртени на една "
                      "страна.")
                .arg(kinds);
        case task::EasyToMiss::kRightAngleOffGrid:
            return tr("Има %1, чийто прав ъгъл не е по линиите на мрежата — рамената му са "
                      "наклонени. Проверете ъглите и на такива триъгълници.")
                .arg(kinds);
        case task::EasyToMiss::kEqualSidesTilted:
            return tr("Има %1, чиито равни страни са наклонени спрямо мрежата — сравнете "
                      "дължините им, като броите квадратчетата надясно и нагоре.")
                .arg(kinds);
        case task::EasyToMiss::kLargeFigures:
            return tr("Има големи %1, които обхващат много квадратчета от мрежата — търсете ги "
                      "и между точки, които са далеч една от друга.")
                .arg(kinds);
        case task::EasyToMiss::kNarrowestKind:
            return Triangle(kind)
                       ? tr("Написали сте повече, отколкото има. Всеки триъгълник се брои само "
                            "веднъж: равнобедреният правоъгълен – само като равнобедрен "
                            "правоъгълен, а не и като равнобедрен или правоъгълен.")
                       : tr("Написали сте повече, отколкото има. Всеки четириъгълник се брои "
                            "само веднъж: квадратът – само като квадрат, а не и като "
                            "правоъгълник, ромб или успоредник; правоъгълникът и ромбът – не и "
                            "като успоредници.");
    }
    return QString();
}

QString TaskTexts::HintFigure(int kind) {
    return tr("%1: една фигура от този вид е начертана върху платното, а защо е от този вид, "
              "пише в бележките.")
        .arg(KindName(kind));
}

QString TaskTexts::NoHintLeft(int kind) {
    return tr("%1: показани са всички фигури от този вид.").arg(KindName(kind));
}

QString TaskTexts::CheckFirst() {
    return tr(
        "Подсказка има за вид, който проверката е намерила грешен. Първо натиснете "
        "„Провери“ (F5).");
}

QString TaskTexts::AllRight() { return tr("Всички броеве са верни. Браво!"); }

QString TaskTexts::PointsLocked() {
    return tr(
        "Точките на задачата не се променят: те са дадени от учителя. За да работите с "
        "други точки, напуснете задачата (Ctrl+L).");
}

QString TaskTexts::Tally(int checks, int hints) {
    return tr("Проверки: %1, подсказки: %2").arg(checks).arg(hints);
}

QString TaskTexts::AnswersShown() {
    return tr("Отговорите са показани: „Чертай“ показва броя на всеки вид.");
}

QString TaskTexts::ShowAnswersQuestion() {
    return tr("Да се покажат ли отговорите? Учителят ще види във файла, че сте ги поискали.");
}

QString TaskTexts::NameQuestion() { return tr("Име, фамилия и клас"); }

}  // namespace plane_figures::workspace
