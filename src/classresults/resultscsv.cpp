#include "resultscsv.h"

#include <vector>

#include "csvtable.h"
#include "resultstable.h"

namespace plane_figures::classresults {

std::string ResultsCsv(const ClassResults& results) {
    CsvTable csv;
    const auto add = [&csv](const ResultsTable::Row& row) {
        std::vector<std::string> fields;
        for (const ResultsTable::Cell& cell : row) fields.push_back(cell.text);
        csv.AddRow(fields);
    };
    add(ResultsTable::Header());
    for (const PupilRow& row : results.rows) add(ResultsTable::Pupil(row));
    add(ResultsTable::Shares(results));
    for (const std::string& name : results.not_read) add(ResultsTable::NotRead(name));
    return csv.Bytes();
}

}  // namespace plane_figures::classresults
