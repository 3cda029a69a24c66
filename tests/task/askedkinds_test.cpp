// The kinds a class set asks for are its task: "Провери" judges them alone
// and the key's table for a spreadsheet fills their columns alone.
#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "askedkinds.h"
#include "classsetfiles.h"
#include "classsetgenerator.h"
#include "countcheck.h"

using namespace plane_figures;
using namespace plane_figures::classset;
using namespace plane_figures::task;

namespace {

struct AskedCase {
    const char* name;
    const char* kinds;  // as --kinds writes them
};

const AskedCase kAskedCases[]{
    {"triangles_and_rectangle", "1,2,5"}, {"one_two_six", "1,2,6"},
    {"quadrilaterals", "4,5,6,7"},        {"one_kind", "3"},
    {"all_seven", "1,2,3,4,5,6,7"},       {"none_named_asks_all", ""},
};

std::string Name(const ::testing::TestParamInfo<AskedCase>& info) { return info.param.name; }

class AskedTest : public ::testing::TestWithParam<AskedCase> {
protected:
    KindMask Asked() const { return *ParseKindList(GetParam().kinds); }
};

// A set that names no kind asks for all seven; one that names some, for them.
TEST(AskedOfTest, NoneNamedIsAllSeven) {
    EXPECT_EQ(AskedOf(0), kAllKinds);
    EXPECT_TRUE(AsksAll(0) && AsksAll(kAllKinds));
    for (int k = 0; k < kKindCount; ++k) {
        EXPECT_TRUE(Asks(0, k));
        EXPECT_EQ(AskedOf(1u << k), 1u << k);
        EXPECT_FALSE(AsksAll(1u << k));
    }
    EXPECT_FALSE(Asks(kAllKinds, -1));
    EXPECT_FALSE(Asks(kAllKinds, kKindCount));
}

// Every box of a kind not asked holds a wrong count: the check says so of
// no such kind, and all is right when the kinds asked are.
TEST_P(AskedTest, CheckJudgesTheKindsAskedAlone) {
    const KindMask asked = Asked();
    const std::array<int, kKindCount> counts{4, 3, 2, 5, 1, 1, 2};
    Answer answer{};
    for (std::size_t k = 0; k < answer.size(); ++k) {
        answer[k] = Asks(asked, static_cast<int>(k)) ? counts[k] : counts[k] + 7;
    }
    Verdicts verdicts = Check(answer, counts, asked);
    for (std::size_t k = 0; k < verdicts.size(); ++k) {
        EXPECT_EQ(verdicts[k],
                  Asks(asked, static_cast<int>(k)) ? Verdict::kRight : Verdict::kNotAsked)
            << GetParam().name << k;
    }
    EXPECT_TRUE(AllRight(verdicts));
    // one kind asked wrong is wrong, an empty box of a kind not asked is nothing
    for (int k = 0; k < kKindCount; ++k) {
        Answer wrong = answer;
        if (Asks(asked, k)) {
            wrong[static_cast<std::size_t>(k)] = counts[static_cast<std::size_t>(k)] + 1;
            EXPECT_EQ(Check(wrong, counts, asked)[static_cast<std::size_t>(k)], Verdict::kFewer);
            EXPECT_FALSE(AllRight(Check(wrong, counts, asked))) << GetParam().name << k;
        } else {
            wrong[static_cast<std::size_t>(k)].reset();
            EXPECT_TRUE(AllRight(Check(wrong, counts, asked))) << GetParam().name << k;
        }
    }
}

// The CSV keeps the seven columns; a kind not asked has its column empty.
TEST_P(AskedTest, KeyCsvKeepsItsColumnsWithTheKindsNotAskedEmpty) {
    ClassSettings settings;
    settings.variants = 3;
    settings.points = 10;
    settings.kinds = Asked();
    settings.code = 48213;
    auto made = ClassSetGenerator(settings).Make();
    ASSERT_TRUE(std::holds_alternative<ClassSet>(made)) << std::get<std::string>(made);
    const ClassSet& set = std::get<ClassSet>(made);
    const std::string csv = KeyCsv(set);
    std::string expected =
        "\xEF\xBB\xBF"
        "Вариант";
    for (const std::string_view name : kKindNames) expected += ";" + std::string(name);
    expected += ";Същият отговор като вариант\r\n";
    const std::vector<int> same = SameAnswerAs(set);
    for (std::size_t v = 0; v < set.variants.size(); ++v) {
        expected += std::to_string(v + 1);
        for (int k = 0; k < kKindCount; ++k) {
            expected += ';';
            if (Asks(settings.kinds, k))
                expected += std::to_string(set.variants[v].counts[static_cast<std::size_t>(k)]);
        }
        expected += ";" + (same[v] != 0 ? std::to_string(same[v]) : std::string()) + "\r\n";
    }
    EXPECT_EQ(csv, expected);
    // the work per pupil: the figures of the kinds asked
    const Work work = WorkOf(set);
    int fewest = 1 << 30, most = 0, total = 0;
    for (const Variant& variant : set.variants) {
        int figures = 0;
        for (int k = 0; k < kKindCount; ++k) {
            if (Asks(settings.kinds, k)) figures += variant.counts[static_cast<std::size_t>(k)];
        }
        fewest = std::min(fewest, figures);
        most = std::max(most, figures);
        total += figures;
    }
    EXPECT_EQ(work.fewest, fewest);
    EXPECT_EQ(work.most, most);
    EXPECT_NEAR(work.mean, total / 3.0, 0.5);
}

INSTANTIATE_TEST_SUITE_P(Kinds, AskedTest, ::testing::ValuesIn(kAskedCases), Name);

// The clauses of how figures are counted name no kind but their own.
TEST(NotCountedAsTest, EachClauseEndsInItsOwnKind) {
    for (int k = 0; k < kKindCount; ++k) {
        const std::string_view clause = kNotCountedAs[static_cast<std::size_t>(k)];
        EXPECT_EQ(clause.empty(), k == kIsoscelesRight || k == kSquare) << k;
        // translated by their bytes: each is a whole C string
        EXPECT_EQ(clause.data()[clause.size()], '\0');
    }
}

}  // namespace
