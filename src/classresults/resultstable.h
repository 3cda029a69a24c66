// The class's results as a table: the one layout that the spreadsheet's file
// writes and the teacher's window and its printed sheet show, the columns in
// their order and what a row holds in each, as plain data.
//
//   Ученик | Вариант | the seven kinds in full words | Проверки | Подсказки |
//   Показани отговори | Бележка
//   a row per file: each kind its set asked right or wrong, empty for a kind
//   it did not ask; "да" or "не"; a file left out only its name and its note
//   Общо, each kind's share ("67%"), empty for a kind not asked
//   a row per file or subfolder not read: its name and why (the window says
//   these under its table instead)
#pragma once

#include <array>
#include <string>

#include "classresults.h"

namespace plane_figures::classresults {

class ResultsTable {
public:
    enum Column : int {
        kName,
        kVariant,
        kFirstKind,  // the seven kinds, in the count frame's order
        kChecks = kFirstKind + kKindCount,
        kHints,
        kAnswersShown,
        kNote,
        kColumns
    };

    // A cell: its text as the spreadsheet's file writes it, and what it is,
    // for the window to show in words of its own.
    struct Cell {
        enum class Content {
            kText,  // as it is: a name, a number, a share, a note, a kind's name
            kWord,  // one of the table's own words ("Ученик", "Общо", "да"), translated
            kRight,  // a kind counted right, "1"
            kWrong,  // a kind counted wrong, "0"
        };
        Content content = Content::kText;
        std::string text;
        friend bool operator==(const Cell&, const Cell&) = default;
    };
    using Row = std::array<Cell, kColumns>;

    static Row Header();
    // A file's row.
    static Row Pupil(const PupilRow& row);
    // "Общо" and each kind's share.
    static Row Shares(const ClassResults& results);
    // A file or subfolder (its name ends in '/') that was not read.
    static Row NotRead(const std::string& name);
};

}  // namespace plane_figures::classresults
