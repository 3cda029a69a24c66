// The short help that F1 shows: the mouse, how the figures are counted, the
// keys, and the point-set file. A line ending in ":" heads the indented lines
// after it.
// Translated in the context "HelpText"; the line of how the figures are
// counted is the core's, and a translation gives it in that context too. A
// line's %1 is the most points the canvas takes (PointSet::kCapacity).
#pragma once

#include <QtGlobal>
#include <array>
#include <string_view>

#include "figurekinds.h"

namespace plane_figures::workspace {

inline constexpr std::array<std::string_view, 36> kHelpLines{
    QT_TRANSLATE_NOOP("HelpText", "С мишката:"),
    QT_TRANSLATE_NOOP(
        "HelpText",
        "  щракване върху платното въвежда точка в най-близкия възел на мрежата (до %1 точки);"),
    QT_TRANSLATE_NOOP(
        "HelpText",
        "  щракване върху ред в списъците с точки избира точката и я показва на платното;"),
    QT_TRANSLATE_NOOP(
        "HelpText",
        "  „Чертай“ намира фигурите с върхове в точките и показва колко са от всеки вид;"),
    QT_TRANSLATE_NOOP(
        "HelpText",
        "  в полето пред броя на програмата напишете колко фигури от този вид сте намерили вие;"),
    QT_TRANSLATE_NOOP(
        "HelpText",
        "  „Изчисти“ изтрива всички точки, резултата и броевете, а „Изтрий  1 т.“ – избраната "
        "точка;"),
    QT_TRANSLATE_NOOP("HelpText",
                      "  щракване върху ред от резултата показва фигурата му на платното."),
    QT_TRANSLATE_NOOP("HelpText", "Как се броят фигурите:"),
    kOneKindEach,
    QT_TRANSLATE_NOOP("HelpText", "Клавиши в прозореца:"),
    QT_TRANSLATE_NOOP(
        "HelpText",
        "  Ctrl+O – отваря файл с точки (.pfig); файлът може и да се пусне с мишката върху "
        "прозореца"),
    QT_TRANSLATE_NOOP(
        "HelpText",
        "  Ctrl+S – записва точките във файл; ако после ги промените, при затваряне програмата "
        "пита дали да ги запише"),
    QT_TRANSLATE_NOOP("HelpText",
                      "  Ctrl+Z – отменя последната стъпка: въведена или изтрита точка, "
                      "изчистване, отворен файл"),
    QT_TRANSLATE_NOOP("HelpText", "  Ctrl+Y или Ctrl+Shift+Z – връща отменената стъпка"),
    QT_TRANSLATE_NOOP(
        "HelpText",
        "  Ctrl+P – отпечатва лист с отговорите: платното, точките, броевете и резултата"),
    QT_TRANSLATE_NOOP(
        "HelpText", "  Ctrl+Shift+P – отпечатва работен лист: платното и точките, без отговорите"),
    QT_TRANSLATE_NOOP(
        "HelpText",
        "  Ctrl+E – записва листа с отговорите като PDF или само платното като картина PNG"),
    QT_TRANSLATE_NOOP(
        "HelpText",
        "  Ctrl+Shift+E – записва работния лист като PDF или само платното без фигурите като "
        "картина PNG"),
    QT_TRANSLATE_NOOP("HelpText", "  F1 – тази помощ"),
    QT_TRANSLATE_NOOP("HelpText", "Задача от учителя (отворен файл с вариант):"),
    QT_TRANSLATE_NOOP("HelpText",
                      "  F5 – проверява броевете в белите полета: за всеки вид казва дали е верен, "
                      "без да издава колко фигури има"),
    QT_TRANSLATE_NOOP("HelpText",
                      "  F6 – подсказка за вид, чийто брой не е верен: първо какво лесно се "
                      "пропуска, после фигурите една по една"),
    QT_TRANSLATE_NOOP("HelpText",
                      "  Ctrl+L – напуска задачата; след това точките могат да се "
                      "променят"),
    QT_TRANSLATE_NOOP("HelpText", "Върху платното:"),
    QT_TRANSLATE_NOOP("HelpText", "  стрелките местят курсора по възлите на мрежата"),
    QT_TRANSLATE_NOOP("HelpText", "  Интервал или Enter въвежда точка на мястото на курсора"),
    QT_TRANSLATE_NOOP("HelpText", "  Delete изтрива избраната точка"),
    QT_TRANSLATE_NOOP("HelpText",
                      "В списъците с точки: стрелките избират точка, Delete я изтрива."),
    QT_TRANSLATE_NOOP("HelpText", "Върху бутон: Интервал или Enter го натиска."),
    QT_TRANSLATE_NOOP("HelpText", "В полето с резултата:"),
    QT_TRANSLATE_NOOP(
        "HelpText",
        "  стрелките нагоре и надолу, Page Up, Page Down, Home и End избират ред: фигурата му се "
        "показва на платното и се обяснява защо е от този вид"),
    QT_TRANSLATE_NOOP("HelpText", "  Esc отменя избора на ред"),
    QT_TRANSLATE_NOOP("HelpText",
                      "  щракване с десния бутон на мишката отваря меню с командите на прозореца"),
    QT_TRANSLATE_NOOP("HelpText", "Файл с точки (.pfig):"),
    QT_TRANSLATE_NOOP(
        "HelpText",
        "  текст в UTF-8, по една точка на ред: X и Y в пиксели (X от 0 до 262, Y от 0 до 228), "
        "разделени с интервал или запетая"),
    QT_TRANSLATE_NOOP(
        "HelpText",
        "  редовете, които започват с #, са бележки; # след числата на реда не се приема"),
};

}  // namespace plane_figures::workspace
