// The class's results for a spreadsheet: the rows of ResultsTable (the
// header, a row per file, the shares, what was not read), each cell its
// text ("1" right, "0" wrong), written as the class set's key is (CsvTable: a
// byte-order mark, ';' between fields, CR LF; free text quoted and guarded
// against running as a formula).
#pragma once

#include <string>

#include "classresults.h"

namespace plane_figures::classresults {

std::string ResultsCsv(const ClassResults& results);

}  // namespace plane_figures::classresults
