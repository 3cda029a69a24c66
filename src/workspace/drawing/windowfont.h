// The window's font, Times New Roman 12 pt, which the sheets print in too.
#pragma once

#include <QFont>

namespace plane_figures::workspace {

inline QFont WindowFont(bool bold = false) {
    return QFont(QStringLiteral("Times New Roman"), 12, bold ? QFont::Bold : QFont::Normal, false);
}

}  // namespace plane_figures::workspace
