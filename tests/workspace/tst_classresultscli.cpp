// The class's results on the command line, run as the real program: a class
// set written by --class-set, the pupils' saved tasks beside it, and the
// table on standard output against the analysis of each variant.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "classsetfiles.h"
#include "figureanalysis.h"
#include "handedin.h"
#include "pointfile.h"

using namespace plane_figures;

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QString err;
};

Run Program(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(PLANE_FIGURES_BINARY), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const std::string& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::vector<GridPoint> PointsOf(const QString& folder, int variant) {
    const QString name = QString::fromStdString(classset::VariantFileName(variant));
    const auto parsed = pointfile::Parse(Bytes(QDir(folder).filePath(name)).toStdString());
    return std::get<std::vector<GridPoint>>(parsed);
}

const QByteArray kHeader =
    "\xEF\xBB\xBF"
    "Ученик;Вариант;Равнобедрен триъгълник;Правоъгълен триъгълник;"
    "Равнобедрен правоъгълен триъгълник;Успоредник;Правоъгълник;Квадрат;Ромб;"
    "Проверки;Подсказки;Показани отговори;Бележка\r\n";

}  // namespace

class ClassResultsCliTest : public QObject {
    Q_OBJECT

private slots:
    // Each pupil answers his variant: the first all right, the others one
    // kind more than the analysis finds; the table says so, row by row.
    void JudgesEachPupilByTheAnalysisOfHisVariant() {
        QTemporaryDir scratch;
        const QString set = scratch.filePath(QStringLiteral("set"));
        const QString pupils = scratch.filePath(QStringLiteral("pupils"));
        QCOMPARE(Program({QStringLiteral("--class-set"), set, QStringLiteral("--variants"),
                          QStringLiteral("4"), QStringLiteral("--points"), QStringLiteral("8"),
                          QStringLiteral("--code"), QStringLiteral("5150")})
                     .status,
                 0);
        QVERIFY(QDir().mkpath(pupils));
        const QString first =
            QString::fromStdString(classset::VariantLine({4, 8, classset::kAllKinds, 5150}, 1));
        QVERIFY(Bytes(QDir(set).filePath(QStringLiteral("вариант-01.pfig")))
                    .startsWith(first.toUtf8()));
        QByteArray expected = kHeader;
        for (int v = 1; v <= 4; ++v) {
            const std::vector<GridPoint> points = PointsOf(set, v);
            const AnalysisResult result = FigureAnalysis().Run(points);
            task::Answer answer;
            for (int k = 0; k < 7; ++k) answer[k] = result.counts[k] + (v > 1 && k == v ? 1 : 0);
            const std::string name = "Ученик " + std::to_string(v);
            Write(QDir(pupils).filePath(QStringLiteral("pupil-%1.pfig").arg(v)),
                  task::FileText({{v, {4, 8, classset::kAllKinds, 5150}},
                                  task::PupilLines{name, answer, v, 0, false}},
                                 points));
            QByteArray row = QByteArray::fromStdString(name) + ';' + QByteArray::number(v);
            for (int k = 0; k < 7; ++k) row += v > 1 && k == v ? ";0" : ";1";
            expected += row + ';' + QByteArray::number(v) + ";0;не;\r\n";
        }
        // what the set wrote beside the variants is no saved task: not read,
        // and named after the shares
        Write(QDir(pupils).filePath(QStringLiteral("отговори.csv")), "x");
        QVERIFY(QDir(pupils).mkdir(QStringLiteral("folder.pfig")));
        // kinds 2, 3, 4 each wrong in one file of four: 75%
        expected +=
            "Общо;;100%;100%;75%;75%;75%;100%;100%;;;;\r\n"
            "folder.pfig/;;;;;;;;;;;;не е прочетена: папка\r\n"
            "отговори.csv;;;;;;;;;;;;не е прочетен: не е .pfig\r\n";
        const Run run = Program({QStringLiteral("--class-results"), pupils});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, expected);

        // the set's own folder: every variant without a pupil's lines, the
        // CSV and PDFs beside them not read
        const Run own = Program({QStringLiteral("--class-results"), set});
        QCOMPARE(own.status, 0);
        const QList<QByteArray> lines = own.out.split('\n');
        // header, 4 variants, total, the CSV and two PDFs, and after the last line end
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines[1], QByteArray("вариант-01.pfig;1;0;0;0;0;0;0;0;;;;без име и отговор на "
                                      "ученика\r"));
        // nobody's answer: no share
        QCOMPARE(lines[5], QByteArray("Общо;;;;;;;;;;;;\r"));
        QCOMPARE(lines[8],
                 QByteArray("работни-листове.pdf;;;;;;;;;;;;не е прочетен: не е .pfig\r"));
    }

    // The files in the order of their names' bytes, whatever the language.
    void ReadsTheFilesInTheOrderOfTheirNames() {
        QTemporaryDir scratch;
        const QStringList names{QStringLiteral("б.pfig"), QStringLiteral("b2.pfig"),
                                QStringLiteral("Б.pfig"), QStringLiteral("b10.pfig"),
                                QStringLiteral("B.pfig"), QStringLiteral("a.pfig")};
        for (const QString& name : names) Write(scratch.filePath(name), "0 0\n");
        const Run run = Program({QStringLiteral("--class-results"), scratch.path()});
        QCOMPARE(run.status, 0);
        QStringList order;
        for (const QByteArray& line : run.out.split('\n').mid(1, names.size()))
            order << QString::fromUtf8(line).section(QLatin1Char(';'), 0, 0);
        QCOMPARE(order,
                 (QStringList{"B.pfig", "a.pfig", "b10.pfig", "b2.pfig", "Б.pfig", "б.pfig"}));
    }

    void Statuses_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        QTest::newRow("missing folder")
            << QStringList{"--class-results", "NOFOLDER"} << 2
            << "Папката „NOFOLDER“ не може да се прочете: няма такава папка.\n";
        QTest::newRow("a file") << QStringList{"--class-results", "FILE"} << 2
                                << "Папката „FILE“ не може да се прочете: това е файл, а не "
                                   "папка.\n";
        QTest::newRow("two folders")
            << QStringList{"--class-results", "EMPTY", "EMPTY"} << 1
            << "plane-figures: След --class-results напишете точно една папка.\n";
        QTest::newRow("with --report")
            << QStringList{"--class-results", "EMPTY", "--report", "FILE"} << 1
            << "plane-figures: След --class-results напишете точно една папка.\n";
        QTest::newRow("empty folder") << QStringList{"--class-results", "EMPTY"} << 0 << "";
    }
    void Statuses() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, err);
        QTemporaryDir scratch;
        const QString empty = scratch.filePath(QStringLiteral("empty"));
        QVERIFY(QDir().mkdir(empty));
        const QString file = scratch.filePath(QStringLiteral("file.pfig"));
        Write(file, "0 0\n");
        const QString missing = scratch.filePath(QStringLiteral("missing"));
        for (QString& argument : arguments) {
            if (argument == QStringLiteral("EMPTY")) argument = empty;
            if (argument == QStringLiteral("FILE")) argument = file;
            if (argument == QStringLiteral("NOFOLDER")) argument = missing;
        }
        err.replace(QStringLiteral("NOFOLDER"), QDir::toNativeSeparators(missing))
            .replace(QStringLiteral("FILE"), QDir::toNativeSeparators(file));
        const Run run = Program(arguments);
        QCOMPARE(run.err, err);
        QCOMPARE(run.status, status);
        if (status == 0)
            QCOMPARE(run.out, kHeader + "Общо;;;;;;;;;;;;\r\n");
        else
            QCOMPARE(run.out, QByteArray());
    }
};

QTEST_GUILESS_MAIN(ClassResultsCliTest)
#include "tst_classresultscli.moc"
