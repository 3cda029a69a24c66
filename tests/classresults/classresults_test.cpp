// The class's results: every file of a folder a row, each kind its set asked
// judged from the file's own points against the pupil's answer, changed,
// foreign and other sets' files marked, the same pupil twice told, the
// shares without those who saw the answers, and the table's bytes for a
// spreadsheet.
#include <gtest/gtest.h>

#include <functional>
#include <map>
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
// a set of another class: the same settings, another code
const classset::ClassSettings kOtherSettings{4, 6, kTriangles, 4243};
// the pupils of this variant saw the answers
constexpr int kShownVariant = 2;

const classset::ClassSet& SetOf(const classset::ClassSettings& settings) {
    static std::map<std::uint64_t, classset::ClassSet> sets;
    auto found = sets.find(settings.code);
    if (found == sets.end()) {
        found =
            sets.emplace(settings.code,
                         std::get<classset::ClassSet>(classset::ClassSetGenerator(settings).Make()))
                .first;
    }
    return found->second;
}
const classset::ClassSet& Set() { return SetOf(kSettings); }

std::vector<GridPoint> PointsOf(int variant, const classset::ClassSettings& settings = kSettings) {
    return SetOf(settings).variants.at(static_cast<std::size_t>(variant - 1)).points;
}

// the analysis's counts as the pupil's answer
task::Answer Counted(int variant, const classset::ClassSettings& settings = kSettings) {
    const AnalysisResult result = FigureAnalysis().Run(PointsOf(variant, settings));
    task::Answer answer;
    for (std::size_t k = 0; k < answer.size(); ++k) answer[k] = result.counts[k];
    return answer;
}

std::string Handed(int variant, const std::string& name, const task::Answer& answer,
                   std::vector<GridPoint> points,
                   const classset::ClassSettings& settings = kSettings) {
    const task::HandedIn handed_in{{variant, settings},
                                   task::PupilLines{name, answer, 3, 1, variant == kShownVariant}};
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

    bool OtherSet() const { return note.starts_with(kOtherSet); }
    // a variant as the set made it is nobody's answer
    bool Counted() const {
        return variant != 0 && !OtherSet() && note.find(kNoPupilLines) == std::string::npos;
    }
    // right where the answer is the analysis's count of its variant, in a
    // kind the set asked
    bool Right(std::size_t kind) const {
        return answer_variant != 0 && off[kind] == 0 && ((kTriangles >> kind) & 1u) != 0;
    }
    // right and counted as right in the shares
    bool RightInShares(std::size_t kind) const {
        return Counted() && Right(kind) && !(variant == kShownVariant && answer_variant != 0);
    }
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
        // the same pupil three times, his name written differently, once
        // in a file of another set: judged, but in no share
        {"o-other-set.pfig",
         [] {
             return Handed(1, "Пламен Иванов", Counted(1, kOtherSettings),
                           PointsOf(1, kOtherSettings), kOtherSettings);
         },
         1, "Пламен Иванов", 1, kNone, false,
         "друг комплект, същото име като „p-same-name.pfig“ и „q-same-name.pfig“"},
        {"p-same-name.pfig", [] { return Handed(3, "пламен  ИВАНОВ ", Counted(3), PointsOf(3)); },
         3, "пламен  ИВАНОВ ", 3, kNone, false,
         "същото име като „o-other-set.pfig“ и „q-same-name.pfig“"},
        {"q-same-name.pfig",
         [] {
             task::Answer answer = Counted(4);
             *answer[0] += 1;
             return Handed(4, "Пламен Иванов", answer, PointsOf(4));
         },
         4,
         "Пламен Иванов",
         4,
         {1},
         false,
         "същото име като „o-other-set.pfig“ и „p-same-name.pfig“"},
        // another pupil of the same first name is another pupil
        {"r-another-pupil.pfig",
         [] { return Handed(1, "Пламен Иванов Попов", Counted(1), PointsOf(1)); }, 1,
         "Пламен Иванов Попов", 1, kNone, false, ""},
    };
    return cases;
}

std::vector<FolderFile> Files() {
    std::vector<FolderFile> files;
    for (const FileCase& c : Cases()) files.push_back({c.name, c.bytes()});
    return files;
}

const std::vector<std::string> kNotRead{"Ани.pfig.txt", "notes.txt", "снимки/"};

const ClassResults& Results() {
    static const ClassResults results = Judge(Files(), kNotRead);
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
    EXPECT_EQ(row.counted, c.Counted());
    EXPECT_EQ(row.changed, c.changed);
    EXPECT_EQ(row.note, c.note);
    // a file with the pupil's lines gives his checks, one without gives none
    EXPECT_EQ(row.checks.has_value(), !c.pupil.ends_with(".pfig"));
    for (std::size_t k = 0; k < row.right.size(); ++k) EXPECT_EQ(row.right[k], c.Right(k)) << k;
}

INSTANTIATE_TEST_SUITE_P(Files, RowTest, ::testing::Range<std::size_t>(0, 18), [](const auto& row) {
    std::string name = Cases().at(row.param).name;
    for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

TEST(ClassResultsTest, SharesCountTheRowsThatCount) {
    // a, b, c, d, f, g, p, q, r count, o is of another set, e and n are no
    // pupil's; b and f saw the answers: wrong in the shares, though their
    // rows say what was right
    int counted = 0;
    std::array<int, kKindCount> right{};
    for (const FileCase& c : Cases()) {
        counted += c.Counted() ? 1 : 0;
        for (std::size_t k = 0; k < right.size(); ++k) right[k] += c.RightInShares(k) ? 1 : 0;
    }
    ASSERT_EQ(counted, 9);
    EXPECT_EQ(Results().counted, 9);
    EXPECT_EQ(Results().set, kSettings);
    for (std::size_t k = 0; k < 3; ++k)
        EXPECT_EQ(Results().shares[k], SharePercent(right[k], 9)) << "kind " << k;
    // a, c, p, r: 4 of 9, 44.4%; f saw the answers
    EXPECT_EQ(Results().shares[0], 44);
    EXPECT_EQ(Results().shares[1], 44);  // a, p, q, r: c's empty box, b and f saw the answers
    EXPECT_EQ(Results().shares[2], 56);  // a, c, p, q, r
    // the kinds the set did not ask have no share
    for (std::size_t k = 3; k < kKindCount; ++k) EXPECT_FALSE(Results().shares[k]) << k;
}

// The folder's set is the one most files are of, not the first file's;
// the first file's of those on a tie.
TEST(ClassResultsTest, TheFoldersSetIsTheOneMostFilesAreOf) {
    const auto file = [](const classset::ClassSettings& settings, const char* name) {
        return FolderFile{name,
                          Handed(1, name, Counted(1, settings), PointsOf(1, settings), settings)};
    };
    const FolderFile ours = file(kSettings, "a"), other = file(kOtherSettings, "b");
    const FolderFile foreign{"c", std::string("0 0\n")};
    struct SetCase {
        std::vector<FolderFile> files;
        std::optional<classset::ClassSettings> set;
        int counted;
    };
    for (const SetCase& c : std::initializer_list<SetCase>{
             {{other, ours, ours}, kSettings, 2},
             {{ours, other, other, foreign}, kOtherSettings, 2},
             {{other, ours}, kOtherSettings, 1},
             {{ours, other}, kSettings, 1},
             {{foreign}, std::nullopt, 0},
         }) {
        const ClassResults results = Judge(c.files);
        EXPECT_EQ(results.set, c.set) << c.files.size();
        EXPECT_EQ(results.counted, c.counted) << c.files.size();
        for (const PupilRow& row : results.rows) {
            // a file of the other set is judged, right, but noted
            if (!row.set || row.set == c.set) continue;
            EXPECT_EQ(row.note, "друг комплект");
            EXPECT_TRUE(row.right[0] && !row.counted);
        }
    }
}

TEST(ClassResultsTest, NamesAreTheSameWhateverTheirCaseAndSpaces) {
    struct NameCase {
        const char* a;
        const char* b;
        bool same;
    };
    for (const NameCase c : std::initializer_list<NameCase>{
             {"Ана Петрова, 6 а", "  ана   ПЕТРОВА,\t6 А ", true},
             {"ЁЖИК Ѝван", "ёжик ѝван", true},  // the capitals before А as well
             {"Ivan Petrov", "IVAN PETROV", true},
             {"ЯВОР", "явор", true},
             {"Ана Петрова", "Анна Петрова", false},
             {"Ана Петрова", "АнаПетрова", false},
             {"Иван, 6 а", "Иван, 6 б", false},
             {"   ", "", true},
         }) {
        EXPECT_EQ(NameKey(c.a) == NameKey(c.b), c.same) << c.a << " / " << c.b;
    }
    EXPECT_EQ(NameKey("  Ана   ПЕТРОВА "), "ана петрова");
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
    ASSERT_EQ(lines.size(), Cases().size() + 2 + kNotRead.size());
    EXPECT_EQ(csv.find('\n'), csv.find("\r\n") + 1);
    // the kinds the set did not ask are empty
    EXPECT_EQ(lines[1], "Ана Петрова, 6 а;1;1;1;1;;;;;3;1;не;");
    EXPECT_EQ(lines[2], "Борис;2;0;1;0;;;;;3;1;да;");
    EXPECT_EQ(lines[4], "Георги;4;0;0;0;;;;;3;1;не;променени точки");
    EXPECT_EQ(lines[5], "e-no-pupil.pfig;1;0;0;0;;;;;;;;без име и отговор на ученика");
    EXPECT_EQ(lines[9], "i-document.pfig;;;;;;;;;;;;не е файл с точки");
    EXPECT_EQ(lines[15],
              "Пламен Иванов;1;1;1;1;;;;;3;1;не;друг комплект, същото име като "
              "„p-same-name.pfig“ и „q-same-name.pfig“");
    const std::size_t total = Cases().size() + 1;
    EXPECT_EQ(lines[total], "Общо;;44%;44%;56%;;;;;;;;");
    // then what the folder holds and was not read, its name and why
    EXPECT_EQ(lines[total + 1], "Ани.pfig.txt;;;;;;;;;;;;не е прочетен: не е .pfig");
    EXPECT_EQ(lines[total + 2], "notes.txt;;;;;;;;;;;;не е прочетен: не е .pfig");
    EXPECT_EQ(lines[total + 3], "снимки/;;;;;;;;;;;;не е прочетена: папка");
}

// A name that a spreadsheet would split or run stays one field of its row,
// quoted and guarded (the field's rules are CsvTable's).
TEST(ResultsCsvTest, QuotesAndGuardsFreeText) {
    const std::string name = "=Ана; \"6 а\"";
    std::vector<GridPoint> points = PointsOf(1);
    const std::vector<FolderFile> files{{"a.pfig", Handed(1, name, Counted(1), points)}};
    const std::string csv = ResultsCsv(Judge(files));
    EXPECT_NE(csv.find("\r\n\"'=Ана; \"\"6 а\"\"\";1;1;1;1;;;;;3;1;не;\r\n"), std::string::npos)
        << csv;
}

}  // namespace
