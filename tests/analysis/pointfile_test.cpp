// The .pfig point-set file: written and read back, the variants a hand-edited
// file may take, and the files that are refused with their line and reason.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "pointfile.h"

namespace plane_figures {
namespace {

using namespace std::string_literals;
using Points = std::vector<GridPoint>;

// n points in entry order, five to a row, off the grid nodes
Points Walk(int n) {
    Points points;
    for (int k = 0; k < n; ++k) points.push_back({(k % 5) * 60 + 2, (k / 5) * 100 + 28});
    return points;
}

// text followed by line repeated n times; built in the test, not at start-up,
// since the large inputs take megabytes
std::string Bytes(std::string text, std::string_view line, int n) {
    text.reserve(text.size() + line.size() * static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) text += line;
    return text;
}

// the message of a refusal, or how many points were read
std::string Describe(const pointfile::ParseResult& result) {
    if (const auto* error = std::get_if<pointfile::Error>(&result)) return error->message;
    return std::to_string(std::get<Points>(result).size()) + " points";
}

TEST(PointFileTest, WritesTheHeadingThenOneLinePerPoint) {
    const Points points = {{0, 0}, {262, 228}, {40, 7}};
    EXPECT_EQ(pointfile::Format(points), "# plane-figures points\n0 0\n262 228\n40 7\n");
    EXPECT_EQ(pointfile::Format({}), "# plane-figures points\n");
}

// Every point count a window can hold comes back in the same order.
TEST(PointFileTest, ReadsBackWhatItWrites) {
    for (int n = 1; n <= 15; ++n) {
        const Points points = Walk(n);
        const auto read = pointfile::Parse(pointfile::Format(points));
        ASSERT_TRUE(std::holds_alternative<Points>(read)) << n << ": " << Describe(read);
        EXPECT_EQ(std::get<Points>(read), points) << n;
    }
}

struct AcceptedCase {
    const char* name;
    std::string text;
    Points points;
    std::string repeated = {};  // after text, times times
    int times = 0;
};

void PrintTo(const AcceptedCase& c, std::ostream* out) { *out << c.name; }

class AcceptedTest : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedTest, ReadsThePointsUnsnapped) {
    const AcceptedCase& c = GetParam();
    const auto read = pointfile::Parse(Bytes(c.text, c.repeated, c.times));
    ASSERT_TRUE(std::holds_alternative<Points>(read)) << Describe(read);
    EXPECT_EQ(std::get<Points>(read), c.points);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, AcceptedTest,
    ::testing::Values(
        AcceptedCase{"comma", "10,20\n30 ,\t40\n", {{10, 20}, {30, 40}}},
        AcceptedCase{"tabs_and_padding", "\t 7\t\t9 \t\n", {{7, 9}}},
        AcceptedCase{"crlf_no_final_end", "1 2\r\n3 4\r\n5 6", {{1, 2}, {3, 4}, {5, 6}}},
        AcceptedCase{"comments_blank_lines", "# точки\n\n  \t\n  # 9 9\n8 8\n", {{8, 8}}},
        AcceptedCase{"bom", "\xEF\xBB\xBF# Триъгълник\r\n0 0\r\n", {{0, 0}}},
        AcceptedCase{"signs_and_zeros", "+0 -0\n007 0228\n", {{0, 0}, {7, 228}}},
        AcceptedCase{"longest_line", std::string(997, ' ') + "1 2", {{1, 2}}},
        AcceptedCase{"long_cyrillic_comment", "1 2\n#", {{1, 2}}, "ж", 999},
        AcceptedCase{"million_comment_lines", "5 5\n", {{5, 5}}, "# c\n", 1'000'000}),
    [](const auto& row) { return std::string(row.param.name); });

struct RefusedCase {
    const char* name;
    std::string bytes;
    std::size_t line;           // 0: the file as a whole
    const char* message;        // a fragment of the message
    std::string repeated = {};  // after bytes, times times
    int times = 0;
};

void PrintTo(const RefusedCase& c, std::ostream* out) { *out << c.name; }

class RefusedTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedTest, NamesTheLineAndTheReason) {
    const RefusedCase& c = GetParam();
    const auto read = pointfile::Parse(Bytes(c.bytes, c.repeated, c.times));
    ASSERT_TRUE(std::holds_alternative<pointfile::Error>(read)) << Describe(read);
    const auto& error = std::get<pointfile::Error>(read);
    EXPECT_EQ(error.line, c.line) << error.message;
    EXPECT_NE(error.message.find(c.message), std::string::npos) << error.message;
    if (c.line > 0) {
        EXPECT_TRUE(error.message.starts_with("ред " + std::to_string(c.line) + ": "));
    }
}

const std::string kTooBig = "99999999999999999999999999";  // past 64 bits
const char* const kOutside = "е извън платното (X от 0 до 262, Y от 0 до 228)";

INSTANTIATE_TEST_SUITE_P(
    Malformed, RefusedTest,
    ::testing::Values(
        RefusedCase{"empty", "", 0, "в него няма нито една точка"},
        RefusedCase{"comments_only", "# plane-figures points\n\n", 0, "няма нито една точка"},
        RefusedCase{"binary", "\x7F\x45\x4C\x46\x02\x01\0\0"s, 0,
                    "това не е файл с точки, а двоични данни"},
        RefusedCase{"windows_1251", "1 1\n# \xF2\xEE\xF7\xEA\xE8\n", 2, "UTF-8"},
        RefusedCase{"overlong_utf8", "# \xC0\xAF\n1 1\n", 1, "UTF-8"},
        RefusedCase{"utf16_le", "\xFF\xFE\x31\0\x20\0\x32\0"s, 0,
                    "той е в кодировка UTF-16, а трябва да е в UTF-8"},
        RefusedCase{"utf16_be", "\xFE\xFF\0\x31"s, 0, "UTF-16"},
        RefusedCase{"line_of_1001", std::string(998, ' ') + "1 2", 1, "ред 1: редът е по-дълъг"},
        RefusedCase{"ten_megabyte_line", "1 1\n", 2, "по-дълъг от 1000 знака", "#", 10'000'000},
        RefusedCase{"million_points", "", 16, "ред 16: точките във файла са повече от 15",
                    "20 20\n", 1'000'000},
        RefusedCase{"sixteenth_point", "# x\n", 17, "са повече от 15", "0 0\r\n", 16},
        RefusedCase{"past_64_bits", "1 1\n" + kTooBig + " 5\n", 2,
                    "ред 2: числото е твърде дълго — точката е извън платното"},
        RefusedCase{"negative_past_64_bits", "5 -" + kTooBig + "\n", 1, kOutside},
        RefusedCase{"past_32_bits", "4294967296 0\n", 1, "(4294967296, 0) е извън платното"},
        RefusedCase{"negative", "-20 40\n", 1, "точката (-20, 40) е извън платното"},
        RefusedCase{"right_of_canvas", "1 1\n\n263 40\n", 3, "ред 3: точката (263, 40) е извън"},
        RefusedCase{"below_canvas", "0 229\n", 1, kOutside},
        RefusedCase{"fraction", "12.5 40\n", 1,
                    "ред 1: трябва да съдържа точно две цели числа, X и Y"},
        RefusedCase{"decimal_comma", "12,5,40\n", 1, "две цели числа"},
        RefusedCase{"text_after", "10 20 # A\n", 1, "две цели числа"},
        RefusedCase{"letters", "x10 y20\n", 1, "две цели числа"},
        RefusedCase{"three_numbers", "1 2 3\n", 1, "две цели числа"},
        RefusedCase{"one_number", "1 1\n17\n", 2, "две цели числа"},
        RefusedCase{"two_commas", "1,,2\n", 1, "две цели числа"},
        RefusedCase{"lone_sign", "- 2\n", 1, "две цели числа"},
        RefusedCase{"old_mac_line_ends", "1 2\r3 4\r", 1, "две цели числа"}),
    [](const auto& row) { return std::string(row.param.name); });

// Files opened or dropped by mistake are told for what they are, by their
// first bytes or a NUL byte; text that only starts alike keeps its line's reason.
INSTANTIATE_TEST_SUITE_P(
    NoPoints, RefusedTest,
    ::testing::Values(
        RefusedCase{"pdf", "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj\n", 0,
                    "това не е файл с точки, а документ PDF"},
        RefusedCase{"png", "\x89PNG\r\n\x1A\n\0\0\0\rIHDR"s, 0, "а картина PNG"},
        RefusedCase{"jpeg", "\xFF\xD8\xFF\xE0\0\x10JFIF"s, 0, "а картина JPEG"},
        RefusedCase{"gif", "GIF89a\x01\0\x01\0"s, 0, "а картина GIF"},
        RefusedCase{"zip", "PK\x03\x04\x14\0\0\0notes.txt"s, 0, "а архив ZIP"},
        RefusedCase{"empty_zip", "PK\x05\x06"s + std::string(18, '\0'), 0, "а архив ZIP"},
        RefusedCase{"docx",
                    "PK\x03\x04\x14\0\x06\0[Content_Types].xml PK\x03\x04word/document.xml"s, 0,
                    "а документ DOCX"},
        RefusedCase{"odt", "PK\x03\x04\n\0\0\0mimetypeapplication/vnd.oasis.opendocument.text"s, 0,
                    "а документ ODT"},
        RefusedCase{"word_97", "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0"s, 0,
                    "а документ на Word, Excel или PowerPoint"},
        RefusedCase{"rtf", "{\\rtf1\\ansi Hello}\n", 0, "а документ RTF"},
        RefusedCase{"bmp", "BM\x36\x10\0\0\0\0"s, 0, "а двоични данни"},
        RefusedCase{"nul_after_points", "1 1\n2 2\n3 3\0\n"s, 0, "а двоични данни"},
        RefusedCase{"pdf_without_its_dash", "%PDF\n1 1\n", 1, "две цели числа"},
        RefusedCase{"gif_in_words", "GIF 1 2\n", 1, "две цели числа"},
        RefusedCase{"utf16_with_nul", "\xFF\xFE\x31\0\x20\0\x32\0\0\0"s, 0, "UTF-16"}),
    [](const auto& row) { return std::string(row.param.name); });

// A file past the limit is refused whole, before any line is read; one at
// the limit is read.
TEST(PointFileTest, RefusesFilesPastTheSizeLimit) {
    std::string bytes = "1 2\n" + std::string(pointfile::kMaxFileBytes - 4, '\n');
    EXPECT_EQ(pointfile::ParseFile(bytes), pointfile::ParseResult(std::vector<GridPoint>{{1, 2}}));
    bytes += "x";
    EXPECT_EQ(pointfile::ParseFile(bytes),
              pointfile::ParseResult(pointfile::Error{0, "файлът е по-голям от 1 MiB"}));
}

}  // namespace
}  // namespace plane_figures
