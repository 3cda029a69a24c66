#include "csvtable.h"

#include "figurekinds.h"

namespace plane_figures {

void CsvTable::AddRow(std::span<const std::string> fields) {
    for (std::size_t f = 0; f < fields.size(); ++f) {
        if (f > 0) bytes_ += ';';
        bytes_ += Field(fields[f]);
    }
    bytes_ += kCrLf;
}

std::string CsvTable::Field(std::string_view text) {
    std::string field;
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        field += '\'';
    field += text;
    if (field.find_first_of(";\"\r\n") == std::string::npos) return field;
    std::string quoted = "\"";
    for (const char c : field) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace plane_figures
