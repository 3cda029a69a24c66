// Files that plainly hold no points: documents, pictures and archives that a
// pupil may open or drop by mistake, told apart by their first bytes, and any
// file with a NUL byte, which no text holds.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace plane_figures::foreignfile {

// What the bytes are, in a pupil's words ("документ PDF", "картина PNG",
// "двоични данни"), when they are plainly no text; nullopt for anything a
// text file may hold. A file with a UTF-16 byte-order mark is text.
std::optional<std::string> KindOf(std::string_view bytes);

}  // namespace plane_figures::foreignfile
