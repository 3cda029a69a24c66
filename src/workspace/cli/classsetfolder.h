// A class set's files written into a folder all at once: first into a new
// folder beside the files, then moved into place, so that a failure leaves
// the folder as it was.
#pragma once

#include <QString>

#include "classset.h"

namespace plane_figures::workspace::classsetfolder {

// Write every variant's point file and the answer key's CSV into folder
// (made when missing). A message naming what failed, empty on success.
[[nodiscard]] QString Write(const classset::ClassSet& set, const QString& folder);

}  // namespace plane_figures::workspace::classsetfolder
