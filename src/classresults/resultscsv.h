// The class's results for a spreadsheet: UTF-8 with a byte-order mark,
// fields separated by ';', CR LF line ends, as the class set's key.
//
//   Ученик;Вариант;<the seven kinds in full words>;Проверки;Подсказки;Показани отговори;Бележка
//   a row per file: 1 for a kind right, 0 wrong, empty for a kind its set
//   did not ask; "да" or "не"; a file left out only its name and its note
//   Общо;;<each kind's share, "67%">;;;;
//   a row per file or subfolder not read: its name and why
#pragma once

#include <string>
#include <string_view>

#include "classresults.h"

namespace plane_figures::classresults {

std::string ResultsCsv(const ClassResults& results);

// One field as a spreadsheet reads it back as text: quoted, its quotes
// doubled, where it holds ';', '"' or a line end; an apostrophe put before
// a field that starts as a formula would ('=', '+', '-', '@', a tab or a CR),
// so that a pupil's name is never run as one.
std::string CsvField(std::string_view text);

// A share as the table writes it: "67%"; empty for none.
std::string ShareText(const std::optional<int>& share);

}  // namespace plane_figures::classresults
