// The class's results as the teacher's table and its printed sheet show
// them, cell by cell, in the columns of ResultsTable: a kind right or wrong
// in words as well as in colour, so that a page printed in black and white
// says the same; the table's own words translated.
#pragma once

#include <QColor>
#include <QStringList>

#include "classresults.h"

namespace plane_figures::workspace::resultscell {

QStringList Header();
// A file's row; a file left out shows only its name and its note, a kind
// its set did not ask nothing.
QStringList Row(const classresults::PupilRow& row);
// "Общо" and each kind's share, "67%".
QStringList Shares(const classresults::ClassResults& results);
// A kind's cell filled green when right, red when wrong; no fill elsewhere,
// on a kind not asked and on a row that does not count.
QColor Fill(const classresults::PupilRow& row, int column);
// The folder's own set as its files name it: "Комплект от 25 варианта, код
// 48213, по 10 точки, видове 1,2,3,4,5,6,7"; empty when no file is of a set.
QString SetLine(const classresults::ClassResults& results);
// What the folder holds and was not read, "Не са прочетени: …"; empty for
// nothing.
QString NotRead(const classresults::ClassResults& results);

}  // namespace plane_figures::workspace::resultscell
