// A folder of the pupils' saved tasks read for the class's results: its
// ".pfig" files, in the order of their names' UTF-8 bytes (Unicode's order
// of the letters, the same on every machine and in every language: capitals
// before small letters, Latin before Cyrillic), each read as far as a point
// file may go.
#pragma once

#include <QString>
#include <variant>
#include <vector>

#include "classresults.h"

namespace plane_figures::workspace::classresultsfolder {

// The folder's files, or why the folder cannot be read, in a sentence that
// names it.
std::variant<classresults::Folder, QString> Read(const QString& folder);

}  // namespace plane_figures::workspace::classresultsfolder
