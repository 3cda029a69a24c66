#include "resultstable.h"

#include <utility>

namespace plane_figures::classresults {

namespace {

using Cell = ResultsTable::Cell;

Cell Text(std::string text) { return {Cell::Content::kText, std::move(text)}; }
Cell Word(std::string word) { return {Cell::Content::kWord, std::move(word)}; }

std::string Number(const std::optional<int>& value) {
    return value ? std::to_string(*value) : std::string();
}

}  // namespace

ResultsTable::Row ResultsTable::Header() {
    Row header;
    header[kName] = Word("Ученик");
    header[kVariant] = Word("Вариант");
    for (std::size_t k = 0; k < kKindNames.size(); ++k)
        header[kFirstKind + k] = Text(std::string(kKindNames[k]));
    header[kChecks] = Word("Проверки");
    header[kHints] = Word("Подсказки");
    header[kAnswersShown] = Word("Показани отговори");
    header[kNote] = Word("Бележка");
    return header;
}

ResultsTable::Row ResultsTable::Pupil(const PupilRow& row) {
    Row cells;
    cells[kName] = Text(row.Name());
    cells[kNote] = Text(row.note);
    if (row.LeftOut()) return cells;
    cells[kVariant] = Text(std::to_string(row.variant));
    for (std::size_t k = 0; k < row.right.size(); ++k) {
        if (!row.Asked(k)) continue;
        cells[kFirstKind + k] =
            row.right[k] ? Cell{Cell::Content::kRight, "1"} : Cell{Cell::Content::kWrong, "0"};
    }
    cells[kChecks] = Text(Number(row.checks));
    cells[kHints] = Text(Number(row.hints));
    if (row.answers_shown) cells[kAnswersShown] = Word(*row.answers_shown ? "да" : "не");
    return cells;
}

ResultsTable::Row ResultsTable::Shares(const ClassResults& results) {
    Row cells;
    cells[kName] = Word("Общо");
    for (std::size_t k = 0; k < results.shares.size(); ++k) {
        if (results.shares[k])
            cells[kFirstKind + k] = Text(std::to_string(*results.shares[k]) + "%");
    }
    return cells;
}

ResultsTable::Row ResultsTable::NotRead(const std::string& name) {
    Row cells;
    cells[kName] = Text(name);
    cells[kNote] = Text(std::string(name.ends_with('/') ? kSubfolder : kNotPfig));
    return cells;
}

}  // namespace plane_figures::classresults
