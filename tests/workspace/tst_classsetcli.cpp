// The class set on the command line, run as the real program: what it
// writes, its statuses, and that a refused or failed run leaves nothing.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "classsetfiles.h"
#include "figureanalysis.h"
#include "pointfile.h"

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run Program(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(PLANE_FIGURES_BINARY), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ClassSetCliTest : public QObject {
    Q_OBJECT

private slots:
    void WritesTheSetAndTheSameAgain() {
        QTemporaryDir scratch;
        const QStringList args{QStringLiteral("--variants"), QStringLiteral("30"),
                               QStringLiteral("--points"),   QStringLiteral("12"),
                               QStringLiteral("--code"),     QStringLiteral("20261209")};
        const QString a = scratch.filePath(QStringLiteral("a"));
        const QString b = scratch.filePath(QStringLiteral("b"));
        const Run first = Program(QStringList{QStringLiteral("--class-set"), a} + args);
        QCOMPARE(first.status, 0);
        QCOMPARE(first.out.count(QLatin1Char('\n')), 1);
        QVERIFY(first.out.contains(QStringLiteral("30 варианта")));
        QCOMPARE(Program(QStringList{QStringLiteral("--class-set"), b} + args).status, 0);
        const QStringList names = QDir(a).entryList(QDir::Files, QDir::Name);
        QCOMPARE(names.size(), 31);  // no scratch folder or file left
        QCOMPARE(QDir(a).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
                 31);
        // each variant's counts in the CSV are the analysis of its file
        const QList<QByteArray> rows =
            Bytes(QDir(a).filePath(QStringLiteral("отговори.csv"))).split('\n');
        for (int v = 1; v <= 30; ++v) {
            const QString name =
                QString::fromStdString(plane_figures::classset::VariantFileName(v));
            const QByteArray bytes = Bytes(QDir(a).filePath(name));
            QCOMPARE(bytes, Bytes(QDir(b).filePath(name)));
            const auto parsed = plane_figures::pointfile::Parse(bytes.toStdString());
            const auto& points = std::get<std::vector<plane_figures::GridPoint>>(parsed);
            const auto result = plane_figures::FigureAnalysis().Run(points);
            QByteArray row = QByteArray::number(v);
            for (int k = 0; k < 7; ++k) row += ';' + QByteArray::number(result.counts[k]);
            QCOMPARE(rows.value(v), row + '\r');
        }
        QCOMPARE(Bytes(QDir(a).filePath(QStringLiteral("отговори.csv"))),
                 Bytes(QDir(b).filePath(QStringLiteral("отговори.csv"))));
    }

    void RefusesAndWritesNothing_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::newRow("points") << QStringList{"--points", "3"} << 1 << "от 4 до 15";
        QTest::newRow("variants") << QStringList{"--variants", "41"} << 1 << "от 1 до 40";
        QTest::newRow("not_a_number") << QStringList{"--variants", "2x"} << 1 << "от 1 до 40";
        QTest::newRow("code") << QStringList{"--code", "-5"} << 1 << "Кодът";
        QTest::newRow("kinds") << QStringList{"--kinds", "1,9"} << 1 << "от 1 до 7";
        QTest::newRow("too_few_points") << QStringList{"--points", "6"} << 1 << "„Ромб“";
        QTest::newRow("unknown") << QStringList{"--colour"} << 1 << "--colour";
    }
    void RefusesAndWritesNothing() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, says);
        QTemporaryDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("class"));
        const Run run = Program(QStringList{QStringLiteral("--class-set"), folder} + args);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(says), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QVERIFY(!QFileInfo::exists(folder));
    }

    void AFolderThatCannotBeWrittenIsStatusTwo() {
        QTemporaryDir scratch;
        const QString file = scratch.filePath(QStringLiteral("a-file"));
        QFile(file).open(QIODevice::WriteOnly);
        const Run run = Program({QStringLiteral("--class-set"), file + QStringLiteral("/class"),
                                 QStringLiteral("--variants"), QStringLiteral("3")});
        QCOMPARE(run.status, 2);
        QVERIFY(run.err.contains(QStringLiteral("не е записан")));
        QCOMPARE(QDir(scratch.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);
    }
};

QTEST_GUILESS_MAIN(ClassSetCliTest)
#include "tst_classsetcli.moc"
