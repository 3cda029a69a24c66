// The class set on the command line, run as the real program: what it
// writes, its statuses, and that a refused or failed run leaves nothing.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
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

// what a poppler tool writes to standard output
QString Poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// each page's text of pdf, read back
QStringList PageTexts(const QString& pdf) {
    return Poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})
        .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
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
        QCOMPARE(names.size(), 33);  // no scratch folder or file left
        QCOMPARE(QDir(a).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
                 33);
        QVERIFY(first.out.contains(QStringLiteral("работни-листове.pdf, отговори.pdf")));
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
            QCOMPARE(rows.value(v), row + ";\r");  // and no variant of the same answer
        }
        QCOMPARE(Bytes(QDir(a).filePath(QStringLiteral("отговори.csv"))),
                 Bytes(QDir(b).filePath(QStringLiteral("отговори.csv"))));
    }

    // The worksheets, a variant a page (or more), each headed with its
    // variant, code and heading line; the key's table and every variant's
    // report; drawn points or, for plotting, only their table.
    void WritesTheSheets_data() {
        QTest::addColumn<bool>("plotting");
        QTest::newRow("drawn") << false;
        QTest::newRow("plotting") << true;
    }
    void WritesTheSheets() {
        QFETCH(bool, plotting);
        for (const char* tool : {"pdftotext", "pdfinfo"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QFAIL("poppler-utils are missing");
        }
        QTemporaryDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("6a"));
        QStringList args{QStringLiteral("--class-set"), folder,
                         QStringLiteral("--variants"),  QStringLiteral("12"),
                         QStringLiteral("--code"),      QStringLiteral("48213"),
                         QStringLiteral("--heading"),   QStringLiteral("6 а клас, 12.12.2026")};
        if (plotting) args << QStringLiteral("--plotting");
        QCOMPARE(Program(args).status, 0);
        const QStringList sheets =
            PageTexts(QDir(folder).filePath(QStringLiteral("работни-листове.pdf")));
        QCOMPARE(sheets.size(), 12);
        for (int v = 1; v <= 12; ++v) {
            const QString& page = sheets[v - 1];
            QVERIFY2(page.contains(QStringLiteral("Вариант %1 от 12, код 48213").arg(v)),
                     qPrintable(page));
            QVERIFY(page.contains(QStringLiteral("6 а клас, 12.12.2026")));
            QCOMPARE(page.contains(QStringLiteral("Нанесете точките")), plotting);
            // the point table holds every point of the variant's file
            const auto parsed = plane_figures::pointfile::Parse(
                Bytes(QDir(folder).filePath(
                          QString::fromStdString(plane_figures::classset::VariantFileName(v))))
                    .toStdString());
            const auto& points = std::get<std::vector<plane_figures::GridPoint>>(parsed);
            QVERIFY(page.contains(QString::number(points.back().x)));
        }
        const QString key =
            PageTexts(QDir(folder).filePath(QStringLiteral("отговори.pdf"))).join(QChar(' '));
        QVERIFY(key.contains(QStringLiteral("12 варианта по 10 точки, код 48213")));
        for (int v = 1; v <= 12; ++v)
            QVERIFY(key.contains(QStringLiteral("Вариант %1. Брой въведени точки: 10").arg(v)));
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

    // A folder with a class set is refused without --replace and left as it
    // was; with it, the new set leaves none of the old set's files (a
    // smaller one over a larger), and the teacher's other files stay.
    void ReplacesASetOnlyWhenAsked() {
        QTemporaryDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("6a"));
        const auto make = [&](const QString& variants, bool replace) {
            QStringList args{QStringLiteral("--class-set"), folder,
                             QStringLiteral("--variants"),  variants,
                             QStringLiteral("--points"),    QStringLiteral("8"),
                             QStringLiteral("--code"),      QStringLiteral("48213")};
            if (replace) args << QStringLiteral("--replace");
            return Program(args);
        };
        QCOMPARE(make(QStringLiteral("12"), false).status, 0);
        QFile notes(QDir(folder).filePath(QStringLiteral("бележки.txt")));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("6 а клас\n");
        notes.close();
        const QStringList before = QDir(folder).entryList(QDir::Files, QDir::Name);
        QCOMPARE(before.size(), 16);
        const QByteArray key = Bytes(QDir(folder).filePath(QStringLiteral("отговори.csv")));

        const Run refused = make(QStringLiteral("5"), false);
        QCOMPARE(refused.status, 4);
        QVERIFY2(refused.err.contains(QStringLiteral("вече има класен комплект")) &&
                     refused.err.contains(QStringLiteral("--replace")),
                 qPrintable(refused.err));
        QVERIFY(refused.out.isEmpty());
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                        QDir::Name),
                 before);
        QCOMPARE(Bytes(QDir(folder).filePath(QStringLiteral("отговори.csv"))), key);

        const Run replaced = make(QStringLiteral("5"), true);
        QCOMPARE(replaced.status, 0);
        QStringList after{QStringLiteral("бележки.txt"), QStringLiteral("отговори.csv"),
                          QStringLiteral("отговори.pdf"), QStringLiteral("работни-листове.pdf")};
        for (int v = 1; v <= 5; ++v)
            after << QString::fromStdString(plane_figures::classset::VariantFileName(v));
        after.sort();
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                        QDir::Name),
                 after);
        QVERIFY(Bytes(QDir(folder).filePath(QStringLiteral("отговори.csv"))) != key);
        QCOMPARE(Bytes(QDir(folder).filePath(QStringLiteral("бележки.txt"))),
                 QByteArray("6 а клас\n"));
        // a folder with only one file a set writes is a set's folder too
        const QString other = scratch.filePath(QStringLiteral("6b"));
        QVERIFY(QDir().mkpath(other));
        QFile(QDir(other).filePath(QStringLiteral("вариант-03.pfig"))).open(QIODevice::WriteOnly);
        QCOMPARE(Program({QStringLiteral("--class-set"), other, QStringLiteral("--variants"),
                          QStringLiteral("2")})
                     .status,
                 4);
        QCOMPARE(QDir(other).entryList(QDir::Files).size(), 1);
    }

    // Settings that give fewer different answers than variants: the number
    // is said before the line of what was written, and is the number of
    // different answers in the key, which marks the others.
    void SaysHowManyDifferentAnswers() {
        QTemporaryDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("few"));
        const Run run =
            Program({QStringLiteral("--class-set"), folder, QStringLiteral("--variants"),
                     QStringLiteral("40"), QStringLiteral("--points"), QStringLiteral("5"),
                     QStringLiteral("--kinds"), QStringLiteral("1"), QStringLiteral("--code"),
                     QStringLiteral("7")});
        QCOMPARE(run.status, 0);
        const QRegularExpression said(
            QStringLiteral("само (\\d+) различни отговора за 40 варианта"));
        const QRegularExpressionMatch match = said.match(run.out);
        QVERIFY2(match.hasMatch(), qPrintable(run.out));
        QCOMPARE(run.out.count(QLatin1Char('\n')), 2);
        const QList<QByteArray> rows =
            Bytes(QDir(folder).filePath(QStringLiteral("отговори.csv"))).split('\n').mid(1, 40);
        QSet<QByteArray> answers;
        int marked = 0;
        for (const QByteArray& row : rows) {
            const QList<QByteArray> fields = row.trimmed().split(';');
            QCOMPARE(fields.size(), 9);
            answers.insert(fields.mid(1, 7).join(';'));
            if (!fields.last().isEmpty()) ++marked;
        }
        QCOMPARE(answers.size(), match.captured(1).toInt());
        QCOMPARE(marked, 40 - answers.size());
        QVERIFY(PageTexts(QDir(folder).filePath(QStringLiteral("отговори.pdf")))
                    .join(QChar(' '))
                    .contains(QStringLiteral("има същия отговор като вариант")));
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
