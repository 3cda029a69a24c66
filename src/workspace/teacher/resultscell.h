// The class's results as the teacher's table and its printed sheet show
// them, cell by cell: a kind right or wrong in words as well as in colour,
// so that a page printed in black and white says the same.
#pragma once

#include <QColor>
#include <QStringList>

#include "classresults.h"

namespace plane_figures::workspace::resultscell {

// the name, the variant, the seven kinds, checks, hints, answers shown, note
inline constexpr int kColumns = 13;
inline constexpr int kFirstKind = 2;

QStringList Header();
// A file's row; a file left out shows only its name and its note.
QStringList Row(const classresults::PupilRow& row);
// "Общо" and each kind's share, "67%".
QStringList Shares(const classresults::ClassResults& results);
// A kind's cell filled green when right, red when wrong; no fill elsewhere
// and on a row left out.
QColor Fill(const classresults::PupilRow& row, int column);

}  // namespace plane_figures::workspace::resultscell
