// Exercise files in the window: opening (by key, by dropping, refused files),
// saving, the report box's menu, the help, and the command line's answers.
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>

#include "formtest.h"

using namespace formtest;

class TestExercises : public QObject {
    Q_OBJECT

  private slots:
    void refusedFileChangesNothing_data();
    void refusedFileChangesNothing();
    void openIsClearThenAClickPerPoint();
    void savedFileOpensToTheSamePoints();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void keysAskForTheFileName();
    void droppedLocalFileOpens();
    void reportMenuOffersTheWindowCommands();
    void helpNamesTheKeys();
    void commandLineReportIsTheWindowReport_data();
    void commandLineReportIsTheWindowReport();
    void commandLineAnswers_data();
    void commandLineAnswers();
};

namespace {

// points off the grid nodes, the corners of the canvas among them
const QByteArray kOffNodes = "# test\n9 31\n262 228\n10 29\n0,0\n 130 ,\t75\n";
const QList<QPoint> kOffNodePoints{{9, 31}, {262, 228}, {10, 29}, {0, 0}, {130, 75}};

QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write");
    return file.fileName();
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// some work the pupil has done: points, "Чертай" and a count of his own
void DoSomeWork(MainForm& form) {
    Enter(form, {{20, 20}, {100, 20}, {100, 100}, {20, 100}});
    ClickButton(form, 0);
    Text2(form, 5)->setText(QStringLiteral("1"));
}

// the whole text of the actions of a menu, without accelerators and shortcuts
QStringList Texts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator()) texts << action->text().section('\t', 0, 0).remove('&');
    }
    return texts;
}

struct Run {
    int status;
    QByteArray out, err;
};

// the real program with these arguments and no display at all
Run RunProgram(const QStringList& arguments) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(PLANE_FIGURES_BINARY), arguments);
    if (!program.waitForFinished(30000)) qFatal("the program did not finish");
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            program.readAllStandardOutput(), program.readAllStandardError()};
}

}  // namespace

void TestExercises::refusedFileChangesNothing_data() {
    QTest::addColumn<QString>("kind");  // "bytes", "missing", "folder" or "unreadable"
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not two numbers")
        << "bytes" << QByteArray("10 10\n20 20\n30\n") << "ред 3: очакват се две цели числа X и Y";
    QTest::newRow("off the canvas")
        << "bytes" << QByteArray("# a\n263 0\n") << "ред 2: точката (263, 0) е извън платното";
    QTest::newRow("over 1 MiB") << "bytes" << QByteArray(1024 * 1024 + 1, '#')
                                << "файлът е твърде голям";
    QTest::newRow("missing") << "missing" << QByteArray() << "няма такъв файл";
    QTest::newRow("folder") << "folder" << QByteArray() << "това е папка";
    QTest::newRow("unreadable") << "unreadable" << QByteArray("10 10\n")
                                << "не може да бъде прочетен";
}

void TestExercises::refusedFileChangesNothing() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QString path = kind == "missing" ? dir.filePath("none.pfig") : Write(dir, "ex.pfig", bytes);
    if (kind == "folder") path = dir.path();
    if (kind == "unreadable") {
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        if (QFile(path).open(QIODevice::ReadOnly)) QSKIP("file permissions do not hold (root)");
    }
    PromptedWindow window;
    DoSomeWork(window.form);
    const Seen before(window.form);
    QVERIFY(!window.form.OpenFile(path));
    QCOMPARE(window.prompts.told.size(), 1);
    const QString message = window.prompts.told.first();
    QVERIFY2(message.contains(QDir::toNativeSeparators(path)) && message.contains(reason),
             qPrintable(message));
    QCOMPARE(Seen(window.form).Differences(before), QString());
    // nothing to undo but the points entered
    QTest::keyClick(&window.form, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window.form.PointCount(), 3);
}

// Opening gives what "Изчисти" and a click on each point give by hand.
void TestExercises::openIsClearThenAClickPerPoint() {
    QTemporaryDir dir;
    const QString path = Write(dir, "ex.pfig", kOffNodes);
    PromptedWindow opened, by_hand;
    for (MainForm* form : {&opened.form, &by_hand.form}) DoSomeWork(*form);
    QVERIFY(opened.form.OpenFile(path));
    ClickButton(by_hand.form, 1);
    Enter(by_hand.form, kOffNodePoints);
    QCOMPARE(Seen(opened.form).Differences(Seen(by_hand.form)), QString());
    QCOMPARE(Seen(opened.form).x, QStringList({"0", "260", "20", "0", "140"}));
    QCOMPARE(Seen(opened.form).report, QString());
    ClickButton(opened.form, 0);
    ClickButton(by_hand.form, 0);
    QCOMPARE(Seen(opened.form).Differences(Seen(by_hand.form)), QString());
    QVERIFY(opened.prompts.told.isEmpty());
}

void TestExercises::savedFileOpensToTheSamePoints() {
    QTemporaryDir dir;
    const QString path = Write(dir, "old.pfig", "40 40\n");  // overwritten
    PromptedWindow saver, opener;
    DoSomeWork(saver.form);
    ClickCanvas(saver.form, 20, 20);  // coinciding points stay two
    QVERIFY(saver.form.SaveFile(path));
    QVERIFY(opener.form.OpenFile(path));
    QCOMPARE(Entries(List1(opener.form, 0)), Entries(List1(saver.form, 0)));
    QCOMPARE(Entries(List1(opener.form, 1)), Entries(List1(saver.form, 1)));
    QCOMPARE(opener.form.PointCount(), 5);
    QVERIFY(saver.prompts.told.isEmpty() && opener.prompts.told.isEmpty());
    QVERIFY(QDir(dir.path()).entryList(QDir::Files) ==
            QStringList{"old.pfig"});  // no temporary left
}

void TestExercises::failedSaveKeepsTheOldFile_data() {
    QTest::addColumn<QString>("target");  // relative to a temporary folder
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder") << "sub"
                              << "това е папка";
    QTest::newRow("in a missing folder") << "missing/ex.pfig"
                                         << "папката му не съществува";
    QTest::newRow("in a read-only folder") << "locked/ex.pfig"
                                           << "няма право на запис";
}

void TestExercises::failedSaveKeepsTheOldFile() {
    QFETCH(QString, target);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("sub") && QDir(dir.path()).mkpath("locked"));
    const QString old = Write(dir, target == "locked/ex.pfig" ? target : "sub/ex.pfig", "40 40\n");
    QFile::setPermissions(dir.filePath("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (target.startsWith("locked") &&
        QFile(dir.filePath("locked/probe")).open(QIODevice::WriteOnly)) {
        QSKIP("folder permissions do not hold (root)");
    }
    PromptedWindow window;
    DoSomeWork(window.form);
    QVERIFY(!window.form.SaveFile(dir.filePath(target)));
    QCOMPARE(window.prompts.told.size(), 1);
    QVERIFY2(window.prompts.told.first().contains(reason), qPrintable(window.prompts.told.first()));
    QCOMPARE(Read(old), QByteArray("40 40\n"));
    QFile::setPermissions(dir.filePath("locked"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Ctrl+S offers the last name and adds ".pfig"; Ctrl+O opens what is chosen;
// with no points Ctrl+S asks for no name.
void TestExercises::keysAskForTheFileName() {
    QTemporaryDir dir;
    PromptedWindow window;
    QTest::keyClick(&window.form, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(window.prompts.suggested, QStringList());
    QCOMPARE(window.prompts.told.size(), 1);
    DoSomeWork(window.form);
    window.prompts.file_to_save = dir.filePath("square");
    QTest::keyClick(&window.form, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QFile::exists(dir.filePath("square.pfig")));
    ClickButton(window.form, 1);
    window.prompts.file_to_open = dir.filePath("square.pfig");
    QTest::keyClick(&window.form, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(window.form.PointCount(), 4);
    QCOMPARE(window.prompts.suggested, QStringList({QString(), dir.filePath("square.pfig")}));
}

void TestExercises::droppedLocalFileOpens() {
    QTemporaryDir dir;
    const QString path = Write(dir, "ex.pfig", kOffNodes);
    PromptedWindow window;
    QMimeData web, local;
    web.setUrls({QUrl("https://example.org/ex.pfig")});
    local.setUrls({QUrl("https://example.org/ex.pfig"), QUrl::fromLocalFile(path)});
    const QPoint centre = window.form.rect().center();
    QDragEnterEvent web_enter(centre, Qt::CopyAction, &web, Qt::LeftButton, {});
    QApplication::sendEvent(&window.form, &web_enter);
    QVERIFY(!web_enter.isAccepted());
    QDragEnterEvent enter(centre, Qt::CopyAction, &local, Qt::LeftButton, {});
    QApplication::sendEvent(&window.form, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(centre, Qt::CopyAction, &local, Qt::LeftButton, {});
    QApplication::sendEvent(&window.form, &drop);
    QTRY_COMPARE(window.form.PointCount(), 5);
}

// The report box's menu keeps Copy and Select All and offers the window's own
// commands, so their keys are the same there; each tooltip names the keys.
void TestExercises::reportMenuOffersTheWindowCommands() {
    PromptedWindow window;
    const std::unique_ptr<QMenu> menu = Text1(window.form, 0)->CreateMenu(QPoint(5, 5));
    QCOMPARE(Texts(*menu), QStringList({"Копирай", "Избери всичко", "Отвори…", "Запиши…", "Отмени",
                                        "Върни", "Помощ"}));
    QVERIFY(menu->toolTipsVisible());
    const QList<QAction*> commands = menu->actions().mid(menu->actions().size() - 5);
    const QStringList keys{"Ctrl+O", "Ctrl+S", "Ctrl+Z", "Ctrl+Y", "F1"};
    for (int i = 0; i < commands.size(); ++i) {
        QVERIFY(window.form.actions().contains(commands[i]));
        QVERIFY2(commands[i]->toolTip().contains(keys[i]), qPrintable(commands[i]->toolTip()));
        QCOMPARE(commands[i]->shortcut().toString(), keys[i]);
    }
    commands[0]->trigger();
    QCOMPARE(window.prompts.suggested.size(), 1);  // "Отвори…" asked for a file
}

void TestExercises::helpNamesTheKeys() {
    PromptedWindow window;
    QTest::keyClick(&window.form, Qt::Key_F1);
    QCOMPARE(window.prompts.told.size(), 1);
    for (const char* key :
         {"Ctrl+O", "Ctrl+S", "Ctrl+Z", "Ctrl+Y", "Ctrl+Shift+Z", "F1", "стрелките", "Интервал",
          "Enter", "Delete", "Page Up", "Esc", ".pfig"}) {
        QVERIFY2(window.prompts.told.first().contains(QString::fromUtf8(key)), key);
    }
}

void TestExercises::commandLineReportIsTheWindowReport_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("off the nodes") << kOffNodes;
    QTest::newRow("a square and its centre, CR LF")
        << QByteArray("40 40\r\n120 40\r\n120,120\r\n40,120\r\n81 79\r\n");
    QByteArray lattice;  // 15 points, the most figures
    for (int i = 0; i < 15; ++i)
        lattice += QByteArray::number(20 * (i % 5)) + ' ' + QByteArray::number(20 * (i / 5)) + '\n';
    QTest::newRow("a 5 x 3 lattice") << lattice;
    QTest::newRow("no figure") << QByteArray("0 0\n20 20\n40 40\n");
}

void TestExercises::commandLineReportIsTheWindowReport() {
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = Write(dir, "ex.pfig", bytes);
    PromptedWindow window;
    QVERIFY(window.form.OpenFile(path));
    ClickButton(window.form, 0);
    const Run run = RunProgram({"--report", path});
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, Text1(window.form, 0)->Text().toUtf8());
    QVERIFY(run.out.endsWith("\r\n") && !run.out.contains("\r\r"));
}

void TestExercises::commandLineAnswers_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("out");  // what standard output starts with
    QTest::addColumn<QString>("err");     // what standard error holds
    QTest::newRow("refused file")
        << QStringList{"--report", "BAD"} << 2 << QByteArray()
        << "Файлът „BAD“ не може да бъде отворен: ред 2: очакват се две цели числа X и Y.\n";
    QTest::newRow("missing file") << QStringList{"--report", "none.pfig"} << 2 << QByteArray()
                                  << "none.pfig“ не може да бъде отворен: няма такъв файл.\n";
    QTest::newRow("--help") << QStringList{"--help"} << 0 << QByteArray("Usage: ") << QString();
    QTest::newRow("--version") << QStringList{"--version"} << 0
                               << QByteArray("plane-figures " PLANE_FIGURES_VERSION "\n")
                               << QString();
    QTest::newRow("two files") << QStringList{"a.pfig", "b.pfig"} << 1 << QByteArray()
                               << "plane-figures: очаква се най-много един файл\n";
    QTest::newRow("--report and a file")
        << QStringList{"--report", "a.pfig", "b.pfig"} << 1 << QByteArray() << "--report";
}

void TestExercises::commandLineAnswers() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, out);
    QFETCH(QString, err);
    QTemporaryDir dir;
    const QString bad = Write(dir, "bad.pfig", "10 10\nx y\n");
    arguments.replaceInStrings("BAD", bad);
    err.replace("BAD", QDir::toNativeSeparators(bad));
    const Run run = RunProgram(arguments);
    QCOMPARE(run.status, status);
    QVERIFY2(out.isEmpty() ? run.out.isEmpty() : run.out.startsWith(out), run.out.constData());
    QVERIFY2(err.isEmpty() ? run.err.isEmpty() : QString::fromUtf8(run.err).contains(err),
             run.err.constData());
}

PLANE_FIGURES_TEST_MAIN(TestExercises)
#include "tst_exercises.moc"
