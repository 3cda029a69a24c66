// A table for a spreadsheet as bytes, the one way the program writes one:
// UTF-8 with a byte-order mark, fields separated by ';', each row ending in
// CR LF. A field that holds ';', '"' or a line end is quoted, its quotes
// doubled; a field that starts as a formula would ('=', '+', '-', '@', a tab
// or a CR) gets an apostrophe before it, so that a pupil's name is never run
// as one.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "byteordermark.h"

namespace plane_figures {

class CsvTable {
public:
    // Append a row: its fields, each as Field writes it, then CR LF.
    void AddRow(std::span<const std::string> fields);
    // The byte-order mark and the rows so far.
    const std::string& Bytes() const { return bytes_; }

    // One field as a spreadsheet reads it back as the text it is.
    static std::string Field(std::string_view text);

private:
    std::string bytes_{kUtf8Bom};
};

}  // namespace plane_figures
