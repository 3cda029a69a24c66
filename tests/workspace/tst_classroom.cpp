// A class of 26 in one shared folder, end to end: the teacher's set made by
// the real program, pupils doing their tasks in the pupil's window and
// saving them beside the variants, then the class's table. Every variant's
// file must stay byte for byte as the set wrote it.
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "classresults.h"
#include "classresultsfolder.h"
#include "formtest.h"
#include "taskcommands.h"

using namespace formtest;
using plane_figures::classresults::PupilRow;

namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool MakeSet(const QString& folder, const QString& code) {
    QProcess program;
    program.start(QStringLiteral(PLANE_FIGURES_BINARY),
                  {"--class-set", folder, "--variants", "26", "--points", "12", "--code", code});
    return program.waitForFinished(60000) && program.exitCode() == 0;
}

// each variant's file and its bytes' hash
QMap<QString, QByteArray> Variants(const QString& folder) {
    QMap<QString, QByteArray> hashes;
    for (const QString& name : QDir(folder).entryList({"вариант-??.pfig"}, QDir::Files))
        hashes[name] = QCryptographicHash::hash(Bytes(QDir(folder).filePath(name)),
                                                QCryptographicHash::Sha256);
    return hashes;
}

// A pupil at his desk: he opens his variant, types counts, may see the
// answers, and saves his work where the file dialog is told.
struct Pupil : PromptedWindow {
    explicit Pupil(const QString& name) {
        Prompts prompts;
        prompts.tell = [this](QMessageBox::Icon, const QString& text) { told << text; };
        prompts.file_to_save = [this](const QString&) { return file_to_save; };
        prompts.save_before_closing = [](const QString&) { return QMessageBox::Discard; };
        prompts.line = [name](const QString&) { return name; };
        prompts.confirm = [](const QString&) { return true; };
        form.SetPrompts(prompts);
    }
    void Counts(const QStringList& counts) {
        for (std::size_t k = 0; k < 7; ++k) Text2(form, k)->setText(counts.value(int(k)));
        QTest::keyClick(&form, Qt::Key_F5);
    }
    bool Save(const QString& path) {
        file_to_save = path;
        QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
        return QFile::exists(path);
    }
};

}  // namespace

class TestClassroom : public QObject {
    Q_OBJECT

private slots:
    void classOfTwentySix() {
        QTemporaryDir dir;
        const QString shared = dir.filePath("6а");
        const QString other = dir.filePath("6б");
        QVERIFY(MakeSet(shared, "20261210") && MakeSet(other, "555"));
        const auto made = Variants(shared);
        QCOMPARE(made.size(), 26);
        // Ани saw the answers, then wrote them down
        Pupil ani(QStringLiteral("Ани Колева, 6 а"));
        QVERIFY(ani.form.OpenFile(QDir(shared).filePath("вариант-03.pfig")));
        ani.form.Task().ShowAnswers();
        QStringList answers;
        for (std::size_t k = 0; k < 7; ++k) answers << Text3(ani.form, k)->text();
        ani.Counts(answers);
        QVERIFY(ani.Save(QDir(shared).filePath("ани.pfig")));
        // Боян took a variant of another class's set
        Pupil boyan(QStringLiteral("Боян Илиев, 6 а"));
        QVERIFY(boyan.form.OpenFile(QDir(other).filePath("вариант-01.pfig")));
        boyan.Counts({"1"});
        QVERIFY(boyan.Save(QDir(shared).filePath("боян.pfig")));
        // Вера saved her task, then moved a point in the file by hand
        Pupil vera(QStringLiteral("Вера Петрова, 6 а"));
        QVERIFY(vera.form.OpenFile(QDir(shared).filePath("вариант-05.pfig")));
        vera.Counts({"2", "2"});
        const QString vera_file = QDir(shared).filePath("вера.pfig");
        QVERIFY(vera.Save(vera_file));
        QByteArray text = Bytes(vera_file);
        const qsizetype last = text.lastIndexOf('\n', text.size() - 2);
        text = text.left(last + 1) + "240 200\n";
        QFile edited(vera_file);
        QVERIFY(edited.open(QIODevice::WriteOnly) && edited.write(text) == text.size());
        edited.close();
        // Георги saved his variant as it came, nothing written
        Pupil georgi(QStringLiteral("Георги Димов, 6 а"));
        QVERIFY(georgi.form.OpenFile(QDir(shared).filePath("вариант-07.pfig")));
        QVERIFY(georgi.Save(QDir(shared).filePath("георги.pfig")));
        // the teacher's variants are as the set made them
        QCOMPARE(Variants(shared), made);
        // the class's table, row by row
        const auto folder = plane_figures::workspace::classresultsfolder::Read(shared);
        QVERIFY(std::holds_alternative<plane_figures::classresults::Folder>(folder));
        const auto results = plane_figures::classresults::Judge(
            std::get<plane_figures::classresults::Folder>(folder));
        QMap<QString, PupilRow> pupils;
        for (const PupilRow& row : results.rows)
            if (!row.pupil.empty()) pupils[QString::fromStdString(row.pupil)] = row;
        QCOMPARE(pupils.size(), 4);
        const PupilRow& a = pupils["Ани Колева, 6 а"];
        QVERIFY(a.variant == 3 && a.SawAnswers() && a.counted);
        QCOMPARE(a.right, (std::array<bool, 7>{true, true, true, true, true, true, true}));
        const PupilRow& b = pupils["Боян Илиев, 6 а"];
        QVERIFY(!b.counted && QString::fromStdString(b.note).contains("друг комплект"));
        const PupilRow& v = pupils["Вера Петрова, 6 а"];
        QVERIFY(v.variant == 5 && v.changed && v.counted);
        QCOMPARE(v.right, (std::array<bool, 7>{}));
        const PupilRow& g = pupils["Георги Димов, 6 а"];
        QVERIFY(g.variant == 7 && !g.changed && g.counted && g.checks == 0);
        // the teacher's variants are rows of nobody's answer, in no share;
        // Ани's right answers count in none either, as wrong
        QCOMPARE(results.rows.size(), std::size_t{30});
        QCOMPARE(results.counted, 3);
        for (const auto& share : results.shares) QVERIFY(!share || *share < 100);
    }
};

QTEST_MAIN(TestClassroom)
#include "tst_classroom.moc"
