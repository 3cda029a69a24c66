// Undo and redo of the pupil's steps: entering and deleting a point,
// "Изчисти" and opening a file; refused actions are no steps.
#include <QTemporaryDir>
#include <QUndoStack>

#include "formtest.h"

using namespace formtest;

class TestUndo : public QObject {
    Q_OBJECT

  private slots:
    void undoAndRedo_data();
    void undoAndRedo();
    void refusedActionIsNoStep_data();
    void refusedActionIsNoStep();
    void keysFromEveryControl_data();
    void keysFromEveryControl();
};

namespace {

// the steps the window can undo
int Steps(const MainForm& form) { return form.findChild<QUndoStack*>()->count(); }

const QList<QPoint> kSquare{{20, 20}, {100, 20}, {100, 100}, {20, 100}};

// the canvas of a new window after clicks on these points: white, grid, black dots
QImage DrawnByHand(const QList<QPoint>& points) {
    MainForm form;
    for (const QPoint& p : points) form.Picture1_MouseDown(Qt::LeftButton, {}, p);
    return Picture1(form)->Image();
}

void Undo(MainForm& form) { QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier); }
void Redo(MainForm& form) { QTest::keyClick(&form, Qt::Key_Y, Qt::ControlModifier); }

QString WriteFile(const QTemporaryDir& dir, const QByteArray& bytes) {
    QFile file(dir.filePath("ex.pfig"));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write");
    return file.fileName();
}

// one step of each kind; "bad file" and the rest are refused
void Act(PromptedWindow& window, const QString& step, const QTemporaryDir& dir) {
    if (step == "entry") ClickCanvas(window.form, 61, 49);
    if (step == "deletion") ClickRow(List1(window.form, 0), 1);
    if (step == "deletion" || step == "deletion without selection") ClickButton(window.form, 2);
    if (step == "Изчисти") ClickButton(window.form, 1);
    if (step == "open") window.form.OpenFile(WriteFile(dir, "200 200\n41 39\n0 0\n"));
    if (step == "bad file") window.form.OpenFile(WriteFile(dir, "200 200\n-1 0\n"));
    if (step == "16th click") ClickCanvas(window.form, 0, 0);
}

}  // namespace

void TestUndo::undoAndRedo_data() {
    QTest::addColumn<QList<QPoint>>("entered");  // each a step before the one undone
    QTest::addColumn<bool>("drawn");  // then "Чертай" and a count of the pupil's own
    QTest::addColumn<QString>("step");
    QTest::addColumn<QList<QPoint>>("after");
    const QList<QPoint> square_and_entry = kSquare + QList<QPoint>{{60, 40}};
    QTest::newRow("entry") << kSquare.mid(0, 2) << false << "entry"
                           << QList<QPoint>{{20, 20}, {100, 20}, {60, 40}};
    QTest::newRow("entry after Чертай") << kSquare << true << "entry" << square_and_entry;
    QTest::newRow("deletion") << kSquare << true << "deletion"
                              << QList<QPoint>{{20, 20}, {100, 100}, {20, 100}};
    QTest::newRow("Изчисти") << kSquare << true << "Изчисти" << QList<QPoint>{};
    QTest::newRow("Изчисти at start-up")
        << QList<QPoint>{} << false << "Изчисти" << QList<QPoint>{};
    QTest::newRow("open") << kSquare << true << "open"
                          << QList<QPoint>{{200, 200}, {40, 40}, {0, 0}};
    QTest::newRow("open at start-up")
        << QList<QPoint>{} << false << "open" << QList<QPoint>{{200, 200}, {40, 40}, {0, 0}};
}

// Undo gives the points, report and counts as before the step, the canvas
// redrawn without outlines; redo gives them as after it, whichever redo key.
void TestUndo::undoAndRedo() {
    QFETCH(QList<QPoint>, entered);
    QFETCH(bool, drawn);
    QFETCH(QString, step);
    QFETCH(QList<QPoint>, after);
    QTemporaryDir dir;
    PromptedWindow window;
    Enter(window.form, entered);
    if (drawn) {
        ClickButton(window.form, 0);
        Text2(window.form, 5)->setText("1");
    }
    Seen before(window.form);
    Act(window, step, dir);
    QCOMPARE(Steps(window.form), entered.size() + 1);
    Seen done(window.form);
    before.canvas = DrawnByHand(entered);
    done.canvas = DrawnByHand(after);
    done.selected = -1;
    Undo(window.form);
    QCOMPARE(Seen(window.form).Differences(before), QString());
    Redo(window.form);
    QCOMPARE(Seen(window.form).Differences(done), QString());
    Undo(window.form);
    QTest::keyClick(&window.form, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Seen(window.form).Differences(done), QString());
    QCOMPARE(Command1(window.form, 0)->isEnabled(), after.size() >= 3);
    QVERIFY(window.prompts.told.isEmpty());
}

void TestUndo::refusedActionIsNoStep_data() {
    QTest::addColumn<int>("entered");
    QTest::addColumn<QString>("action");
    QTest::newRow("16th click") << 15 << "16th click";
    QTest::newRow("deletion without selection") << 3 << "deletion without selection";
    QTest::newRow("bad file") << 3 << "bad file";
}

void TestUndo::refusedActionIsNoStep() {
    QFETCH(int, entered);
    QFETCH(QString, action);
    QTemporaryDir dir;
    PromptedWindow window;
    for (int i = 0; i < entered; ++i) ClickCanvas(window.form, 20 * (i % 13), 20 * (i / 13));
    const Seen before(window.form);
    Act(window, action, dir);
    QCOMPARE(Seen(window.form).Differences(before), QString());
    QCOMPARE(Steps(window.form), entered);
    Undo(window.form);  // undoes the last point entered
    QCOMPARE(window.form.PointCount(), entered - 1);
}

void TestUndo::keysFromEveryControl_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("undoes_a_step");
    QTest::newRow("canvas") << "Picture1" << true;
    QTest::newRow("report box") << "Text1_0" << true;
    QTest::newRow("point list") << "List1_0" << true;
    QTest::newRow("button") << "Command1_1" << true;
    // a count box being typed in undoes its own typing
    QTest::newRow("pupil's count") << "Text2_3" << false;
}

void TestUndo::keysFromEveryControl() {
    QFETCH(QString, control);
    QFETCH(bool, undoes_a_step);
    PromptedWindow window;
    Enter(window.form, kSquare);
    auto* widget = window.form.findChild<QWidget*>(control);
    widget->setFocus();
    QTest::keyClicks(Text2(window.form, 3), "7");
    QTest::keyClick(widget, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window.form.PointCount(), undoes_a_step ? 3 : 4);
    QCOMPARE(Text2(window.form, 3)->text(), undoes_a_step ? "7" : "");
    if (!undoes_a_step) return;
    QTest::keyClick(widget, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(window.form.PointCount(), 4);
}

PLANE_FIGURES_TEST_MAIN(TestUndo)
#include "tst_undo.moc"
