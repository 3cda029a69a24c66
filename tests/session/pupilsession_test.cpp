// The session's steps over long and random work: undone to the oldest step
// kept and redone to the newest, exactly; the oldest forgotten beyond the
// limit, and the saved place with them.
#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "pupilsession.h"

using namespace plane_figures;
using namespace plane_figures::session;

namespace {

using Points = std::vector<GridPoint>;

// A history of limit steps after the actions: "s" saves, "p" takes a step,
// "u" undoes one; whether it is at its saved place, and how many it keeps.
struct HistoryCase {
    const char* actions;
    bool at_saved;
    std::size_t count;
};

TEST(StepHistoryTest, ForgetsTheOldestAndTheSavedPlaceWithThem) {
    const HistoryCase cases[] = {
        {"", true, 0},      {"p", false, 1},      {"ps", true, 1},    {"psu", false, 1},
        {"psup", false, 1}, {"sppu", false, 2},   {"sppuu", true, 2}, {"spp", false, 2},
        {"sppp", false, 2}, {"spppuu", false, 2},  // the saved place forgotten
        {"pspp", false, 2}, {"psppuu", true, 2},  {"ppsp", false, 2}, {"ppspu", true, 2},
    };
    for (const HistoryCase& c : cases) {
        StepHistory history(2);
        for (const char* a = c.actions; *a != '\0'; ++a) {
            if (*a == 's') history.MarkSaved();
            if (*a == 'p') history.Push(WorkStep{});
            if (*a == 'u' && history.CanUndo()) history.Undo();
        }
        EXPECT_EQ(history.AtSaved(), c.at_saved) << c.actions;
        EXPECT_EQ(history.Count(), c.count) << c.actions;
    }
}

// The steps the session expects: the points after each, and the report text
// and result a replacement took away; the oldest first.
struct Expected {
    struct Step {
        Points points;
        std::optional<std::pair<std::string, std::optional<Points>>> emptied;
    };
    std::vector<Step> steps{{}};
    std::size_t done = 0;
    void Push(Points points,
              std::optional<std::pair<std::string, std::optional<Points>>> emptied = {}) {
        steps.resize(done + 1);
        steps.push_back({std::move(points), std::move(emptied)});
        if (++done <= PupilSession::kUndoLimit) return;
        steps.erase(steps.begin());  // the oldest step is forgotten
        --done;
    }
};

bool Shows(const PupilSession& session, const Points& points) {
    return std::ranges::equal(session.Points().Points(), points);
}

// Thousands of random steps, with undo and redo among them; every so often
// undone to the oldest step kept and redone to the newest, each state on the
// way as expected.
TEST(PupilSessionTest, RandomWorkUndoesAndRedoesExactly) {
    PupilSession session("the task\r\n");
    std::mt19937 random(8128);
    const auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    Expected expected;
    Points points;
    std::string report = session.ReportText();
    std::optional<Points> analysed;  // the points the report was made for
    int checks = 0, undone = 0;
    const auto node = [&] { return GridPoint{20 * below(14), 20 * below(12)}; };
    const auto replace = [&](const Points& with) {
        bool idle = with == points && report.empty();
        for (std::size_t k = 0; k < static_cast<std::size_t>(kKindCount); ++k)
            idle = idle && session.PupilCounts()[k].empty() && session.ProgramCounts()[k].empty();
        if (!idle) expected.Push(with, std::pair(report, analysed));
        points = with;
        report.clear();
        analysed.reset();
    };
    for (int step = 0; step < 20000; ++step) {
        const int action = below(100);
        if (action < 40) {
            const bool room = points.size() < 15;
            const GridPoint p = node();
            ASSERT_EQ(session.AddPoint(p).done, room);
            if (room) {
                points.push_back(p);
                expected.Push(points);
            }
        } else if (action < 55) {
            const int row = below(18) - 1;
            const bool there = row >= 0 && row < static_cast<int>(points.size());
            ASSERT_EQ(session.DeletePoint(row).done, there);
            if (there) {
                points.erase(points.begin() + row);
                expected.Push(points);
            }
        } else if (action < 58) {
            replace({});
            session.Clear();
        } else if (action < 61) {
            Points with(static_cast<std::size_t>(below(17)));
            for (GridPoint& p : with) p = node();
            if (with.size() <= 15) replace(with);
            ASSERT_EQ(session.ReplacePoints(with).done, with.size() <= 15);
        } else if (action < 68) {
            session.Analyse();
            report = session.ReportText();
            analysed = points;
            ASSERT_TRUE(report.starts_with("Брой въведени точки: " + std::to_string(points.size()) +
                                           "\r\n"));
        } else if (action < 73) {
            session.SetPupilCount(below(7), std::to_string(below(9)));
        } else if (action < 87) {
            const bool back = action < 80;
            const auto to = static_cast<std::ptrdiff_t>(expected.done) + (back ? -1 : 1);
            if (to >= 0 && to < static_cast<std::ptrdiff_t>(expected.steps.size())) {
                const auto& emptied =
                    expected.steps[std::max(static_cast<std::size_t>(to), expected.done)].emptied;
                if (emptied) {
                    report = back ? emptied->first : std::string();
                    analysed = back ? emptied->second : std::nullopt;
                }
                expected.done = static_cast<std::size_t>(to);
                points = expected.steps[expected.done].points;
                ++undone;
            }
            back ? session.Undo() : session.Redo();
        }
        ASSERT_TRUE(Shows(session, points)) << "step " << step;
        ASSERT_EQ(session.ReportText(), report);
        // the report names its figures whenever the points are those it was made for
        ASSERT_EQ(session.Result() != nullptr, analysed == points);
        ASSERT_EQ(session.Steps().Done(), expected.done);
        if (step % 97 != 96) continue;
        // to the oldest step and on to the newest, each step's points as
        // expected, then back to where the session was
        for (std::size_t i = expected.done; i > 0; --i) {
            session.Undo();
            ASSERT_TRUE(Shows(session, expected.steps[i - 1].points));
        }
        ASSERT_FALSE(session.Steps().CanUndo());
        for (std::size_t i = 1; i < expected.steps.size(); ++i) {
            session.Redo();
            ASSERT_TRUE(Shows(session, expected.steps[i].points));
        }
        ASSERT_FALSE(session.Steps().CanRedo());
        for (std::size_t i = expected.steps.size() - 1; i > expected.done; --i) session.Undo();
        ASSERT_TRUE(Shows(session, points));
        // the report and counts are what the steps on the way left
        report = session.ReportText();
        const WorkSnapshot left = session.Snapshot();
        analysed = left.report_result ? std::optional(left.report_points) : std::nullopt;
        ++checks;
    }
    EXPECT_GT(checks, 200);
    EXPECT_GT(undone, 1000);
    EXPECT_EQ(expected.steps.size(), PupilSession::kUndoLimit + 1u);  // the oldest forgotten
    EXPECT_EQ(session.Steps().Count(), static_cast<std::size_t>(PupilSession::kUndoLimit));
}

}  // namespace
