// The session as the window hears it: each operation tells the views what
// it changed, in the order they need. (The session's own rules are tested
// by the scenario files and the session's tests.)
#include <QTest>

#include "workspacemodel.h"

using namespace plane_figures;
using namespace plane_figures::workspace;

class TestWorkspaceModel : public QObject {
    Q_OBJECT

private slots:
    void operationsTellTheirViews_data();
    void operationsTellTheirViews();
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

QTEST_GUILESS_MAIN(TestWorkspaceModel)
#include "tst_workspacemodel.moc"
