// The class's results: every file of a folder a row, each kind judged from
// the file's own points against the pupil's answer, changed and foreign
// files marked, the shares, and the table's bytes for a spreadsheet.
#include <gtest/gtest.h>

#include <functional>
#include <variant>

#include "classresults.h"
#include "classsetfiles.h"
#include "classsetgenerator.h"
#include "figureanalysis.h"
#include "handedin.h"
#include "pointfile.h"
#include "resultscsv.h"

using namespace plane_figures;
using namespace plane_figures::classresults;

namespace {

constexpr classset::KindMask kTriangles = 0b0000111;
const classset::ClassSettings kSettings{4, 6, kTriangles, 4242};

const classset::ClassSet& Set() {
    static const classset::ClassSet set =
        std::get<classset::ClassSet>(classset::ClassSetGenerator(kSettings).Make());
    return set;
}

std::vector<GridPoint> PointsOf(int variant) {
    return Set().variants.at(static_cast<std::size_t>(variant - 1)).points;
}

// the analysis's counts as the pupil's answer
task::Answer Counted(int variant) {
    const AnalysisResult result = FigureAnalysis().Run(PointsOf(variant));
    task::Answer answer;
    for (std::size_t k = 0; k < answer.size(); ++k) answer[k] = result.counts[k];
    return answer;
}

std::string Handed(int variant, const std::string& name, const task::Answer& answer,
                   std::vector<GridPoint> points) {
    const task::HandedIn handed_in{{variant, kSettings},
                                   task::PupilLines{name, answer, 3, 1, variant == 2}};
    return task::FileText(handed_in, points);
}

// a free node: on the canvas and not among points
GridPoint FreeNode(const std::vector<GridPoint>& points) {
    for (int x = 0; x < kCanvasWidth; x += kGridStep) {
        for (int y = 0; y < kCanvasHeight; y += kGridStep) {
            if (std::find(points.begin(), points.end(), GridPoint{x, y}) == points.end())
                return {x, y};
        }
    }
    return {};
}

struct FileCase {
    const char* name;
    std::function<std::optional<std::string>()> bytes;
    int variant;                      // 0: left out
    std::string pupil;                // as the table shows it
    int answer_variant;               // whose counts the answer holds, 0 for none
    std::array<int, kKindCount> off;  // added to those counts (99: an empty box)
    bool changed;
    std::string note;
};

const std::array<int, kKindCount> kNone{};

const std::vector<FileCase>& Cases() {
    static const std::vector<FileCase> cases{
        {"a-right.pfig", [] { return Handed(1, "Ана Петрова, 6 а", Counted(1), PointsOf(1)); }, 1,
         "Ана Петрова, 6 а", 1, kNone, false, ""},
        {"b-two-wrong.pfig",
         [] {
             task::Answer answer = Counted(2);
             *answer[0] += 1;
             *answer[2] = 0 == *answer[2] ? 1 : 0;
             return Handed(2, "Борис", answer, PointsOf(2));
         },
         2,
         "Борис",
         2,
         {1, 0, 99},
         false,
         ""},
        {"c-empty-box.pfig",
         [] {
             task::Answer answer = Counted(3);
             answer[1].reset();
             return Handed(3, "Вера", answer, PointsOf(3));
         },
         3,
         "Вера",
         3,
         {0, 99},
         false,
         ""},
        {"d-point-moved.pfig",
         [] {
             std::vector<GridPoint> points = PointsOf(4);
             points.back() = FreeNode(points);
             return Handed(4, "Георги", Counted(4), points);
         },
         4, "Георги", 0, kNone, true, "променени точки"},
        {"e-no-pupil.pfig", [] { return classset::VariantFileText(Set(), 1); }, 1,
         "e-no-pupil.pfig", 0, kNone, false, "без име и отговор на ученика"},
        // off the nodes by a few pixels and in another order: the window
        // snaps them onto the variant's own nodes
        {"f-off-node.pfig",
         [] {
             std::vector<GridPoint> points = PointsOf(2);
             std::reverse(points.begin(), points.end());
             for (GridPoint& p : points) p.x += p.x + 4 < kCanvasWidth ? 4 : -4;
             return Handed(2, "Дора", Counted(2), points);
         },
         2, "Дора", 2, kNone, false, ""},
        {"g-point-twice.pfig",
         [] {
             std::vector<GridPoint> points = PointsOf(3);
             points.push_back(points.front());
             return Handed(3, "Емил", Counted(3), points);
         },
         3, "Емил", 0, kNone, true, "променени точки"},
        {"h-plain-points.pfig", [] { return pointfile::Format(PointsOf(1)); }, 0,
         "h-plain-points.pfig", 0, kNone, false, "не е вариант от класен комплект"},
        {"i-document.pfig", [] { return std::string("%PDF-1.4\n%\xE2\xE3\n1 0 obj\n"); }, 0,
         "i-document.pfig", 0, kNone, false, "не е файл с точки"},
        {"j-bad-line.pfig", [] { return classset::VariantFileText(Set(), 2) + "едно и две\n"; }, 0,
         "j-bad-line.pfig", 0, kNone, false, "не е файл с точки"},
        {"k-unreadable.pfig", [] { return std::nullopt; }, 0, "k-unreadable.pfig", 0, kNone, false,
         "файлът не може да се прочете"},
        {"l-too-large.pfig",
         [] {
             return classset::VariantFileText(Set(), 1) +
                    std::string(pointfile::kMaxFileBytes, '\n');
         },
         0, "l-too-large.pfig", 0, kNone, false, "файлът е по-голям от 1 MiB"},
        // a variant that this set does not have
        {"m-no-such-set.pfig",
         [] {
             return "# Равнинни фигури: вариант 5 от 4, код 4242, точки 6, видове 1,2,3\n" +
                    pointfile::Format(PointsOf(1));
         },
         0, "m-no-such-set.pfig", 0, kNone, false, "не е вариант от класен комплект"},
        {"n-moved-no-pupil.pfig",
         [] {
             std::vector<GridPoint> points = PointsOf(2);
             points.front() = FreeNode(points);
             return classset::VariantLine(kSettings, 2) + "\n" + pointfile::Format(points);
         },
         2, "n-moved-no-pupil.pfig", 0, kNone, true,
         "променени точки, без име и отговор на ученика"},
    };
    return cases;
}

std::vector<FolderFile> Files() {
    std::vector<FolderFile> files;
    for (const FileCase& c : Cases()) files.push_back({c.name, c.bytes()});
    return files;
}

const ClassResults& Results() {
    static const ClassResults results = Judge(Files());
    return results;
}

TEST(ClassResultsTest, EveryFileIsARowInItsOrder) {
    ASSERT_EQ(Results().rows.size(), Cases().size());
    for (std::size_t r = 0; r < Cases().size(); ++r)
        EXPECT_EQ(Results().rows[r].file_name, Cases()[r].name);
}

class RowTest : public ::testing::TestWithParam<std::size_t> {};

TEST_P(RowTest, IsJudgedFromTheFilesPoints) {
    const FileCase& c = Cases().at(GetParam());
    const PupilRow& row = Results().rows.at(GetParam());
    EXPECT_EQ(row.Name(), c.pupil);
    EXPECT_EQ(row.variant, c.variant);
    EXPECT_EQ(row.counted, c.variant != 0);
    EXPECT_EQ(row.changed, c.changed);
    EXPECT_EQ(row.note, c.note);
    // a file with the pupil's lines gives his checks, one without gives none
    EXPECT_EQ(row.checks.has_value(), !c.pupil.ends_with(".pfig"));
    for (std::size_t k = 0; k < row.right.size(); ++k) {
        // right only where the answer is the analysis's count of its variant
        EXPECT_EQ(row.right[k], c.answer_variant != 0 && c.off[k] == 0) << "kind " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, RowTest, ::testing::Range<std::size_t>(0, 14), [](const auto& row) {
    std::string name = Cases().at(row.param).name;
    for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

TEST(ClassResultsTest, SharesCountTheRowsThatCount) {
    // a, b, c, d, e, f, g, n count; each kind right where its answer was
    int counted = 0;
    std::array<int, kKindCount> right{};
    for (const FileCase& c : Cases()) {
        if (c.variant == 0) continue;
        ++counted;
        for (std::size_t k = 0; k < right.size(); ++k)
            right[k] += c.answer_variant != 0 && c.off[k] == 0 ? 1 : 0;
    }
    ASSERT_EQ(counted, 8);
    EXPECT_EQ(Results().counted, 8);
    // 3 of 8 right in the first kind: 37.5% goes up to 38%
    EXPECT_EQ(right[0], 3);
    for (std::size_t k = 0; k < right.size(); ++k)
        EXPECT_EQ(Results().shares[k], SharePercent(right[k], 8)) << "kind " << k;
    EXPECT_EQ(Results().shares[0], 38);
    EXPECT_EQ(Results().shares[1], 38);  // c's empty box
    EXPECT_EQ(Results().shares[3], 50);  // a kind none asked for: 0 = 0 in four files
}

TEST(ClassResultsTest, NoRowThatCountsGivesNoShare) {
    const std::vector<FolderFile> files{{"x.pfig", std::string("0 0\n")}};
    const ClassResults results = Judge(files);
    EXPECT_EQ(results.counted, 0);
    for (const auto& share : results.shares) EXPECT_FALSE(share.has_value());
    EXPECT_TRUE(ResultsCsv(results).ends_with("\r\nОбщо;;;;;;;;;;;;\r\n"));
}

struct ShareCase {
    int right, counted, percent;
};

TEST(ClassResultsTest, SharesRoundHalvesUp) {
    for (const ShareCase c : std::initializer_list<ShareCase>{{0, 1, 0},
                                                              {1, 1, 100},
                                                              {1, 3, 33},
                                                              {2, 3, 67},
                                                              {1, 8, 13},
                                                              {3, 8, 38},
                                                              {1, 200, 1},
                                                              {1, 201, 0},
                                                              {199, 200, 100},
                                                              {39, 40, 98}}) {
        EXPECT_EQ(SharePercent(c.right, c.counted), c.percent) << c.right << "/" << c.counted;
    }
}

TEST(ResultsCsvTest, HeaderRowsAndTotal) {
    const std::string csv = ResultsCsv(Results());
    ASSERT_TRUE(
        csv.starts_with("\xEF\xBB\xBFУченик;Вариант;Равнобедрен триъгълник;Правоъгълен триъгълник;"
                        "Равнобедрен правоъгълен триъгълник;Успоредник;Правоъгълник;Квадрат;Ромб;"
                        "Проверки;Подсказки;Показани отговори;Бележка\r\n"))
        << csv;
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < csv.size();) {
        const std::size_t end = csv.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "every line ends in CR LF";
        lines.push_back(csv.substr(start, end - start));
        start = end + 2;
    }
    ASSERT_EQ(lines.size(), Cases().size() + 2);
    EXPECT_EQ(csv.find('\n'), csv.find("\r\n") + 1);
    EXPECT_EQ(lines[1], "Ана Петрова, 6 а;1;1;1;1;1;1;1;1;3;1;не;");
    EXPECT_EQ(lines[2], "Борис;2;0;1;0;1;1;1;1;3;1;да;");
    EXPECT_EQ(lines[4], "Георги;4;0;0;0;0;0;0;0;3;1;не;променени точки");
    EXPECT_EQ(lines[5], "e-no-pupil.pfig;1;0;0;0;0;0;0;0;;;;без име и отговор на ученика");
    EXPECT_EQ(lines[9], "i-document.pfig;;;;;;;;;;;;не е файл с точки");
    std::string total = "Общо;;";
    for (std::size_t k = 0; k < 7; ++k)
        total += std::to_string(*Results().shares[k]) + "%" + (k < 6 ? ";" : "");
    EXPECT_EQ(lines.back(), total + ";;;;");
    EXPECT_TRUE(lines.back().starts_with("Общо;;38%;38%;")) << lines.back();
}

TEST(ResultsCsvTest, QuotesAndGuardsFreeText) {
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
        {"=HYPERLINK(\"x\";\"y\")", "\"'=HYPERLINK(\"\"x\"\";\"\"y\"\")\""},
        {"Мария-Елена", "Мария-Елена"},
    };
    for (const auto& [text, field] : fields) EXPECT_EQ(CsvField(text), field) << text;
    // a name so written stays one field of its row
    const std::string name = "=Ана; \"6 а\"";
    std::vector<GridPoint> points = PointsOf(1);
    const std::vector<FolderFile> files{{"a.pfig", Handed(1, name, Counted(1), points)}};
    const std::string csv = ResultsCsv(Judge(files));
    EXPECT_NE(csv.find("\r\n\"'=Ана; \"\"6 а\"\"\";1;1;1;1;1;1;1;1;3;1;не;\r\n"), std::string::npos)
        << csv;
}

}  // namespace
