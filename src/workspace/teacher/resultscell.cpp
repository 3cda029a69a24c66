#include "resultscell.h"

#include <QCoreApplication>

#include "resultstable.h"

namespace plane_figures::workspace::resultscell {

using classresults::ResultsTable;

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("ResultsCell", text); }

// a row's cells as shown: "вярно" and "грешно" for a kind right and wrong,
// the table's own words translated
QStringList Shown(const ResultsTable::Row& row) {
    QStringList cells;
    for (const ResultsTable::Cell& cell : row) {
        switch (cell.content) {
            case ResultsTable::Cell::Content::kWord: cells << Tr(cell.text.c_str()); break;
            case ResultsTable::Cell::Content::kRight: cells << Tr("вярно"); break;
            case ResultsTable::Cell::Content::kWrong: cells << Tr("грешно"); break;
            case ResultsTable::Cell::Content::kText:
                cells << (cell.text.empty() ? QString() : QString::fromStdString(cell.text));
                break;
        }
    }
    return cells;
}

}  // namespace

QStringList Header() { return Shown(ResultsTable::Header()); }

QStringList Row(const classresults::PupilRow& row) { return Shown(ResultsTable::Pupil(row)); }

QStringList Shares(const classresults::ClassResults& results) {
    return Shown(ResultsTable::Shares(results));
}

QColor Fill(const classresults::PupilRow& row, int column) {
    const int kind = column - ResultsTable::kFirstKind;
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
