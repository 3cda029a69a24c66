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
    if (row.LeftOut()) {
        while (cells.size() < kColumns - 1) cells << QString();
        return cells << QString::fromStdString(row.note);
    }
    cells << QString::number(row.variant);
    for (std::size_t k = 0; k < row.right.size(); ++k)
        cells << (!row.Asked(k) ? QString() : row.right[k] ? Tr("вярно") : Tr("грешно"));
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
    if (!row.counted || kind < 0 || kind >= kKindCount ||
        !row.Asked(static_cast<std::size_t>(kind)))
        return QColor();
    return row.right[static_cast<std::size_t>(kind)] ? QColor(0xd4, 0xf0, 0xd4)
                                                     : QColor(0xf8, 0xd0, 0xd0);
}

QString SetLine(const classresults::ClassResults& results) {
    if (!results.set) return QString();
    const classset::ClassSettings& set = *results.set;
    return (set.variants == 1 ? Tr("Комплект от %1 вариант, код %2, по %3 точки, видове %4")
                              : Tr("Комплект от %1 варианта, код %2, по %3 точки, видове %4"))
        .arg(set.variants)
        .arg(set.code)
        .arg(set.points)
        .arg(QString::fromStdString(classset::KindList(set.kinds)));
}

QString NotRead(const classresults::ClassResults& results) {
    if (results.not_read.empty()) return QString();
    QStringList names;
    for (const std::string& name : results.not_read) names << QString::fromStdString(name);
    return Tr("Не са прочетени: %1 – четат се само файловете .pfig.")
        .arg(names.join(QStringLiteral(", ")));
}

}  // namespace plane_figures::workspace::resultscell
