#include "resultscell.h"

#include <QCoreApplication>

#include "resultscsv.h"
#include "utf8.h"

namespace plane_figures::workspace::resultscell {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("ResultsCell", text); }

QString Number(const std::optional<int>& value) {
    return value ? QString::number(*value) : QString();
}

}  // namespace

QStringList Header() {
    QStringList header{Tr("Ученик"), Tr("Вариант")};
    for (const std::string_view name : kKindNames) header << Utf8(name);
    header << Tr("Проверки") << Tr("Подсказки") << Tr("Показани отговори") << Tr("Бележка");
    return header;
}

QStringList Row(const classresults::PupilRow& row) {
    QStringList cells{QString::fromStdString(row.Name())};
    if (!row.counted) {
        while (cells.size() < kColumns - 1) cells << QString();
        return cells << QString::fromStdString(row.note);
    }
    cells << QString::number(row.variant);
    for (const bool right : row.right) cells << (right ? Tr("вярно") : Tr("грешно"));
    cells << Number(row.checks) << Number(row.hints);
    cells << (!row.answers_shown ? QString() : *row.answers_shown ? Tr("да") : Tr("не"));
    return cells << QString::fromStdString(row.note);
}

QStringList Shares(const classresults::ClassResults& results) {
    QStringList cells{Tr("Общо"), QString()};
    for (const std::optional<int>& share : results.shares)
        cells << QString::fromStdString(classresults::ShareText(share));
    while (cells.size() < kColumns) cells << QString();
    return cells;
}

QColor Fill(const classresults::PupilRow& row, int column) {
    const int kind = column - kFirstKind;
    if (!row.counted || kind < 0 || kind >= kKindCount) return QColor();
    return row.right[static_cast<std::size_t>(kind)] ? QColor(0xd4, 0xf0, 0xd4)
                                                     : QColor(0xf8, 0xd0, 0xd0);
}

}  // namespace plane_figures::workspace::resultscell
