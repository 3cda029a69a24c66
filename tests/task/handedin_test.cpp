// A pupil's saved task: its lines written and read back, and what is read
// from files that have only some of them, or none.
#include <gtest/gtest.h>

#include <variant>

#include "handedin.h"
#include "pointfile.h"

using namespace plane_figures;
using namespace plane_figures::task;

namespace {

const classset::VariantLabel kSeventh{7, {25, 10, classset::kAllKinds, 48213}};
const std::vector<GridPoint> kSquare{{20, 20}, {60, 20}, {60, 60}, {20, 60}};

TEST(HandedInTest, WritesTheLinesInTheirFormBeforeThePoints) {
    const HandedIn handed_in{
        kSeventh, PupilLines{"Име Фамилия, 6 а", {12, 9, 3, 2, 1, 1, std::nullopt}, 3, 2, false}};
    const std::string text = FileText(handed_in, kSquare);
    EXPECT_TRUE(text.starts_with(
        "# Равнинни фигури: вариант 7 от 25, код 48213, точки 10, видове 1,2,3,4,5,6,7\n"
        "# ученик: Име Фамилия, 6 а\n"
        "# отговор: 12 9 3 2 1 1 -\n"
        "# проверки: 3\n"
        "# подсказки: 2\n"
        "# показани отговори: не\n"))
        << text;
    // any copy of the program reads it as its points
    const pointfile::ParseResult points = pointfile::Parse(text);
    ASSERT_TRUE(std::holds_alternative<std::vector<GridPoint>>(points));
    EXPECT_EQ(std::get<std::vector<GridPoint>>(points), kSquare);
}

struct ReadCase {
    const char* name;
    HandedIn written;
};

class ReadBackTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadBackTest, ReadsWhatWasWritten) {
    const HandedIn& written = GetParam().written;
    const std::optional<HandedIn> read = Read(FileText(written, kSquare));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, written);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReadBackTest,
    ::testing::Values(ReadCase{"all_boxes",
                               {kSeventh,
                                PupilLines{"Ана Петрова, 6 б", {1, 2, 3, 4, 5, 6, 7}, 1, 0, true}}},
                      ReadCase{"empty_boxes", {kSeventh, PupilLines{"Иван", {}, 0, 0, false}}},
                      ReadCase{"no_pupil_lines", {kSeventh, std::nullopt}},
                      ReadCase{"large_numbers",
                               {{40, {40, 15, 5, 999'999'999}},
                                PupilLines{"Х", {0, 455, 0, 0, 0, 0, 1365}, 120, 77, false}}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(HandedInTest, ANameOnOneLine) {
    const HandedIn handed_in{kSeventh, PupilLines{"Иван\nИванов\r, 6 а", {}, 0, 0, false}};
    const std::optional<HandedIn> read = Read(FileText(handed_in, kSquare));
    ASSERT_TRUE(read && read->pupil);
    EXPECT_EQ(read->pupil->pupil, "Иван Иванов , 6 а");
    const pointfile::ParseResult points = pointfile::Parse(FileText(handed_in, kSquare));
    EXPECT_TRUE(std::holds_alternative<std::vector<GridPoint>>(points));
}

struct TextCase {
    const char* name;
    std::string text;
    std::optional<HandedIn> read;
};

class ReadTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ReadTextTest, ReadsTheLinesThatStand) { EXPECT_EQ(Read(GetParam().text), GetParam().read); }

const std::string kLine =
    "# Равнинни фигури: вариант 7 от 25, код 48213, точки 10, видове 1,2,3,4,5,6,7";

INSTANTIATE_TEST_SUITE_P(
    Files, ReadTextTest,
    ::testing::Values(
        TextCase{"plain_point_file", "20 20\n60 20\n", std::nullopt},
        TextCase{"variant_not_first", "# x\n" + kLine + "\n20 20\n", std::nullopt},
        TextCase{"bom_and_crlf", "\xEF\xBB\xBF" + kLine + "\r\n# ученик: А\r\n20 20\r\n",
                 HandedIn{kSeventh, PupilLines{"А", {}, 0, 0, false}}},
        TextCase{"broken_answer_is_empty", kLine + "\n# отговор: 1 2 x 4 5 6 7\n# проверки: 2\n",
                 HandedIn{kSeventh, PupilLines{"", {}, 2, 0, false}}},
        TextCase{"six_counts_are_no_answer", kLine + "\n# отговор: 1 2 3 4 5 6\n",
                 HandedIn{kSeventh, PupilLines{}}},
        TextCase{"negative_hints_are_none", kLine + "\n# подсказки: -2\n# показани отговори: да\n",
                 HandedIn{kSeventh, PupilLines{"", {}, 0, 0, true}}}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
