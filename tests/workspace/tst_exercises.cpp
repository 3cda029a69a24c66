// Exercise files in the window (opening, saving, dropping), undo and redo of
// each kind of step, refused actions, the report box's menu and help, and the
// command line's answers.
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include "formtest.h"
#include "qtinbulgarian.h"
#include "reportexplorer.h"
#include "sheetcontent.h"

using namespace formtest;

class TestExercises : public QObject {
    Q_OBJECT

private slots:
    void refusedActionChangesNothing_data();
    void refusedActionChangesNothing();
    void openIsClearThenAClickPerPoint();
    void savedFileOpensToTheSamePoints();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void keysAndDropping();
    void closingKeepsFilePoints_data();
    void closingKeepsFilePoints();
    void droppingSeveralFiles_data();
    void droppingSeveralFiles();
    void undoAndRedo_data();
    void undoAndRedo();
    void undoKeysFromEveryControl_data();
    void undoKeysFromEveryControl();
    void commandKeysFromEveryControl_data();
    void commandKeysFromEveryControl();
    void reportMenuOffersTheWindowCommands();
    void sheetsFromTheWindow_data();
    void sheetsFromTheWindow();
    void commandLine_data();
    void commandLine();
    void commandLineOutputRefused_data();
    void commandLineOutputRefused();
    void qtTextsInBulgarian_data();
    void qtTextsInBulgarian();
};

namespace {

// points off the grid nodes, the corners of the canvas among them
const QByteArray kOffNodes = "# test\n9 31\n262 228\n10 29\n0,0\n 130 ,\t75\n";

QString Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("no write");
    return path;
}

const QList<QPoint> kSquare{{20, 20}, {100, 20}, {100, 100}, {20, 100}};

// points, "Чертай" and a count of the pupil's own
void DoSomeWork(MainForm& form, const QList<QPoint>& points = kSquare) {
    Enter(form, points);
    ClickButton(form, 0);
    Text2(form, 5)->setText("1");
}

// 15 points, 5 x 3 nodes 20 pixels apart: the most figures
QList<QPoint> Lattice() {
    QList<QPoint> points;
    for (int i = 0; i < 15; ++i) points << QPoint(i % 5 * 20, i / 5 * 20);
    return points;
}

// FILE's bytes for FILE as a named pipe (which nothing writes) or a device
const QByteArray kNamedPipe = "named pipe";
const QByteArray kDevice = "device";

// the path of FILE made as bytes ask: path itself, a named pipe there or a
// device; empty where the system has no such thing
QString NotRegularFile(const QByteArray& bytes, const QString& path) {
    if (bytes == kDevice) return QFile::exists("/dev/null") ? "/dev/null" : "";
#ifdef Q_OS_UNIX
    if (bytes == kNamedPipe) return ::mkfifo(QFile::encodeName(path), 0600) == 0 ? path : "";
#else
    if (bytes == kNamedPipe) return "";
#endif
    return path;
}

// the steps the window can undo
std::size_t Steps(const MainForm& form) { return form.Model().Session().Steps().Count(); }

// the text of the window's command of this name, as its menus show it
QString CommandText(const MainForm& form, const char* name) {
    return form.findChild<QAction*>(QLatin1String(name))->text();
}

}  // namespace

void TestExercises::refusedActionChangesNothing_data() {
    QTest::addColumn<QByteArray>("action");  // a file's bytes, or what else is done
    QTest::addColumn<QString>("reason");     // what the message says; none without one
    QTest::newRow("not two numbers") << QByteArray("10 10\n20 20\n30\n")
                                     << "ред 3: трябва да съдържа точно две цели числа, X и Y";
    QTest::newRow("over 1 MiB") << QByteArray(1024 * 1024 + 1, '#') << "файлът е по-голям от 1 MiB";
    const QString not_points = "това не е файл с точки, а ";
    QTest::newRow("a PDF") << QByteArray("%PDF-1.7\n%\xE2\xE3\xCF\xD3\n")
                           << not_points + "документ PDF";
    QTest::newRow("a PDF over 1 MiB")
        << QByteArray("%PDF-1.7\n") + QByteArray(1024 * 1024, 'x') << not_points + "документ PDF";
    QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)
                               << not_points + "картина PNG";
    QTest::newRow("missing") << QByteArray("missing") << "няма такъв файл";
    QTest::newRow("folder") << QByteArray("folder") << "това е папка";
    QTest::newRow("unreadable") << QByteArray("unreadable")
                                << "съдържанието му не може да се прочете";
    QTest::newRow("named pipe") << kNamedPipe << "това не е обикновен файл";
    QTest::newRow("device") << kDevice << "това не е обикновен файл";
    QTest::newRow("16th click") << QByteArray("16th click") << "";
    QTest::newRow("deletion without selection") << QByteArray("deletion") << "";
    QTest::newRow("a second Изчисти") << QByteArray("Изчисти") << "";
}

// A refused file is named in a message; no refused or idle action changes
// anything or is a step to undo.
void TestExercises::refusedActionChangesNothing() {
    QFETCH(QByteArray, action);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path =
        action == "folder" ? dir.path() : NotRegularFile(action, dir.filePath("ex.pfig"));
    if (path.isEmpty()) QSKIP("no named pipes or devices here");
    if (!QList<QByteArray>{"missing", "folder", kNamedPipe, kDevice}.contains(action))
        Write(path, action);
    if (action == "unreadable") {
        QFile::setPermissions(path, {});
        if (QFile(path).open(QFile::ReadOnly))  // Windows: only a read-only attribute
            QSKIP("Unix permissions do not stop reading here (root, or Windows)");
    }
    PromptedWindow window;
    DoSomeWork(window.form, action == "16th click" ? Lattice() : kSquare);
    if (action == "Изчисти") ClickButton(window.form, 1);
    const Seen before(window.form);
    const std::size_t steps = Steps(window.form);
    if (action == "16th click") {
        ClickCanvas(window.form, 0, 0);
    } else if (action == "deletion" || action == "Изчисти") {
        ClickButton(window.form, action == "deletion" ? 2 : 1);
    } else {
        QVERIFY(!window.form.OpenFile(path));
    }
    QCOMPARE(Seen(window.form).Differences(before), QString());
    QCOMPARE(Steps(window.form), steps);
    QCOMPARE(window.told.size(), reason.isEmpty() ? 0 : 1);
    if (reason.isEmpty()) return;
    QVERIFY2(
        window.told[0].contains(QDir::toNativeSeparators(path) + "“ не може да бъде отворен. " +
                                reason.left(1).toUpper() + reason.mid(1)),
        qPrintable(window.told[0]));
}

// Opening gives what "Изчисти" and a click on each point give by hand.
void TestExercises::openIsClearThenAClickPerPoint() {
    QTemporaryDir dir;
    PromptedWindow opened, by_hand;
    DoSomeWork(opened.form);
    DoSomeWork(by_hand.form);
    QVERIFY(opened.form.OpenFile(Write(dir.filePath("ex.pfig"), kOffNodes)));
    ClickButton(by_hand.form, 1);
    Enter(by_hand.form, {{9, 31}, {262, 228}, {10, 29}, {0, 0}, {130, 75}});
    QCOMPARE(Seen(opened.form).Differences(Seen(by_hand.form)), QString());
    QCOMPARE(Seen(opened.form).x, QStringList({"0", "260", "20", "0", "140"}));
    for (PromptedWindow* window : {&opened, &by_hand}) ClickButton(window->form, 0);
    QCOMPARE(Seen(opened.form).Differences(Seen(by_hand.form)), QString());
}

void TestExercises::savedFileOpensToTheSamePoints() {
    QTemporaryDir dir;
    const QString path = Write(dir.filePath("old.pfig"), "40 40\n");  // overwritten
    PromptedWindow saver, opener;
    DoSomeWork(saver.form);
    ClickCanvas(saver.form, 20, 20);  // coinciding points stay two
    QVERIFY(saver.form.SaveFile(path));
    QVERIFY(opener.form.OpenFile(path));
    QCOMPARE(Seen(opener.form).x, Seen(saver.form).x);
    QCOMPARE(Seen(opener.form).y, Seen(saver.form).y);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.pfig"});  // no leftovers
}

void TestExercises::failedSaveKeepsTheOldFile_data() {
    QTest::addColumn<QString>("target");  // in a temporary folder that holds sub/ex.pfig
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder") << "sub"
                              << "това е папка";
    QTest::newRow("in a missing folder") << "missing/ex.pfig"
                                         << "папката му не съществува";
    QTest::newRow("in a read-only folder") << "sub/ex.pfig"
                                           << "нямате право да записвате там";
}

void TestExercises::failedSaveKeepsTheOldFile() {
    QFETCH(QString, target);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    const QString old = Write(dir.filePath("sub/ex.pfig"), "40 40\n");
    if (target == "sub/ex.pfig") {
        QFile::setPermissions(dir.filePath("sub"), QFile::ReadOwner | QFile::ExeOwner);
        if (QFile(dir.filePath("sub/probe")).open(QIODevice::WriteOnly))
            QSKIP("Unix folder permissions do not stop writing here (root, or Windows)");
    }
    PromptedWindow window;
    DoSomeWork(window.form);
    QVERIFY(!window.form.SaveFile(dir.filePath(target)));
    QFile::setPermissions(dir.filePath("sub"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY2(window.told.size() == 1 && window.told[0].contains(reason),
             qPrintable(window.told.join("")));
    QFile file(old);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("40 40\n"));
}

// Ctrl+S adds ".pfig" to a name without one, Ctrl+O offers the last name; a
// dropped local file opens, wherever on the window it is dropped.
void TestExercises::keysAndDropping() {
    QTemporaryDir dir;
    PromptedWindow window;
    DoSomeWork(window.form);
    window.file_to_save = dir.filePath("square");
    QTest::keyClick(&window.form, Qt::Key_S, Qt::ControlModifier);
    window.file_to_open = dir.filePath("square.pfig");
    ClickButton(window.form, 1);
    QTest::keyClick(&window.form, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(window.form.PointCount(), 4);
    QCOMPARE(window.offered, QStringList({QString(), window.file_to_open}));
    QMimeData web, local;
    web.setUrls({QUrl("https://example.org/ex.pfig")});
    local.setUrls({QUrl("https://example.org/ex.pfig"),
                   QUrl::fromLocalFile(Write(dir.filePath("d.pfig"), kOffNodes))});
    local.setText(local.urls().constLast().toString());  // file managers add the text too
    for (QMimeData* data : {&web, &local}) {
        QDragEnterEvent enter(QPoint(9, 9), Qt::CopyAction, data, Qt::LeftButton, {});
        QApplication::sendEvent(&window.form, &enter);
        QCOMPARE(enter.isAccepted(), data == &local);
    }
    QDropEvent drop(QPoint(9, 9), Qt::CopyAction, &local, Qt::LeftButton, {});
    QApplication::sendEvent(&window.form, &drop);
    QTRY_COMPARE(window.form.PointCount(), 5);
    // dropped on a count box or on the report, through the window as a
    // desktop delivers it, the file still opens
    QVERIFY(Show(window.form));
    for (QWidget* box : std::initializer_list<QWidget*>{
             Text2(window.form, 0), Text3(window.form, 0), Text1(window.form, 0)}) {
        ClickButton(window.form, 1);
        const QPointF at = box->mapTo(&window.form, box->rect().center());
        QDragEnterEvent over(at.toPoint(), Qt::CopyAction, &local, Qt::LeftButton, {});
        QApplication::sendEvent(window.form.windowHandle(), &over);
        QDropEvent onto(at, Qt::CopyAction, &local, Qt::LeftButton, {});
        QApplication::sendEvent(window.form.windowHandle(), &onto);
        QTRY_COMPARE(window.form.PointCount(), 5);
        QCOMPARE(Text2(window.form, 0)->text(), QString());
    }
}

void TestExercises::closingKeepsFilePoints_data() {
    QTest::addColumn<QString>("work");  // before closing
    QTest::addColumn<int>("answer");    // to the question, if one is asked
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QByteArray>("file");            // afterwards
    const QByteArray opened = "0 0\n40 40\n80 0\n";  // as the teacher wrote it
    const QByteArray saved = "# plane-figures points\n0 0\n40 40\n80 0\n";
    const QByteArray four = "# plane-figures points\n0 0\n40 40\n80 0\n20 20\n";
    const int keep = QMessageBox::Cancel;
    QTest::newRow("never opened or saved") << "enter" << keep << false << true << QByteArray();
    QTest::newRow("opened, unchanged") << "open" << keep << false << true << opened;
    QTest::newRow("opened, an entry undone")
        << "open enter undo" << keep << false << true << opened;
    QTest::newRow("opened, changed: Запиши")
        << "open enter" << int(QMessageBox::Save) << true << true << four;
    QTest::newRow("opened, changed: Не записвай")
        << "open enter" << int(QMessageBox::Discard) << true << true << opened;
    QTest::newRow("opened, changed: Отказ") << "open enter" << keep << true << false << opened;
    QTest::newRow("saved, changed: Отказ") << "save enter" << keep << true << false << saved;
}

// Closing asks before it loses points that differ from the file last opened
// or saved, and keeps the window open when told so; without a file it asks
// nothing, as the window always did.
void TestExercises::closingKeepsFilePoints() {
    QFETCH(QString, work);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, closed);
    QFETCH(QByteArray, file);
    QTemporaryDir dir;
    const QString path = dir.filePath("ex.pfig");
    PromptedWindow window;
    window.answer = static_cast<QMessageBox::StandardButton>(answer);
    for (const QString& step : work.split(' ')) {
        if (step == "open") QVERIFY(window.form.OpenFile(Write(path, "0 0\n40 40\n80 0\n")));
        if (step == "save") {
            Enter(window.form, {{0, 0}, {40, 40}, {80, 0}});
            QVERIFY(window.form.SaveFile(path));
        }
        if (step == "enter") ClickCanvas(window.form, 20, 20);
        if (step == "undo") QTest::keyClick(&window.form, Qt::Key_Z, Qt::ControlModifier);
    }
    QCOMPARE(window.form.close(), closed);
    QCOMPARE(window.asked.size(), asked ? 1 : 0);
    if (asked) QVERIFY(window.asked.first().contains(QDir::toNativeSeparators(path)));
    QFile kept(path);
    QCOMPARE(kept.open(QIODevice::ReadOnly) ? kept.readAll() : QByteArray(), file);
    // nothing was lost: the window still shows what the pupil did
    QCOMPARE(window.form.PointCount(), work == "enter" ? 1 : work.endsWith("enter") ? 4 : 3);
}

void TestExercises::droppingSeveralFiles_data() {
    QTest::addColumn<QByteArray>("first");  // the first file's bytes; the second is kOffNodes
    QTest::addColumn<int>("points");        // after the drop
    QTest::addColumn<QStringList>("said");  // parts of the one message shown
    QTest::newRow("the first opens")
        << QByteArray("0 0\n40 40\n") << 2
        << QStringList{"Отворен е файлът", "a.pfig",
                       "Пуснахте 2 файла, а може да се отвори само един."};
    QTest::newRow("the first is refused")
        << QByteArray("0 0\nnot a point\n") << 4
        << QStringList{"Ред 2", "a.pfig", "Пуснахте 2 файла, а може да се отвори само един.",
                       "Останалите не бяха отворени."};
}

// Of several files dropped together the first opens, or is refused, and one
// message says which it was and that only one opens at a time.
void TestExercises::droppingSeveralFiles() {
    QFETCH(QByteArray, first);
    QFETCH(int, points);
    QFETCH(QStringList, said);
    QTemporaryDir dir;
    PromptedWindow window;
    Enter(window.form, kSquare);
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(Write(dir.filePath("a.pfig"), first)),
                   QUrl::fromLocalFile(Write(dir.filePath("b.pfig"), kOffNodes))});
    QDragEnterEvent enter(QPoint(9, 9), Qt::CopyAction, &files, Qt::LeftButton, {});
    QApplication::sendEvent(&window.form, &enter);
    QDropEvent drop(QPoint(9, 9), Qt::CopyAction, &files, Qt::LeftButton, {});
    QApplication::sendEvent(&window.form, &drop);
    QTRY_COMPARE(window.told.size(), 1);
    QCOMPARE(window.form.PointCount(), points);
    for (const QString& part : said)
        QVERIFY2(window.told.first().contains(part), qPrintable(window.told.first()));
}

void TestExercises::undoAndRedo_data() {
    QTest::addColumn<bool>("drawn");  // "Чертай" and a count of the pupil's own before the step
    QTest::addColumn<QString>("step");
    QTest::addColumn<QList<QPoint>>("after");
    QTest::addColumn<QString>("named");     // the step as the undo and redo commands name it
    QTest::addColumn<int>("chosen");        // the point chosen before the step
    QTest::addColumn<int>("chosen_after");  // and after it
    const QList<QPoint> opened{{200, 200}, {40, 40}, {0, 0}};
    const QString entry = "въвеждането на точка", clearing = "изчистването",
                  opening = "отварянето на файл";
    QTest::newRow("entry") << false << "entry" << kSquare + QList<QPoint>{{60, 40}} << entry << -1
                           << -1;
    QTest::newRow("entry after Чертай")
        << true << "entry" << kSquare + QList<QPoint>{{60, 40}} << entry << -1 << -1;
    QTest::newRow("entry, a point chosen")
        << false << "entry" << kSquare + QList<QPoint>{{60, 40}} << entry << 2 << 2;
    QTest::newRow("deletion") << true << "deletion"
                              << QList<QPoint>{{20, 20}, {100, 100}, {20, 100}}
                              << "изтриването на точка 1" << 1 << -1;
    QTest::newRow("Изчисти") << true << "Изчисти" << QList<QPoint>{} << clearing << -1 << -1;
    QTest::newRow("Изчисти, a point chosen")
        << true << "Изчисти" << QList<QPoint>{} << clearing << 3 << -1;
    QTest::newRow("Изчисти at start-up")
        << false << "Изчисти at start-up" << QList<QPoint>{} << clearing << -1 << -1;
    QTest::newRow("open") << true << "open" << opened << opening << -1 << -1;
    QTest::newRow("open at start-up")
        << false << "open at start-up" << opened << opening << -1 << -1;
}

// Undo gives the points, the chosen one, report and counts as before the
// step, the canvas redrawn without outlines; redo gives them as after it, by
// either redo key.
// The two commands name the step they would take back or bring back.
void TestExercises::undoAndRedo() {
    QFETCH(bool, drawn);
    QFETCH(QString, step);
    QFETCH(QList<QPoint>, after);
    QFETCH(QString, named);
    QFETCH(int, chosen);
    QFETCH(int, chosen_after);
    QTemporaryDir dir;
    PromptedWindow window;
    const QList<QPoint> entered = step.endsWith("at start-up") ? QList<QPoint>{} : kSquare;
    drawn ? DoSomeWork(window.form, entered) : Enter(window.form, entered);
    if (chosen >= 0) ClickRow(List1(window.form, 0), chosen);
    Seen before(window.form);
    if (step == "entry") ClickCanvas(window.form, 61, 49);
    if (step == "deletion") ClickButton(window.form, 2);
    if (step.startsWith("Изчисти")) ClickButton(window.form, 1);
    if (step.startsWith("open"))
        window.form.OpenFile(Write(dir.filePath("ex.pfig"), "200 200\n41 39\n0 0\n"));
    QCOMPARE(Steps(window.form), std::size_t(entered.size() + 1));
    Seen done(window.form);
    before.canvas = DrawnByHand(entered, chosen);
    done.canvas = DrawnByHand(after, chosen_after);
    QCOMPARE(done.selected, chosen_after);
    QCOMPARE(CommandText(window.form, "undo"), "Отмени " + named);
    QTest::keyClick(&window.form, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Seen(window.form).Differences(before), QString());
    QCOMPARE(CommandText(window.form, "redo"), "Върни " + named);
    // back to the points the report was made for, by whatever step: its
    // lines name their figures again, and the answer sheet has the answers
    const bool answers = drawn && !entered.isEmpty();
    QCOMPARE(window.form.Model().Result() != nullptr, answers);
    QCOMPARE(SheetOf(window.form.Model(), Sheet::kAnswerSheet, {}, {}, {}).report_lines.isEmpty(),
             !answers);
    QTest::keyClick(&window.form, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(Seen(window.form).Differences(done), QString());
    QTest::keyClick(&window.form, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&window.form, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Seen(window.form).Differences(done), QString());
    QCOMPARE(Command1(window.form, 0)->isEnabled(), after.size() >= 3);
}

void TestExercises::undoKeysFromEveryControl_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("typed");  // "7" typed in the pupil's count of squares first
    QTest::addColumn<bool>("undoes_a_step");
    QTest::newRow("canvas") << "Picture1" << true << true;
    QTest::newRow("report box") << "Text1_0" << true << true;
    QTest::newRow("button") << "Command1_1" << true << true;
    QTest::newRow("pupil's count") << "Text2_3" << true << false;  // undoes the typing there
    QTest::newRow("pupil's count, nothing typed") << "Text2_3" << false << true;
    QTest::newRow("program's count") << "Text3_3" << true << true;
}
void TestExercises::undoKeysFromEveryControl() {
    QFETCH(QString, control);
    QFETCH(bool, typed);
    QFETCH(bool, undoes_a_step);
    PromptedWindow window;
    Enter(window.form, kSquare);
    auto* widget = window.form.findChild<QWidget*>(control);
    widget->setFocus();
    if (typed) QTest::keyClicks(Text2(window.form, 3), "7");
    QTest::keyClick(widget, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window.form.PointCount(), undoes_a_step ? 3 : 4);
    QCOMPARE(Text2(window.form, 3)->text(), typed && undoes_a_step ? "7" : "");
    QTest::keyClick(widget, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(window.form.PointCount(), 4);
}

void TestExercises::commandKeysFromEveryControl_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("asked");  // what the command asks or tells
    const QList<std::pair<QKeySequence, QString>> commands{
        {QKeySequence(Qt::CTRL | Qt::Key_E), "отговори.pdf"},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), "работен-лист.pdf"},
        {QKeySequence(Qt::CTRL | Qt::Key_O), "open"},
        {QKeySequence(Qt::Key_F1), "С мишката:"}};
    for (const char* control :
         {"Picture1", "Text1_0", "Command1_0", "List1_0", "Text2_5", "Text3_5"}) {
        for (const auto& [keys, asked] : commands) {
            QTest::newRow(qPrintable(QString("%1 %2").arg(control, keys.toString())))
                << QString(control) << keys << asked;
        }
    }
}

// Every command key of the window works whichever control has the focus,
// the count boxes a pupil has just typed in included.
void TestExercises::commandKeysFromEveryControl() {
    QFETCH(QString, control);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, asked);
    PromptedWindow window;
    DoSomeWork(window.form);
    auto* widget = window.form.findChild<QWidget*>(control);
    widget->setFocus();
    if (control.startsWith("Text2")) QTest::keyClicks(widget, "3");
    QTest::keyClick(widget, keys[0].key(), keys[0].keyboardModifiers());
    if (asked == "open") {
        QCOMPARE(window.offered, QStringList{QString()});
    } else if (asked.endsWith(".pdf")) {
        QCOMPARE(window.offered, QStringList{asked});
    } else {
        QVERIFY(!window.told.isEmpty() && window.told.first().startsWith(asked));
    }
}

// The report box's menu keeps Copy and Select All and offers the window's own
// commands, each tooltip naming its keys.
void TestExercises::reportMenuOffersTheWindowCommands() {
    PromptedWindow window;
    const std::unique_ptr<QMenu> menu = Text1(window.form, 0)->CreateMenu(QPoint(5, 5));
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text().section('\t', 0, 0).remove('&');
    QCOMPARE(texts,
             QStringList({"Копирай", "", "Избери всичко", "", "Отвори…", "Запиши…", "Отмени",
                          "Върни", "Отпечатай лист с отговорите…", "Отпечатай работен лист…",
                          "Запиши лист с отговорите във файл…", "Запиши работен лист във файл…",
                          "Помощ", "Ръководство за учителя…"}));
    QVERIFY(menu->toolTipsVisible());
    const QStringList keys{"Ctrl+O",       "Ctrl+S", "Ctrl+Z",       "Ctrl+Y", "Ctrl+P",
                           "Ctrl+Shift+P", "Ctrl+E", "Ctrl+Shift+E", "F1",     "Shift+F1"};
    for (int i = 0; i < keys.size(); ++i) {
        QAction* command = menu->actions()[4 + i];
        QVERIFY(window.form.actions().contains(command) && command->toolTip().contains(keys[i]));
        QCOMPARE(command->shortcut().toString(), keys[i]);
    }
    menu->actions()[4 + 8]->trigger();  // "Помощ"
    QVERIFY(window.told.value(0).contains("Ctrl+Shift+Z") &&
            window.told.value(0).contains(".pfig"));
}

// Ctrl+E and Ctrl+Shift+E write what the window shows: the answer sheet with
// the report, the worksheet without it; a PNG is the canvas alone, pixel for
// pixel, the worksheet's without the outlines; other names are refused.
void TestExercises::sheetsFromTheWindow_data() {
    QTest::addColumn<bool>("answers");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("report");  // the report lines are on the sheet
    QTest::newRow("answers as PDF") << true << "answers.pdf" << true;
    QTest::newRow("worksheet as PDF") << false << "worksheet.pdf" << false;
    QTest::newRow("answers' canvas") << true << "answers.png" << false;
    QTest::newRow("worksheet's canvas") << false << "worksheet.png" << false;
    QTest::newRow("refused name") << true << "answers.txt" << false;
    // the old report names points that are gone: no answers for the new ones
    QTest::newRow("answers after a deletion") << true << "stale.pdf" << false;
}

void TestExercises::sheetsFromTheWindow() {
    QFETCH(bool, answers);
    QFETCH(QString, name);
    QFETCH(bool, report);
    QTemporaryDir dir;
    PromptedWindow window;
    DoSomeWork(window.form, name == "stale.pdf" ? kSquare + QList<QPoint>{{200, 200}} : kSquare);
    if (name == "stale.pdf") {
        ClickRow(List1(window.form, 3), 4);
        ClickButton(window.form, 2);
    }
    window.file_to_export = dir.filePath(name);
    QTest::keyClick(&window.form, Qt::Key_E,
                    answers ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
    if (name.endsWith(".txt")) {
        QCOMPARE(window.told.size(), 1);
        QVERIFY(!QFile::exists(window.file_to_export));
        return;
    }
    QVERIFY2(window.told.isEmpty(), qPrintable(window.told.join('\n')));
    if (name.endsWith(".png")) {
        MainForm unanalysed;
        Enter(unanalysed, kSquare);
        const QImage expected =
            answers ? Picture1(window.form)->Image() : Picture1(unanalysed)->Image();
        QCOMPARE(QImage(window.file_to_export).convertToFormat(expected.format()), expected);
        return;
    }
#ifdef Q_OS_WIN
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("the PDF is read back with pdftotext (poppler-utils), a Linux program");
#endif
    QProcess text;
    text.start("pdftotext", {"-layout", window.file_to_export, "-"});
    QVERIFY(text.waitForFinished());
    const QString pdf = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY(pdf.contains(QStringLiteral("Квадрат")) && pdf.contains(QStringLiteral("100")));
    QCOMPARE(pdf.contains(QStringLiteral("Квадрат с равни страни: 0,1,2,3")), report);
    QCOMPARE(pdf.contains(QStringLiteral("Брой въведени точки")), report);
}

void TestExercises::commandLine_data() {
    QTest::addColumn<QByteArray>("bytes");  // of FILE
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("out");  // how standard output starts; REPORT: the window's report
    QTest::addColumn<QString>("err");     // what standard error holds
    const QStringList report{"--report", "FILE"};
    QByteArray lattice;
    for (const QPoint& p : Lattice())
        lattice += QByteArray::number(p.x()) + " " + QByteArray::number(p.y()) + "\n";
    QTest::newRow("off the nodes") << kOffNodes << report << 0 << QByteArray("REPORT") << "";
    QTest::newRow("a lattice") << lattice << report << 0 << QByteArray("REPORT") << "";
    QTest::newRow("no figure") << QByteArray("0 0\n20 20\n40 40\n") << report << 0
                               << QByteArray("REPORT") << "";
    QTest::newRow("refused file") << QByteArray("10 10\nx y\n") << report << 2 << QByteArray()
                                  << "Файлът „FILE“ не може да бъде отворен. Ред 2: трябва да "
                                     "съдържа точно две цели числа, X и Y.\n";
    QTest::newRow("--help") << QByteArray() << QStringList{"--help"} << 0
                            << QByteArray("Използване: ") << "";
    QTest::newRow("--version") << QByteArray() << QStringList{"--version"} << 0
                               << QByteArray("plane-figures " PLANE_FIGURES_VERSION
                                             "\n" PLANE_FIGURES_WEBSITE "\n")
                               << "";
    QTest::newRow("two files") << QByteArray() << QStringList{"a", "b"} << 1 << QByteArray()
                               << "plane-figures: В прозореца се отваря най-много един файл.\n";
    QTest::newRow("a picture") << QByteArray("\xFF\xD8\xFF\xE0\0\x10JFIF", 10) << report << 2
                               << QByteArray()
                               << "Файлът „FILE“ не може да бъде отворен. Това не е файл с "
                                  "точки, а картина JPEG.\n";
    const QString not_regular =
        "Файлът „FILE“ не може да бъде отворен. Това не е обикновен файл.\n";
    QTest::newRow("a named pipe") << kNamedPipe << report << 2 << QByteArray() << not_regular;
    QTest::newRow("a device") << kDevice << report << 2 << QByteArray() << not_regular;
    // wrong arguments are told in Bulgarian without a display; Qt's own are right
    QTest::newRow("mistyped option")
        << QByteArray() << QStringList{"--reprot", "FILE"} << 1 << QByteArray()
        << "plane-figures: Непозната опция „--reprot“.\n";
    QTest::newRow("-v") << QByteArray() << QStringList{"-v"} << 1 << QByteArray()
                        << "plane-figures: Непозната опция „-v“.\n";
    QTest::newRow("-x after a file") << QByteArray() << QStringList{"FILE", "-x"} << 1
                                     << QByteArray() << "plane-figures: Непозната опция „-x“.\n";
    QTest::newRow("--report twice")
        << QByteArray("0 0\n") << QStringList{"--report", "FILE", "--report", "FILE"} << 1
        << QByteArray() << "plane-figures: След --report напишете точно един файл.\n";
    // the window without a display: said, not aborted
    const QString no_display =
        "plane-figures: Прозорецът не може да се отвори, защото няма "
        "достъпен екран. Без екран програмата отговаря само на --report, "
        "--class-set, --class-results, --help и --version.\n";
    QTest::newRow("the window") << QByteArray() << QStringList{} << 1 << QByteArray() << no_display;
    QTest::newRow("the window with a file")
        << QByteArray("0 0\n") << QStringList{"FILE"} << 1 << QByteArray() << no_display;
    QTest::newRow("the window on a display no server holds")
        << QByteArray() << QStringList{"-display", ":4242"} << 1 << QByteArray() << no_display;
    QTest::newRow("--report with two files")
        << QByteArray("0 0\n") << QStringList{"--report", "FILE", "FILE"} << 1 << QByteArray()
        << "plane-figures: След --report напишете точно един файл.\n";
    QTest::newRow("Qt's option without its value")
        << QByteArray() << QStringList{"-platform"} << 1 << QByteArray()
        << "plane-figures: Липсва стойност след „-platform“.\n";
    const QStringList qt_options{"-platform",        "offscreen", "-style=fusion", "-reverse",
                                 "-qwindowgeometry", "+40+30",    "-session",      "s1"};
    QTest::newRow("Qt's options") << QByteArray() << qt_options + QStringList{"--version"} << 0
                                  << QByteArray("plane-figures " PLANE_FIGURES_VERSION
                                                "\n" PLANE_FIGURES_WEBSITE "\n")
                                  << "";
}

// The real program, with no display at all.
void TestExercises::commandLine() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, out);
    QFETCH(QString, err);
#ifdef Q_OS_WIN
    if (err.contains("няма достъпен екран")) QSKIP("the Windows program always has a screen");
#endif
    QTemporaryDir dir;
    const QString file = NotRegularFile(bytes, dir.filePath("ex.pfig"));
    if (file.isEmpty()) QSKIP("no named pipes or devices here");
    if (bytes != kNamedPipe && bytes != kDevice) Write(file, bytes);
    arguments.replaceInStrings("FILE", file);
    err.replace("FILE", QDir::toNativeSeparators(file));
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        environment.remove(name);
    program.setProcessEnvironment(environment);
    program.start(PLANE_FIGURES_BINARY, arguments);
    QVERIFY(program.waitForFinished(30000) && program.exitStatus() == QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()), err);
    if (out == "REPORT") {
        PromptedWindow window;
        QVERIFY(window.form.OpenFile(file));
        ClickButton(window.form, 0);
        out = Text1(window.form, 0)->Text().toUtf8();
    }
    const QByteArray written = program.readAllStandardOutput();
    // the help by how it starts, the rest whole
    QCOMPARE(arguments == QStringList{"--help"} ? written.left(out.size()) : written, out);
}

void TestExercises::commandLineOutputRefused_data() {
    QTest::addColumn<QString>("output");  // a full disk, or standard output closed
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("err");
    const QString not_whole = "plane-figures: целият резултат не можа да се изведе: ";
    const QString full =
        not_whole + "стандартният изход не го прие целия (може би дискът е пълен).\n";
    const QString closed = not_whole + "стандартният изход е затворен.\n";
    QTest::newRow("--report to a full disk")
        << "/dev/full" << QStringList{"--report", "FILE"} << full;
    QTest::newRow("--help to a full disk") << "/dev/full" << QStringList{"--help"} << full;
    QTest::newRow("--report, output closed")
        << "closed" << QStringList{"--report", "FILE"} << closed;
    QTest::newRow("--version, output closed") << "closed" << QStringList{"--version"} << closed;
}

// An answer that standard output does not take is a failure, not a success,
// and says so in Bulgarian whatever the system's reason.
void TestExercises::commandLineOutputRefused() {
    QFETCH(QString, output);
    QFETCH(QStringList, arguments);
    QFETCH(QString, err);
    if (output == "/dev/full" && !QFile::exists(output)) QSKIP("no /dev/full here");
#ifndef Q_OS_UNIX
    if (output == "closed") QSKIP("a closed output is told on Unix");
#endif
    QTemporaryDir dir;
    arguments.replaceInStrings("FILE", Write(dir.filePath("ex.pfig"), kOffNodes));
    QProcess program;
    if (output == "closed") {  // the shell closes it, then becomes the program
        program.start("/bin/sh", QStringList{"-c", "exec \"$0\" \"$@\" >&-", PLANE_FIGURES_BINARY} +
                                     arguments);
    } else {
        program.setStandardOutputFile(output);
        program.start(PLANE_FIGURES_BINARY, arguments);
    }
    QVERIFY(program.waitForFinished(30000) && program.exitStatus() == QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 3);
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()), err);
}

void TestExercises::qtTextsInBulgarian_data() {
    QTest::addColumn<QList<TranslationPlace>>("places");
    QTest::addColumn<QStringList>("texts");  // the Cancel button, the file name's label
    const QStringList bulgarian{"Отказ", "Име на &файла:"};
    const TranslationPlace nowhere{QDir::temp().filePath("no-such-folder"), "qt"};
    QTest::newRow("where the program looks") << QtTranslationPlaces() << bulgarian;
    // as the Windows executable carries them (the test is built with them too)
    QTest::newRow("built in") << QList{nowhere, TranslationPlace{":/translations", "qtbase"}}
                              << bulgarian;
    QTest::newRow("nowhere") << QList{nowhere} << QStringList{"Cancel", "File &name:"};
}

// The dialogs that Qt draws itself (message boxes, the file and print
// dialogs) speak Bulgarian too.
void TestExercises::qtTextsInBulgarian() {
    QFETCH(QList<TranslationPlace>, places);
    QFETCH(QStringList, texts);
    QTranslator* translator = InstallQtInBulgarian(*qApp, places);
    QCOMPARE(translator != nullptr, texts.first() == "Отказ");
    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Ok | QMessageBox::Cancel);
    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    const QLabel* name = files.findChild<QLabel*>("fileNameLabel");
    const QStringList shown{box.button(QMessageBox::Cancel)->text(), name ? name->text() : ""};
    if (translator) QCoreApplication::removeTranslator(translator);
    QVERIFY2(shown == texts,
             qPrintable(shown.join(", ") + " (Qt's Bulgarian translation: make test installs it)"));
}

PLANE_FIGURES_TEST_MAIN(TestExercises)
#include "tst_exercises.moc"
