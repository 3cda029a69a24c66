// A point set saved as text: the ".pfig" exercise file
// (MIME type application/x-plane-figures).
//
// UTF-8 text, one point per line: X and Y in canvas pixels as whole numbers,
// separated by blanks (spaces or tabs) or by one comma with optional blanks
// around it. Empty and blank lines and lines whose first non-blank character
// is '#' are skipped. Lines end in LF or CR LF; a UTF-8 byte-order mark at the
// start is skipped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "grid.h"
#include "gridpoint.h"
#include "pointset.h"

namespace plane_figures::pointfile {

// A point must lie in the canvas's drawing area (kCanvasWidth × kCanvasHeight).
inline constexpr std::size_t kMaxPoints = PointSet::kCapacity;
// The longest line read, in characters, without its line end.
inline constexpr std::size_t kMaxLineChars = 1000;
// The largest file read (1 MiB); ParseFile refuses longer ones whole, so a
// reader need read no more than one byte past it.
inline constexpr std::uintmax_t kMaxFileBytes = 1024 * 1024;

// Why a file is refused: the 1-based line at fault (0 when the fault is
// not about one line) and a Bulgarian message that starts with that line
// ("ред 3: ..."). The window puts the file name in front.
struct Error {
    std::size_t line = 0;
    std::string message;
    friend bool operator==(const Error&, const Error&) = default;
};
using ParseResult = std::variant<std::vector<GridPoint>, Error>;

// The text of a file: a heading comment, then one "X Y" line per point in
// entry order, LF line ends.
std::string Format(std::span<const GridPoint> points);

// The points of a file's bytes in file order, as written (not snapped to
// the grid), or why the whole file is refused: not UTF-8, a line at fault,
// or no point.
ParseResult Parse(std::string_view bytes);

// The same for the bytes read from a file, the first kMaxFileBytes + 1 at
// most: plainly no file of points (CheckKind) or past kMaxFileBytes, the
// file is refused whole.
ParseResult ParseFile(std::string_view bytes);

// The error for bytes that are plainly no file of points (a PDF, a picture,
// a zip, binary data), which Parse gives too; ParseFile asks it before the
// size, so that a large document is not refused for its size alone.
std::optional<Error> CheckKind(std::string_view bytes);

}  // namespace plane_figures::pointfile
