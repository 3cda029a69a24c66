// The program's texts, kept as UTF-8 in the core, as Qt's strings.
#pragma once

#include <QString>
#include <string_view>

namespace plane_figures::workspace {

inline QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace plane_figures::workspace
