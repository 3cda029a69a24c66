#include "tasktexts.h"

#include <QStringList>
#include <array>
#include <string_view>

#include "figurekinds.h"

namespace plane_figures::workspace {

namespace {

bool Triangle(int kind) { return kind <= kIsoscelesRight; }

// the core's clause translated by its bytes, as the sheets translate it
QString NotCountedAs(int kind) {
    const std::string_view clause = classset::kNotCountedAs.at(static_cast<std::size_t>(kind));
    return QCoreApplication::translate("Worksheet", clause.data());
}

}  // namespace

QString TaskTexts::Heading(int variant, int variants) {
    return tr("Задача: вариант %1 от %2").arg(variant).arg(variants);
}

QString TaskTexts::Instruction(classset::KindMask asked) {
    if (classset::AsksAll(asked))
        return tr("Пребройте фигурите от всеки вид и напишете броя им в белите полета.");
    QStringList kinds;
    for (int k = 0; k < kKindCount; ++k) {
        if (classset::Asks(asked, k)) kinds << KindPlural(k);
    }
    const QString last = kinds.takeLast();
    const QString named = kinds.isEmpty() ? last : tr("%1 и %2").arg(kinds.join(", "), last);
    return tr("Пребройте само %1 и напишете броя им в белите полета на техните редове. Другите "
              "видове задачата не пита.")
        .arg(named);
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

QString TaskTexts::Verdict(int kind, task::Verdict said) {
    switch (said) {
        case task::Verdict::kRight: return tr("%1: вярно.").arg(KindName(kind));
        case task::Verdict::kMore: return tr("%1: не е вярно – има повече.").arg(KindName(kind));
        case task::Verdict::kFewer: return tr("%1: не е вярно – има по-малко.").arg(KindName(kind));
        case task::Verdict::kEmpty: return tr("%1: полето е празно.").arg(KindName(kind));
        case task::Verdict::kNoNumber:
            return tr("%1: напишете брой: 0, 1, 2, …").arg(KindName(kind));
        case task::Verdict::kNotAsked: return tr("%1: не се пита.").arg(KindName(kind));
    }
    return QString();
}

QString TaskTexts::HintSentence(int kind, task::EasyToMiss easy, classset::KindMask asked) {
    const QString kinds = KindPlural(kind);
    switch (easy) {
        case task::EasyToMiss::kTiltedSides:
            return tr("Търсете и %1, чиито страни не следват линиите на мрежата – те са "
                      "наклонени спрямо нея.")
                .arg(kinds);
        case task::EasyToMiss::kRightAngleOffGrid:
            return tr("Търсете и %1, чийто прав ъгъл е завъртян: рамената му не следват линиите "
                      "на мрежата. Проверявайте ъглите и на триъгълниците с наклонени страни.")
                .arg(kinds);
        case task::EasyToMiss::kEqualSidesTilted:
            return tr("Търсете и %1 с наклонени страни. Наклонените отсечки сравнявайте, като "
                      "броите за всяка по колко квадратчета отива встрани и по колко нагоре или "
                      "надолу: при едни и същи две числа отсечките са равни.")
                .arg(kinds);
        case task::EasyToMiss::kLargeFigures:
            return tr("Търсете %1 от всякакъв размер – и големи, с върхове в точки, които са "
                      "далеч една от друга.")
                .arg(kinds);
        case task::EasyToMiss::kNarrowestKind:
            // in a task of some kinds only, what does not count as this kind,
            // said by what it has, not by a kind the task does not ask for
            if (!classset::AsksAll(asked)) {
                const QString clause = NotCountedAs(kind);
                if (clause.isEmpty()) {
                    return tr(
                        "Написали сте повече, отколкото има. Проверете дали всяка "
                        "преброена фигура наистина е от този вид и дали не сте я "
                        "преброили два пъти.");
                }
                return tr("Написали сте повече, отколкото има. %1. Проверете и дали всяка "
                          "преброена фигура наистина е от този вид.")
                    .arg(clause.left(1).toUpper() + clause.mid(1));
            }
            return Triangle(kind)
                       ? tr("Написали сте повече, отколкото има. Всеки триъгълник се брои само "
                            "веднъж: равнобедреният правоъгълен – само като равнобедрен "
                            "правоъгълен, а не и като равнобедрен или правоъгълен. Проверете и "
                            "дали всяка преброена фигура наистина е от този вид.")
                       : tr("Написали сте повече, отколкото има. Всеки четириъгълник се брои "
                            "само веднъж: квадратът – само като квадрат, а не и като "
                            "правоъгълник, ромб или успоредник; правоъгълникът и ромбът – не и "
                            "като успоредници. Проверете и дали всяка преброена фигура наистина е "
                            "от този вид.");
    }
    return QString();
}

QString TaskTexts::HintFigure(int kind) {
    return tr("%1: една такава фигура е начертана на платното, а в бележките под задачата пише "
              "защо е от този вид.")
        .arg(KindName(kind));
}

QString TaskTexts::NoHintLeft(int kind) {
    return tr("%1: други подсказки за този вид няма.").arg(KindName(kind));
}

QString TaskTexts::WriteCountsFirst() {
    return tr(
        "Няма какво да се провери: първо напишете в белите полета колко фигури от "
        "всеки вид намерихте.");
}

QString TaskTexts::CheckFirst() {
    return tr(
        "Първо натиснете „Провери“ (F5): подсказка има само за вид, чийто брой не е "
        "верен.");
}

QString TaskTexts::AllRight() { return tr("Всички броеве са верни. Браво!"); }

QString TaskTexts::PointsLocked() {
    return tr(
        "Точките на задачата не могат да се променят: те са дадени от учителя. За да работите с "
        "други точки, напуснете задачата (Ctrl+L).");
}

QString TaskTexts::Tally(int checks, int hints) {
    return tr("Проверки: %1, подсказки: %2").arg(checks).arg(hints);
}

QString TaskTexts::AnswersShown() {
    return tr(
        "Отговорите са показани: броят на всеки вид е до белите полета, а фигурите – в "
        "резултата.");
}

QString TaskTexts::ShowAnswersQuestion() {
    return tr("Да се покажат ли отговорите? Учителят ще види във файла, че сте ги поискали.");
}

QString TaskTexts::NameQuestion() { return tr("Име, фамилия и клас"); }

}  // namespace plane_figures::workspace
