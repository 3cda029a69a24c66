#include "resultscsv.h"

#include <vector>

#include "csvtable.h"

namespace plane_figures::classresults {

namespace {

std::string Number(const std::optional<int>& value) {
    return value ? std::to_string(*value) : std::string();
}

}  // namespace

std::string ShareText(const std::optional<int>& share) {
    return share ? std::to_string(*share) + "%" : std::string();
}

std::string ResultsCsv(const ClassResults& results) {
    CsvTable csv;
    std::vector<std::string> header{"Ученик", "Вариант"};
    for (const std::string_view name : kKindNames) header.emplace_back(name);
    for (const char* title : {"Проверки", "Подсказки", "Показани отговори", "Бележка"})
        header.emplace_back(title);
    csv.AddRow(header);
    for (const PupilRow& row : results.rows) {
        std::vector<std::string> fields{row.Name()};
        if (row.LeftOut()) {
            fields.resize(header.size() - 1);
            fields.push_back(row.note);
            csv.AddRow(fields);
            continue;
        }
        fields.push_back(std::to_string(row.variant));
        for (std::size_t k = 0; k < row.right.size(); ++k)
            fields.emplace_back(!row.Asked(k) ? "" : row.right[k] ? "1" : "0");
        fields.push_back(Number(row.checks));
        fields.push_back(Number(row.hints));
        fields.emplace_back(!row.answers_shown ? "" : *row.answers_shown ? "да" : "не");
        fields.push_back(row.note);
        csv.AddRow(fields);
    }
    std::vector<std::string> total{"Общо", ""};
    for (const std::optional<int>& share : results.shares) total.push_back(ShareText(share));
    total.resize(header.size());
    csv.AddRow(total);
    for (const std::string& name : results.not_read) {
        std::vector<std::string> fields{name};
        fields.resize(header.size() - 1);
        fields.emplace_back(name.ends_with('/') ? kSubfolder : kNotPfig);
        csv.AddRow(fields);
    }
    return csv.Bytes();
}

}  // namespace plane_figures::classresults
