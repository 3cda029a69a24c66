// The class's results for a spreadsheet, written as the class set's key is
// (CsvTable: a byte-order mark, ';' between fields, CR LF; free text quoted
// and guarded against running as a formula).
//
//   Ученик;Вариант;<the seven kinds in full words>;Проверки;Подсказки;Показани отговори;Бележка
//   a row per file: 1 for a kind right, 0 wrong, empty for a kind its set
//   did not ask; "да" or "не"; a file left out only its name and its note
//   Общо;;<each kind's share, "67%">;;;;
//   a row per file or subfolder not read: its name and why
#pragma once

#include <string>

#include "classresults.h"

namespace plane_figures::classresults {

std::string ResultsCsv(const ClassResults& results);

// A share as the table writes it: "67%"; empty for none.
std::string ShareText(const std::optional<int>& share);

}  // namespace plane_figures::classresults
