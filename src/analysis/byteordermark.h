// The byte-order mark that starts a UTF-8 text: the tables for a spreadsheet
// begin with it, so that a spreadsheet reads their letters as UTF-8, and the
// files read in skip it where an editor wrote one.
#pragma once

#include <string_view>

namespace plane_figures {

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace plane_figures
