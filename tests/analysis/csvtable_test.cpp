// The one writer of tables for a spreadsheet: the mark once, the separators
// and line ends, and free text quoted and guarded so that it stays one field
// and is never run as a formula.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "csvtable.h"

namespace plane_figures {
namespace {

TEST(CsvTableTest, MarkOnceThenRowsWithEmptyFieldsKept) {
    CsvTable table;
    EXPECT_EQ(table.Bytes(), "\xEF\xBB\xBF");
    table.AddRow(std::vector<std::string>{"Вариант", "", "3"});
    table.AddRow(std::vector<std::string>{"", ""});
    table.AddRow(std::vector<std::string>{});
    EXPECT_EQ(table.Bytes(), "\xEF\xBB\xBFВариант;;3\r\n;\r\n\r\n");
}

TEST(CsvTableTest, QuotesAndGuardsFreeText) {
    const std::vector<std::pair<std::string, std::string>> fields{
        {"Ана", "Ана"},
        {"", ""},
        {"Иван; 6 б", "\"Иван; 6 б\""},
        {"Иван \"Вихъра\"", "\"Иван \"\"Вихъра\"\"\""},
        {"ред\rдва", "\"ред\rдва\""},
        {"ред\nдва", "\"ред\nдва\""},
        {"=1+1", "'=1+1"},
        {"+359 888", "'+359 888"},
        {"-2", "'-2"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tтаб", "'\tтаб"},
        {"\rред", "\"'\rред\""},
        {"=HYPERLINK(\"x\";\"y\")", "\"'=HYPERLINK(\"\"x\"\";\"\"y\"\")\""},
        {"Мария-Елена", "Мария-Елена"},
        {"12", "12"},
    };
    for (const auto& [text, field] : fields) EXPECT_EQ(CsvTable::Field(text), field) << text;
}

}  // namespace
}  // namespace plane_figures
