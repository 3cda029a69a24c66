// Answer sheets and worksheets written as PDF, the canvas as PNG: what the
// pages say and how many there are (read back with poppler's tools), the
// canvas stored pixel for pixel, and writes that are refused or fail.
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "figurekinds.h"
#include "formtest.h"
#include "worksheet.h"

class TestWorksheet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pagesSay_data();
    void pagesSay();
    void longReportRunsOntoPages();
    void longCountStaysOnThePage();
    void canvasIsStoredPixelForPixel_data();
    void canvasIsStoredPixelForPixel();
    void failedWritesLeaveTheFolder_data();
    void failedWritesLeaveTheFolder();

private:
    QTemporaryDir dir_;
};

namespace {

const QList<QPoint> kPoints{{20, 20}, {60, 20}, {60, 60}, {20, 60}, {140, 100}};

// a canvas as the window draws it: grid every 20 px, 5 px dots, one outline
QImage Canvas() {
    QImage canvas(263, 229, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    for (int x = 0; x <= 260; x += 20) painter.drawLine(x, 0, x, 229);
    for (int y = 0; y <= 220; y += 20) painter.drawLine(0, y, 263, y);
    for (const QPoint& p : kPoints) painter.fillRect(p.x() - 2, p.y() - 2, 5, 5, Qt::black);
    painter.setPen(QPen(QColor(128, 128, 0), 2));
    painter.drawPolygon(QPolygon(kPoints.first(4)));
    return canvas;
}

// five points, distinctive counts (pupil 71.., program 91..) and extra report lines
SheetContent Content(int extra_lines) {
    SheetContent content;
    content.title = QStringLiteral("Математика - координати на върхове");
    content.canvas = Canvas();
    content.points = kPoints;
    for (int k = 0; k < plane_figures::kShownKindCount; ++k) {
        content.kinds << QString::fromUtf8(plane_figures::kKindCaptions.at(std::size_t(k)));
        content.pupil_counts << QString::number(71 + k);
        content.program_counts << QString::number(91 + k);
    }
    content.report_lines << QStringLiteral("Брой въведени точки: 5")
                         << QStringLiteral("Квадрат с равни страни: 0,1,2,3");
    for (int i = 0; i < extra_lines; ++i)
        content.report_lines
            << QStringLiteral("Правоъгълен %1,%2,%3").arg(i / 225).arg(i / 15 % 15).arg(i % 15);
    return content;
}

// what a poppler tool writes to standard output
QString Poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool HavePoppler() {
    for (const char* tool : {"pdftotext", "pdfinfo", "pdfimages"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) return false;
    }
    return true;
}

// Windows has no poppler-utils (Linux programs): the PDFs are written there
// but not read back
#define SKIP_WITHOUT_POPPLER()                                                      \
    if (!HavePoppler())                                                             \
    QSKIP(                                                                          \
        "the PDF is read back with poppler-utils (pdftotext, pdfinfo, pdfimages), " \
        "Linux programs")

int Pages(const QString& pdf) {
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(Poppler("pdfinfo", {pdf})).captured(1).toInt();
}

}  // namespace

void TestWorksheet::initTestCase() {
#ifndef Q_OS_WIN
    if (!HavePoppler()) QFAIL("pdftotext, pdfinfo or pdfimages is missing; install poppler-utils");
#endif
    QVERIFY(dir_.isValid());
}

// Each text must appear in the page's text laid out as printed (a regular
// expression: table rows keep their cells on one line), each absent one not.
void TestWorksheet::pagesSay_data() {
    QTest::addColumn<bool>("answers");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    const SheetContent c = Content(0);
    QStringList answer_rows{QRegularExpression::escape(c.title), "N\\s+Абсциса\\s+Ордината"};
    for (qsizetype p = 0; p < kPoints.size(); ++p) {
        answer_rows
            << QString("^\\s*%1\\s+%2\\s+%3\\b").arg(p).arg(kPoints[p].x()).arg(kPoints[p].y());
    }
    QStringList blank_rows = answer_rows;
    blank_rows << "Фигура\\s+Ваш брой\\s*$";
    for (int k = 0; k < c.kinds.size(); ++k) {
        const QString kind = QRegularExpression::escape(c.kinds[k]);
        answer_rows << kind + "\\s+" + c.pupil_counts[k] + "\\s+" + c.program_counts[k] + "\\s*$";
        blank_rows << kind + "\\s*$";
    }
    for (const QString& line : c.report_lines)
        answer_rows << "^" + QRegularExpression::escape(line) + "$";
    QTest::newRow("answer sheet") << true << answer_rows << QStringList();
    QTest::newRow("worksheet") << false << blank_rows
                               << (QStringList{"71", "91", "програмата"} << c.report_lines);
}

void TestWorksheet::pagesSay() {
    SKIP_WITHOUT_POPPLER();
    QFETCH(bool, answers);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    const auto sheet = answers ? Worksheet::Sheet::kAnswerSheet : Worksheet::Sheet::kWorksheet;
    const QString pdf = dir_.filePath("sheet.pdf");
    QCOMPARE(Worksheet(Content(0), sheet).Export(pdf), QString());
    const QString text = Poppler("pdftotext", {"-layout", pdf, "-"});
    for (const QString& pattern : present) {
        const QRegularExpression expression(pattern, QRegularExpression::MultilineOption);
        QVERIFY2(text.contains(expression), qPrintable(pattern + " not in:\n" + text));
    }
    for (const QString& text_absent : absent)
        QVERIFY2(!text.contains(text_absent), qPrintable(text_absent));
    QCOMPARE(Pages(pdf), 1);
}

// Whatever the pupil typed in a count box, the count table keeps to the page:
// the program's counts stay on it.
void TestWorksheet::longCountStaysOnThePage() {
    SKIP_WITHOUT_POPPLER();
    SheetContent content = Content(0);
    content.pupil_counts[0] = QString(80, QChar('7'));
    const QString pdf = dir_.filePath("long.pdf");
    QCOMPARE(Worksheet(content, Worksheet::Sheet::kAnswerSheet).Export(pdf), QString());
    const QString text = Poppler("pdftotext", {"-layout", pdf, "-"});
    for (const QString& pattern : {QString("Ваш брой\\s+Брой от програмата\\s*$"),
                                   QRegularExpression::escape(content.kinds[0]) + "\\s+7+…\\s+91\\s*$"})
        QVERIFY2(text.contains(QRegularExpression(pattern, QRegularExpression::MultilineOption)),
                 qPrintable(pattern + " not in:\n" + text));
}

// 1800 more lines run onto further pages, every line once and in order.
void TestWorksheet::longReportRunsOntoPages() {
    SKIP_WITHOUT_POPPLER();
    const SheetContent content = Content(1800);
    const QString pdf = dir_.filePath("long.pdf");
    QCOMPARE(Worksheet(content, Worksheet::Sheet::kAnswerSheet).Export(pdf), QString());
    QVERIFY2(Pages(pdf) >= 30, qPrintable(QString::number(Pages(pdf))));  // at most 60 lines a page
    const QString text = Poppler("pdftotext", {pdf, "-"});
    qsizetype at = 0;
    for (const QString& line : content.report_lines) {
        at = text.indexOf(line + '\n', at);
        QVERIFY2(at >= 0, qPrintable(line + " missing or out of order"));
    }
}

// The PNG is the canvas; the PDF holds it unchanged.
void TestWorksheet::canvasIsStoredPixelForPixel_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("png") << "canvas.png";
    QTest::newRow("PNG in capitals") << "CANVAS.PNG";
    QTest::newRow("pdf in capitals") << "Sheet.PDF";
}

void TestWorksheet::canvasIsStoredPixelForPixel() {
    QFETCH(QString, name);
    const SheetContent content = Content(0);
    QString image = dir_.filePath(name);
    QCOMPARE(Worksheet(content, Worksheet::Sheet::kAnswerSheet).Export(image), QString());
    if (name.endsWith(".PDF")) {  // a JPEG would blur the grid lines
        SKIP_WITHOUT_POPPLER();
        Poppler("pdfimages", {"-png", image, dir_.filePath("extracted")});
        image = dir_.filePath("extracted-000.png");
    }
    QCOMPARE(QImage(image).convertToFormat(QImage::Format_RGB32), content.canvas);
}

// A refused or failed write gives a message naming the file and leaves the
// folder as it was: no new file, and an old one of the same name unchanged.
void TestWorksheet::failedWritesLeaveTheFolder_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("empty_canvas");  // nothing to write as PNG
    QTest::newRow("not pdf or png") << "sheet.txt" << false;
    QTest::newRow("no extension") << "sheet" << false;
    QTest::newRow("pdf in a missing folder") << "missing/sheet.pdf" << false;
    QTest::newRow("png in a missing folder") << "missing/canvas.png" << false;
    QTest::newRow("pdf named like a folder") << "folder.pdf" << false;
    QTest::newRow("png failing over an old file") << "old.png" << true;
}

void TestWorksheet::failedWritesLeaveTheFolder() {
    QFETCH(QString, name);
    QFETCH(bool, empty_canvas);
    QTemporaryDir dir;
    QFile old(dir.filePath("old.png"));
    QVERIFY(QDir(dir.path()).mkpath("folder.pdf") && old.open(QIODevice::WriteOnly));
    QCOMPARE(old.write("old"), 3);
    old.close();
    SheetContent content = Content(0);
    if (empty_canvas) content.canvas = QImage();
    const QString path = dir.filePath(name);
    const QString message = Worksheet(content, Worksheet::Sheet::kAnswerSheet).Export(path);
    QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList({"folder.pdf", "old.png"}));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old"));
}

PLANE_FIGURES_TEST_MAIN(TestWorksheet)
#include "tst_worksheet.moc"
