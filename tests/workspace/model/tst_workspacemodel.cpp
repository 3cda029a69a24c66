// The pupil's work without a window: each operation changes what it should
// and tells its views so, refusals change nothing and are no steps, an undo
// brings back the chosen point with the rest, closing asks exactly when the
// work has changed since its file, and a long random session undoes to the
// start and redoes to the end exactly.
#include <QRandomGenerator>
#include <QTest>
#include <optional>

#include "workspacemodel.h"

using namespace plane_figures;
using namespace plane_figures::workspace;

class TestWorkspaceModel : public QObject {
    Q_OBJECT

private slots:
    void operationsTellTheirViews_data();
    void operationsTellTheirViews();
    void refusalsAreNoSteps_data();
    void refusalsAreNoSteps();
    void undoingAReplacementBringsBackTheReport();
    void undoBringsBackTheChoice_data();
    void undoBringsBackTheChoice();
    void unsavedExactlyWhenChangedSinceTheFile_data();
    void unsavedExactlyWhenChangedSinceTheFile();
    void randomSessionUndoesAndRedoesExactly();
};

namespace {

using Points = std::vector<GridPoint>;

const Points kSquarePoints{{20, 20}, {60, 20}, {60, 60}, {20, 60}};

// What the model tells its views, in order, as one line: "ResultChanged PointAdded(4)".
struct Heard {
    QStringList said;
    explicit Heard(WorkspaceModel& model) {
        const auto hear = [this, &model](auto signal, const char* name) {
            QObject::connect(&model, signal, &model, [this, name] { said << name; });
        };
        QObject::connect(&model, &WorkspaceModel::PointAdded, &model,
                         [this](int row) { said << QStringLiteral("PointAdded(%1)").arg(row); });
        QObject::connect(&model, &WorkspaceModel::PointRemoved, &model,
                         [this](int row) { said << QStringLiteral("PointRemoved(%1)").arg(row); });
        QObject::connect(&model, &WorkspaceModel::ChoiceChanged, &model,
                         [this](int row) { said << QStringLiteral("ChoiceChanged(%1)").arg(row); });
        QObject::connect(&model, &WorkspaceModel::PupilCountChanged, &model, [this](int kind) {
            said << QStringLiteral("PupilCountChanged(%1)").arg(kind);
        });
        hear(&WorkspaceModel::PointsReplaced, "PointsReplaced");
        hear(&WorkspaceModel::ReportChanged, "ReportChanged");
        hear(&WorkspaceModel::ResultChanged, "ResultChanged");
        hear(&WorkspaceModel::CountsChanged, "CountsChanged");
    }
    QString Line() const { return said.join(' '); }
};

// a model holding the square, analysed
void EnterSquare(WorkspaceModel& model, bool analyse) {
    for (const GridPoint p : kSquarePoints) model.AddPoint(p);
    if (analyse) model.Analyse();
}

}  // namespace

void TestWorkspaceModel::operationsTellTheirViews_data() {
    QTest::addColumn<bool>("analysed");   // the square analysed first
    QTest::addColumn<QString>("action");  // what is done to the square
    QTest::addColumn<QString>("heard");
    QTest::newRow("entry") << false << "add"
                           << "PointAdded(4)";
    QTest::newRow("entry after Чертай") << true << "add"
                                        << "PointAdded(4) ResultChanged";
    // the analysed points are back: the report names its figures again
    QTest::newRow("deletion undone after Чертай")
        << true << "delete undo"
        << "PointRemoved(1) ResultChanged PointsReplaced ResultChanged";
    QTest::newRow("deletion") << false << "delete"
                              << "PointRemoved(1)";
    QTest::newRow("undone entry") << false << "undo"
                                  << "PointsReplaced";
    QTest::newRow("redone entry") << false << "undo redo"
                                  << "PointsReplaced PointsReplaced";
    QTest::newRow("Чертай") << false << "analyse"
                            << "ReportChanged ResultChanged CountsChanged";
    QTest::newRow("Изчисти") << true << "clear"
                             << "PointsReplaced ReportChanged ResultChanged CountsChanged";
    QTest::newRow("typed count") << false << "type"
                                 << "PupilCountChanged(5)";
    QTest::newRow("choice") << false << "choose"
                            << "ChoiceChanged(2)";
    QTest::newRow("the same choice again") << false << "choose choose"
                                           << "ChoiceChanged(2)";
    QTest::newRow("chosen point deleted") << false << "choose delete-chosen"
                                          << "ChoiceChanged(2) PointRemoved(2) ChoiceChanged(-1)";
    QTest::newRow("chosen point's deletion undone")
        << false << "choose delete-chosen undo"
        << "ChoiceChanged(2) PointRemoved(2) ChoiceChanged(-1) PointsReplaced ChoiceChanged(2)";
    QTest::newRow("Изчисти with a point chosen")
        << false << "choose clear"
        << "ChoiceChanged(2) PointsReplaced ChoiceChanged(-1)";
}

// Each view redraws from what it is told: a missing signal is a stale view.
void TestWorkspaceModel::operationsTellTheirViews() {
    QFETCH(bool, analysed);
    QFETCH(QString, action);
    QFETCH(QString, heard);
    WorkspaceModel model;
    EnterSquare(model, analysed);
    Heard told(model);
    for (const QString& step : action.split(' ')) {
        if (step == "add") QVERIFY(model.AddPoint({40, 40}));
        if (step == "delete") QVERIFY(model.DeletePoint(1));
        if (step == "undo") model.Undo();
        if (step == "redo") model.Redo();
        if (step == "analyse") model.Analyse();
        if (step == "clear") model.Clear();
        if (step == "type") model.SetPupilCount(5, "1");
        if (step == "choose") model.Choose(2);
        if (step == "delete-chosen") QVERIFY(model.DeleteChosen());
    }
    QCOMPARE(told.Line(), heard);
}

void TestWorkspaceModel::refusalsAreNoSteps_data() {
    QTest::addColumn<int>("points");  // entered first: 0, 4 (the square) or 15
    QTest::addColumn<QString>("action");
    QTest::newRow("16th point") << 15 << "add";
    QTest::newRow("deletion of no row") << 4 << "delete 4";
    QTest::newRow("deletion of row -1") << 4 << "delete -1";
    QTest::newRow("16 points opened") << 4 << "replace 16";
    QTest::newRow("second Изчисти") << 0 << "clear";
    QTest::newRow("the same points opened again") << 4 << "replace same";
}

// A refused or idle action neither changes the work nor leaves a step, so
// the next undo always shows a change.
void TestWorkspaceModel::refusalsAreNoSteps() {
    QFETCH(int, points);
    QFETCH(QString, action);
    WorkspaceModel model;
    for (int p = 0; p < points; ++p) model.AddPoint({20 * (p % 13), 20 * (p / 13)});
    if (action == "replace same") {
        // opened once: the points stand alone, with no report and no counts
        model.ReplacePoints(Points(model.Points().Points().begin(), model.Points().Points().end()));
    }
    const session::WorkSnapshot before = model.Snapshot();
    const std::size_t steps = model.Session().Steps().Count();
    if (action == "add") QVERIFY(!model.AddPoint({0, 0}));
    if (action.startsWith("delete")) QVERIFY(!model.DeletePoint(action.section(' ', 1).toInt()));
    if (action == "replace 16") QVERIFY(!model.ReplacePoints(Points(16)));
    if (action == "clear") model.Clear();
    if (action == "replace same") QVERIFY(model.ReplacePoints(before.points));
    QVERIFY(model.Snapshot() == before);
    QCOMPARE(model.Session().Steps().Count(), steps);
}

// "Изчисти" after "Чертай" and typed counts, undone: the report names its
// figures again and both columns of counts are back.
void TestWorkspaceModel::undoingAReplacementBringsBackTheReport() {
    WorkspaceModel model(QStringLiteral("the task\r\n"));
    EnterSquare(model, true);
    model.SetPupilCount(5, "1");
    const session::WorkSnapshot analysed = model.Snapshot();
    QVERIFY(analysed.report_text.starts_with("Брой въведени точки: 4\r\n"));
    QCOMPARE(analysed.program_counts[plane_figures::kSquare], std::string("1"));

    model.Clear();
    QVERIFY(model.Points().Size() == 0 && model.ReportText().isEmpty() && !model.Result());
    QCOMPARE(model.PupilCounts()[5], QString());
    QCOMPARE(model.ProgramCounts()[plane_figures::kSquare], QString());
    QCOMPARE(model.UndoText(), QString("изчистването"));

    model.Undo();
    QVERIFY(model.Snapshot() == analysed);
    QVERIFY(model.Result() && model.Result()->FigureOfLine(1));
    model.Redo();
    QVERIFY(model.Points().Size() == 0 && !model.Result());
}

void TestWorkspaceModel::undoBringsBackTheChoice_data() {
    QTest::addColumn<int>("chosen");        // of the five points, before the step
    QTest::addColumn<QString>("step");      // "delete chosen", "delete N", "add", "clear"
    QTest::addColumn<int>("chosen_after");  // the step done, and redone
    QTest::newRow("first deleted") << 0 << "delete chosen" << -1;
    QTest::newRow("middle deleted") << 2 << "delete chosen" << -1;
    QTest::newRow("last deleted") << 4 << "delete chosen" << -1;
    QTest::newRow("nothing chosen, row 2 deleted") << -1 << "delete 2" << -1;
    QTest::newRow("a row above the chosen one deleted") << 3 << "delete 1" << 2;
    QTest::newRow("a row below the chosen one deleted") << 1 << "delete 3" << 1;
    QTest::newRow("entry") << 4 << "add" << 4;
    QTest::newRow("Изчисти") << 2 << "clear" << -1;
    QTest::newRow("opening") << 1 << "open" << -1;
}

// Undo puts the work back as it was before the step, the chosen point
// included, so that a deletion undone can be done again at once; redo as
// after the step.
void TestWorkspaceModel::undoBringsBackTheChoice() {
    QFETCH(int, chosen);
    QFETCH(QString, step);
    QFETCH(int, chosen_after);
    WorkspaceModel model;
    for (int p = 0; p < 5; ++p) model.AddPoint({20 * p, 40});
    model.Choose(chosen);
    QCOMPARE(model.Chosen(), chosen);
    const session::WorkSnapshot before = model.Snapshot();
    const auto take_step = [&] {
        if (step == "delete chosen") {
            QVERIFY(model.DeleteChosen());
        } else if (step.startsWith("delete ")) {
            QVERIFY(model.DeletePoint(step.section(' ', 1).toInt()));
        }
        if (step == "add") QVERIFY(model.AddPoint({200, 200}));
        if (step == "clear") model.Clear();
        if (step == "open") QVERIFY(model.ReplacePoints(Points{{0, 0}, {40, 40}}));
    };
    take_step();
    const session::WorkSnapshot after = model.Snapshot();
    QCOMPARE(model.Chosen(), chosen_after);
    model.Undo();
    QVERIFY(model.Snapshot() == before);
    model.Redo();
    QVERIFY(model.Snapshot() == after);
    model.Undo();
    // the same step again, as a second "Изтрий  1 т." would take it
    take_step();
    QVERIFY(model.Snapshot() == after);
}

void TestWorkspaceModel::unsavedExactlyWhenChangedSinceTheFile_data() {
    QTest::addColumn<QString>("work");
    QTest::addColumn<bool>("unsaved");
    QTest::newRow("nothing") << "" << false;
    QTest::newRow("never opened or saved") << "enter enter" << false;
    QTest::newRow("opened") << "open" << false;
    QTest::newRow("opened, an entry undone") << "open enter undo" << false;
    QTest::newRow("opened, an entry") << "open enter" << true;
    QTest::newRow("opened, changed, saved") << "open enter save" << false;
    QTest::newRow("saved, undone") << "enter save undo" << true;
    QTest::newRow("saved, undone, redone") << "enter save undo redo" << false;
    QTest::newRow("opened, the opening undone") << "open undo" << true;
    QTest::newRow("opened, a point chosen and deleted") << "open choose delete" << true;
    QTest::newRow("opened, entered and deleted again") << "open enter choose delete" << true;
    QTest::newRow("opened, Чертай, counts typed, a point chosen")
        << "open analyse type choose" << false;
    QTest::newRow("opened, Изчисти undone") << "open clear undo" << false;
    QTest::newRow("opened, the same points opened again") << "open open" << false;
    // the step it was saved at forgotten: no undo reaches the file again
    QTest::newRow("opened, more steps than are kept, all undone") << "open many undo-all" << true;
}

// Closing asks exactly when the work came from a file or went to one and
// the undo stack is not where it was then; Чертай, typing and choosing are
// no steps.
void TestWorkspaceModel::unsavedExactlyWhenChangedSinceTheFile() {
    QFETCH(QString, work);
    QFETCH(bool, unsaved);
    WorkspaceModel model;
    for (const QString& step : work.split(' ', Qt::SkipEmptyParts)) {
        if (step == "open") QVERIFY(model.ReplacePoints(kSquarePoints));
        if (step == "enter") QVERIFY(model.AddPoint({100, 100}));
        if (step == "save") model.MarkSaved();
        if (step == "undo") model.Undo();
        if (step == "redo") model.Redo();
        if (step == "choose") model.Choose(model.PointCount() - 1);
        if (step == "delete") QVERIFY(model.DeleteChosen());
        if (step == "analyse") model.Analyse();
        if (step == "type") model.SetPupilCount(0, "3");
        if (step == "clear") model.Clear();
        if (step == "many") {
            for (int i = 0; i < WorkspaceModel::kUndoLimit; ++i) {
                QVERIFY(model.AddPoint({0, 0}));
                QVERIFY(model.DeletePoint(4));
            }
        }
        if (step == "undo-all")
            while (model.CanUndo()) model.Undo();
    }
    QCOMPARE(model.Unsaved(), unsaved);
}

namespace {

// The steps the session expects: the points after each, and the report text
// and result presence a replacement took away; the oldest first.
struct Expected {
    struct Step {
        Points points;
        // a replacement's report, and the points it was made for if any
        std::optional<std::pair<QString, std::optional<Points>>> emptied;
    };
    QList<Step> steps{{}};
    qsizetype done = 0;
    void Push(Points points,
              std::optional<std::pair<QString, std::optional<Points>>> emptied = std::nullopt) {
        steps.resize(done + 1);
        steps.append({std::move(points), std::move(emptied)});
        if (++done <= WorkspaceModel::kUndoLimit) return;
        steps.removeFirst();  // the oldest step is forgotten
        --done;
    }
};

}  // namespace

// Thousands of random steps, with undo and redo among them; every so often
// undone to the oldest step kept and redone to the newest, each state on the
// way as expected.
void TestWorkspaceModel::randomSessionUndoesAndRedoesExactly() {
    WorkspaceModel model(QStringLiteral("the task\r\n"));
    QRandomGenerator random(8128);
    Expected expected;
    Points points;
    QString report = model.ReportText();
    std::optional<Points> analysed;  // the points the report was made for
    int checks = 0, undone = 0;
    const auto node = [&] { return GridPoint{20 * random.bounded(14), 20 * random.bounded(12)}; };
    const auto replace = [&](const Points& with) {
        bool idle = with == points && report.isEmpty();
        for (std::size_t k = 0; k < static_cast<std::size_t>(kKindCount); ++k)
            idle = idle && model.PupilCounts()[k].isEmpty() && model.ProgramCounts()[k].isEmpty();
        if (!idle) expected.Push(with, std::pair(report, analysed));
        points = with;
        report.clear();
        analysed.reset();
    };
    for (int step = 0; step < 20000; ++step) {
        const int action = random.bounded(100);
        if (action < 40) {
            const bool room = points.size() < 15;
            const GridPoint p = node();
            QCOMPARE(model.AddPoint(p), room);
            if (room) {
                points.push_back(p);
                expected.Push(points);
            }
        } else if (action < 55) {
            const int row = random.bounded(-1, 17);
            const bool there = row >= 0 && row < int(points.size());
            QCOMPARE(model.DeletePoint(row), there);
            if (there) {
                points.erase(points.begin() + row);
                expected.Push(points);
            }
        } else if (action < 58) {
            replace({});
            model.Clear();
        } else if (action < 61) {
            Points with(static_cast<std::size_t>(random.bounded(17)));
            for (GridPoint& p : with) p = node();
            if (with.size() <= 15) replace(with);
            QCOMPARE(model.ReplacePoints(with), with.size() <= 15);
        } else if (action < 68) {
            model.Analyse();
            report = model.ReportText();
            analysed = points;
            QVERIFY(report.startsWith(
                QStringLiteral("Брой въведени точки: %1\r\n").arg(points.size())));
        } else if (action < 73) {
            model.SetPupilCount(random.bounded(7), QString::number(random.bounded(9)));
        } else if (action < 87) {
            const bool back = action < 80;
            const qsizetype to = expected.done + (back ? -1 : 1);
            if (to >= 0 && to < expected.steps.size()) {
                const auto& emptied = expected.steps[std::max(to, expected.done)].emptied;
                if (emptied) {
                    report = back ? emptied->first : QString();
                    analysed = back ? emptied->second : std::nullopt;
                }
                points = expected.steps[expected.done = to].points;
                ++undone;
            }
            back ? model.Undo() : model.Redo();
        }
        QVERIFY(model.Points().Points().size() == points.size() &&
                std::equal(points.begin(), points.end(), model.Points().Points().begin()));
        QCOMPARE(model.ReportText(), report);
        // the report names its figures whenever the points are those it was made for
        QCOMPARE(model.Result() != nullptr, analysed == points);
        QCOMPARE(model.Session().Steps().Done(), int(expected.done));
        if (step % 97 != 96) continue;
        // to the oldest step and on to the newest, each step's points as
        // expected, then back to where the session was
        const auto shows = [&](const Points& expected_points) {
            return model.Points().Points().size() == expected_points.size() &&
                   std::equal(expected_points.begin(), expected_points.end(),
                              model.Points().Points().begin());
        };
        for (qsizetype i = expected.done; i > 0; --i) {
            model.Undo();
            QVERIFY(shows(expected.steps[i - 1].points));
        }
        QVERIFY(!model.CanUndo());
        for (qsizetype i = 1; i < expected.steps.size(); ++i) {
            model.Redo();
            QVERIFY(shows(expected.steps[i].points));
        }
        QVERIFY(!model.CanRedo());
        for (qsizetype i = expected.steps.size() - 1; i > expected.done; --i) model.Undo();
        QVERIFY(shows(points));
        // the report and counts are what the steps on the way left
        report = model.ReportText();
        const session::WorkSnapshot left = model.Snapshot();
        analysed = left.report_result ? std::optional(left.report_points) : std::nullopt;
        ++checks;
    }
    QVERIFY(checks > 200 && undone > 1000);
    QCOMPARE(expected.steps.size(), WorkspaceModel::kUndoLimit + 1);  // the oldest steps forgotten
    QCOMPARE(model.Session().Steps().Count(), WorkspaceModel::kUndoLimit);
}

QTEST_GUILESS_MAIN(TestWorkspaceModel)
#include "tst_workspacemodel.moc"
