// Every scenario file, run on the session: each is a test of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "scenariorunner.h"

namespace {

std::vector<std::string> ScenarioFiles() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(PLANE_FIGURES_SCENARIOS)) {
        if (entry.path().extension() == ".scenario") names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class ScenarioTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ScenarioTest, EveryExpectationHolds) {
    const std::filesystem::path path =
        std::filesystem::path(PLANE_FIGURES_SCENARIOS) / (GetParam() + ".scenario");
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << path;
    std::ostringstream text;
    text << file.rdbuf();
    for (const std::string& fault : plane_figures::session::RunScenario(text.str()))
        ADD_FAILURE() << path.filename().string() << ", " << fault;
}

INSTANTIATE_TEST_SUITE_P(Files, ScenarioTest, ::testing::ValuesIn(ScenarioFiles()),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                             std::string name = param.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

// The runner finds a fault where one is: a wrong expectation fails, with its line.
TEST(ScenarioRunnerTest, NamesTheLineOfAWrongExpectation) {
    const auto faults =
        plane_figures::session::RunScenario("click 20 20\nexpect points 20,20\nexpect chosen 0\n");
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0], "line 3: chosen: expected \"0\", was \"none\"");
}

}  // namespace
