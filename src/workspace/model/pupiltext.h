// The pupil's texts as the window shows them: the session's, translated by
// the application's translator at the moment they are read.
#pragma once

#include <QString>
#include <string>

#include "pupiltexts.h"

namespace plane_figures::workspace {

const session::PupilTexts& PupilText();

// A text of the session's, for a view.
inline QString Shown(const std::string& text) { return QString::fromStdString(text); }

}  // namespace plane_figures::workspace
