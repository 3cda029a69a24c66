// Lines of the window's own texts (the task, the quotation, the help), each
// marked in its table with the context it is translated in, as Qt's strings
// in the interface's language: translated where a translation is installed,
// as they are written otherwise. An empty line stays empty.
#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <array>
#include <string>
#include <string_view>

namespace plane_figures::workspace {

template <std::size_t N>
QStringList TranslatedLines(const char* context, const std::array<std::string_view, N>& lines) {
    QStringList translated;
    for (const std::string_view line : lines) {
        translated << (line.empty()
                           ? QString()
                           : QCoreApplication::translate(context, std::string(line).c_str()));
    }
    return translated;
}

}  // namespace plane_figures::workspace
