#include "pupiltexts.h"

#include <array>
#include <utility>
#include <vector>

#include "figurekinds.h"

namespace plane_figures::session {

namespace {

constexpr const char* kContext = "PupilTexts";

bool Triangle(int kind) { return kind <= kIsoscelesRight; }

// the first letter a capital: a Latin one, or a Cyrillic one of two bytes
// in UTF-8 (а–я to А–Я)
std::string Capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 32);
    if (text.size() < 2) return text;
    const auto lead = static_cast<unsigned char>(text[0]);
    const auto next = static_cast<unsigned char>(text[1]);
    if (lead == 0xD0 && next >= 0xB0 && next <= 0xBF) {
        text[1] = static_cast<char>(next - 0x20);
    } else if (lead == 0xD1 && next >= 0x80 && next <= 0x8F) {
        text[0] = static_cast<char>(0xD0);
        text[1] = static_cast<char>(next + 0x20);
    }
    return text;
}

}  // namespace

PupilTexts::PupilTexts(Translate translate) : translate_(std::move(translate)) {}

std::string PupilTexts::Tr(const char* text) const {
    return translate_ ? translate_(kContext, text) : std::string(text);
}

std::string PupilTexts::Filled(std::string text, std::initializer_list<std::string> arguments) {
    int number = 1;
    for (const std::string& argument : arguments) {
        const std::string mark = "%" + std::to_string(number++);
        if (const auto at = text.find(mark); at != std::string::npos)
            text.replace(at, mark.size(), argument);
    }
    return text;
}

std::string PupilTexts::Heading(int variant, int variants) const {
    return Filled(Tr(QT_TRANSLATE_NOOP("PupilTexts", "Задача: вариант %1 от %2")),
                  {std::to_string(variant), std::to_string(variants)});
}

std::string PupilTexts::Instruction(classset::KindMask asked) const {
    if (classset::AsksAll(asked)) {
        return Tr(QT_TRANSLATE_NOOP(
            "PupilTexts", "Пребройте фигурите от всеки вид и напишете броя им в белите полета."));
    }
    std::vector<std::string> kinds;
    for (int k = 0; k < kKindCount; ++k) {
        if (classset::Asks(asked, k)) kinds.push_back(KindPlural(k));
    }
    std::string named = kinds.back();
    if (kinds.size() > 1) {
        std::string first = kinds.front();
        for (std::size_t k = 1; k + 1 < kinds.size(); ++k) first += ", " + kinds[k];
        named = Filled(Tr(QT_TRANSLATE_NOOP("PupilTexts", "%1 и %2")), {first, named});
    }
    return Filled(Tr(QT_TRANSLATE_NOOP("PupilTexts",
                                       "Пребройте само %1 и напишете броя им в белите полета на "
                                       "техните редове. Другите видове задачата не пита.")),
                  {named});
}

std::string PupilTexts::KindName(int kind) {
    return std::string(kKindNames.at(static_cast<std::size_t>(kind)));
}

std::string PupilTexts::KindPlural(int kind) const {
    static constexpr std::array<const char*, kKindCount> kPlural{
        QT_TRANSLATE_NOOP("PupilTexts", "равнобедрени триъгълници"),
        QT_TRANSLATE_NOOP("PupilTexts", "правоъгълни триъгълници"),
        QT_TRANSLATE_NOOP("PupilTexts", "равнобедрени правоъгълни триъгълници"),
        QT_TRANSLATE_NOOP("PupilTexts", "успоредници"),
        QT_TRANSLATE_NOOP("PupilTexts", "правоъгълници"),
        QT_TRANSLATE_NOOP("PupilTexts", "квадрати"),
        QT_TRANSLATE_NOOP("PupilTexts", "ромбове"),
    };
    return Tr(kPlural.at(static_cast<std::size_t>(kind)));
}

std::string PupilTexts::Verdict(int kind, task::Verdict verdict) const {
    const char* text = "";
    switch (verdict) {
        case task::Verdict::kRight: text = QT_TRANSLATE_NOOP("PupilTexts", "%1: вярно."); break;
        case task::Verdict::kMore:
            text = QT_TRANSLATE_NOOP("PupilTexts", "%1: не е вярно – има повече.");
            break;
        case task::Verdict::kFewer:
            text = QT_TRANSLATE_NOOP("PupilTexts", "%1: не е вярно – има по-малко.");
            break;
        case task::Verdict::kEmpty:
            text = QT_TRANSLATE_NOOP("PupilTexts", "%1: полето е празно.");
            break;
        case task::Verdict::kNoNumber:
            text = QT_TRANSLATE_NOOP("PupilTexts", "%1: напишете брой: 0, 1, 2, …");
            break;
        case task::Verdict::kNotAsked:
            text = QT_TRANSLATE_NOOP("PupilTexts", "%1: не се пита.");
            break;
    }
    return Filled(Tr(text), {KindName(kind)});
}

std::string PupilTexts::HintSentence(int kind, task::EasyToMiss easy,
                                     classset::KindMask asked) const {
    const std::string kinds = KindPlural(kind);
    switch (easy) {
        case task::EasyToMiss::kTiltedSides:
            return Filled(Tr(QT_TRANSLATE_NOOP(
                              "PupilTexts",
                              "Търсете и %1, чиито страни не следват линиите на мрежата – те са "
                              "наклонени спрямо нея.")),
                          {kinds});
        case task::EasyToMiss::kRightAngleOffGrid:
            return Filled(
                Tr(QT_TRANSLATE_NOOP(
                    "PupilTexts",
                    "Търсете и %1, чийто прав ъгъл е завъртян: рамената му не следват линиите "
                    "на мрежата. Проверявайте ъглите и на триъгълниците с наклонени страни.")),
                {kinds});
        case task::EasyToMiss::kEqualSidesTilted:
            return Filled(
                Tr(QT_TRANSLATE_NOOP(
                    "PupilTexts",
                    "Търсете и %1 с наклонени страни. Наклонените отсечки сравнявайте, като "
                    "броите за всяка по колко квадратчета отива встрани и по колко нагоре или "
                    "надолу: при едни и същи две числа отсечките са равни.")),
                {kinds});
        case task::EasyToMiss::kLargeFigures:
            return Filled(Tr(QT_TRANSLATE_NOOP(
                              "PupilTexts",
                              "Търсете %1 от всякакъв размер – и големи, с върхове в точки, които "
                              "са далеч една от друга.")),
                          {kinds});
        case task::EasyToMiss::kNarrowestKind:
            // in a task of some kinds only, what does not count as this kind,
            // said by what it has, not by a kind the task does not ask for
            if (!classset::AsksAll(asked)) {
                const std::string_view clause =
                    classset::kNotCountedAs.at(static_cast<std::size_t>(kind));
                if (clause.empty()) {
                    return Tr(QT_TRANSLATE_NOOP(
                        "PupilTexts",
                        "Написали сте повече, отколкото има. Проверете дали всяка "
                        "преброена фигура наистина е от този вид и дали не сте я "
                        "преброили два пъти."));
                }
                // the sheets' clause, translated in their context
                const std::string translated =
                    translate_ ? translate_("Worksheet", clause.data()) : std::string(clause);
                return Filled(
                    Tr(QT_TRANSLATE_NOOP("PupilTexts",
                                         "Написали сте повече, отколкото има. %1. Проверете и дали "
                                         "всяка преброена фигура наистина е от този вид.")),
                    {Capitalised(translated)});
            }
            return Triangle(kind)
                       ? Tr(QT_TRANSLATE_NOOP(
                             "PupilTexts",
                             "Написали сте повече, отколкото има. Всеки триъгълник се брои само "
                             "веднъж: равнобедреният правоъгълен – само като равнобедрен "
                             "правоъгълен, а не и като равнобедрен или правоъгълен. Проверете и "
                             "дали всяка преброена фигура наистина е от този вид."))
                       : Tr(QT_TRANSLATE_NOOP(
                             "PupilTexts",
                             "Написали сте повече, отколкото има. Всеки четириъгълник се брои "
                             "само веднъж: квадратът – само като квадрат, а не и като "
                             "правоъгълник, ромб или успоредник; правоъгълникът и ромбът – не и "
                             "като успоредници. Проверете и дали всяка преброена фигура "
                             "наистина е от този вид."));
    }
    return std::string();
}

std::string PupilTexts::HintFigure(int kind) const {
    return Filled(
        Tr(QT_TRANSLATE_NOOP("PupilTexts",
                             "%1: една такава фигура е начертана на платното, а в бележките под "
                             "задачата пише защо е от този вид.")),
        {KindName(kind)});
}

std::string PupilTexts::NoHintLeft(int kind) const {
    return Filled(Tr(QT_TRANSLATE_NOOP("PupilTexts", "%1: други подсказки за този вид няма.")),
                  {KindName(kind)});
}

std::string PupilTexts::WriteCountsFirst() const {
    return Tr(QT_TRANSLATE_NOOP("PupilTexts",
                                "Няма какво да се провери: първо напишете в белите полета колко "
                                "фигури от всеки вид намерихте."));
}

std::string PupilTexts::CheckFirst() const {
    return Tr(QT_TRANSLATE_NOOP("PupilTexts",
                                "Първо натиснете „Провери“ (F5): подсказка има само за вид, чийто "
                                "брой не е верен."));
}

std::string PupilTexts::AllRight() const {
    return Tr(QT_TRANSLATE_NOOP("PupilTexts", "Всички броеве са верни. Браво!"));
}

std::string PupilTexts::PointsLocked() const {
    return Tr(QT_TRANSLATE_NOOP(
        "PupilTexts",
        "Точките на задачата не могат да се променят: те са дадени от учителя. За да работите "
        "с други точки, напуснете задачата (Ctrl+L)."));
}

std::string PupilTexts::Tally(int checks, int hints) const {
    return Filled(Tr(QT_TRANSLATE_NOOP("PupilTexts", "Проверки: %1, подсказки: %2")),
                  {std::to_string(checks), std::to_string(hints)});
}

std::string PupilTexts::AnswersShown() const {
    return Tr(QT_TRANSLATE_NOOP("PupilTexts",
                                "Отговорите са показани: броят на всеки вид е до белите полета, "
                                "а фигурите – в резултата."));
}

std::string PupilTexts::ShowAnswersQuestion() const {
    return Tr(QT_TRANSLATE_NOOP(
        "PupilTexts",
        "Да се покажат ли отговорите? Учителят ще види във файла, че сте ги поискали."));
}

std::string PupilTexts::NameQuestion() const {
    return Tr(QT_TRANSLATE_NOOP("PupilTexts", "Име, фамилия и клас"));
}

std::string PupilTexts::NameNeeded() const {
    return Tr(QT_TRANSLATE_NOOP(
        "PupilTexts",
        "Работата не е записана: напишете име, фамилия и клас, за да се знае чия е."));
}

std::string PupilTexts::NotIntoTheVariant(const std::string& file) const {
    return Filled(Tr(QT_TRANSLATE_NOOP("PupilTexts",
                                       "Работата не е записана: „%1“ е файлът на задачата и "
                                       "трябва да остане такъв, какъвто е. Запишете работата си "
                                       "във файл с друго име.")),
                  {file});
}

std::string PupilTexts::NothingToSave() const {
    return Tr(QT_TRANSLATE_NOOP("PupilTexts", "Няма точки за записване."));
}

}  // namespace plane_figures::session
