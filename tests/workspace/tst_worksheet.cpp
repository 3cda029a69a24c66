// Answer sheets and worksheets written as PDF, the canvas as PNG: what the
// pages say, how they are numbered and set (read back with poppler's tools),
// the canvas's PNG pixel for pixel, and writes that are refused or fail.
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QStandardPaths>

#include "formtest.h"
#include "sheettest.h"

class TestWorksheet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pagesSay_data();
    void pagesSay();
    void longReportRunsOntoPages();
    void longCountStaysOnThePage();
    void sheetsSavePaper_data();
    void sheetsSavePaper();
    void canvasIsStoredPixelForPixel_data();
    void canvasIsStoredPixelForPixel();
    void failedWritesLeaveTheFolder_data();
    void failedWritesLeaveTheFolder();

private:
    QTemporaryDir dir_;
};

using namespace sheettest;

void TestWorksheet::initTestCase() {
    REQUIRE_POPPLER();
    QVERIFY(dir_.isValid());
}

// Each text must appear in the page's text laid out as printed (a regular
// expression: table rows keep their cells on one line), each absent one not.
void TestWorksheet::pagesSay_data() {
    QTest::addColumn<bool>("answers");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    const SheetContent c = Content(0);
    QStringList rows{"^\\s*" + QRegularExpression::escape(c.title) + "\\s*$",
                     "^Име:\\s+Клас:\\s+Дата:\\s*$", "N\\s+Абсциса\\s+Ордината"};
    for (qsizetype p = 0; p < kPoints.size(); ++p)
        rows << QString("^\\s*%1\\s+%2\\s+%3\\b").arg(p).arg(kPoints[p].x()).arg(kPoints[p].y());
    // the table headings wrap: "Вашият" over "брой", "Броят на" over "програмата"
    rows << "^\\s*Фигура\\s*$"
         << "\\sВашият\\s";
    QStringList answer_rows = rows, blank_rows = rows;
    answer_rows << "^\\s*Отговори\\s*$"
                << "Броят на\\s*$"
                << "програмата\\s*$";
    blank_rows << "^\\s*Работен лист\\s*$"
               << "^\\s*Пребройте фигурите от всеки вид с върхове в дадените точки и запишете "
                  "броя им в таблицата\\.\\s*$";
    for (int k = 0; k < c.kinds.size(); ++k) {
        const QString kind = QRegularExpression::escape(c.kinds[k]);
        answer_rows << kind + "\\s+" + c.pupil_counts[k] + "\\s+" + c.program_counts[k] + "\\s*$";
        blank_rows << kind + "\\s*$";
    }
    for (const QString& line : c.report_lines)
        answer_rows << "^" + QRegularExpression::escape(line) + "$";
    // how the kinds are counted: under the count table, after the instruction
    answer_rows << "Всяка фигура се брои само веднъж";
    blank_rows << "^\\s*Всяка фигура се брои само веднъж – в най-точния си вид: квадратът";
    const QStringList neither{"http", "plane-figures", "стр."};  // no address; one page
    QTest::newRow("answer sheet") << true << answer_rows
                                  << (QStringList{"Работен лист", "Пребройте"} << neither);
    QTest::newRow("worksheet") << false << blank_rows
                               << (QStringList{"Отговори", "71", "91", "програмата"}
                                   << c.report_lines << neither);
}

// Each sheet's own title, the task's title, a name line and the kinds' full
// names; the PDF is titled so too, and nothing gives the web address.
void TestWorksheet::pagesSay() {
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
        QVERIFY2(!text.contains(text_absent), qPrintable(text_absent + " in:\n" + text));
    QCOMPARE(Pages(pdf), 1);
    // titled so whether exported or printed (here to a PDF file, as a PDF printer does)
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString printed = dir_.filePath("printed.pdf");
    printer.setOutputFileName(printed);
    QVERIFY(Worksheet(Content(0), sheet).Paint(printer));
    const QString title = (answers ? "Отговори — " : "Работен лист — ") + Content(0).title;
    for (const QString& file : {pdf, printed}) {
        const QString info = Poppler("pdfinfo", {file});
        QVERIFY2(info.contains(QRegularExpression("^Title:\\s+" + title + "$",
                                                  QRegularExpression::MultilineOption)),
                 qPrintable(info));
    }
}

// Whatever the pupil typed in a count box, the count table keeps to the page:
// the program's counts stay on it.
void TestWorksheet::longCountStaysOnThePage() {
    SheetContent content = Content(0);
    content.pupil_counts[0] = QString(80, QChar('7'));
    const QString pdf = dir_.filePath("long.pdf");
    QCOMPARE(Worksheet(content, Worksheet::Sheet::kAnswerSheet).Export(pdf), QString());
    const QString text = Poppler("pdftotext", {"-layout", pdf, "-"});
    for (const QString& pattern :
         {QString("програмата\\s*$"),
          QRegularExpression::escape(content.kinds[0]) + "\\s+7+…\\s+91\\s*$"})
        QVERIFY2(text.contains(QRegularExpression(pattern, QRegularExpression::MultilineOption)),
                 qPrintable(pattern + " not in:\n" + text));
}

// 1800 more lines run onto further pages in columns, every line once and in
// order, each page numbered "стр. N от M".
void TestWorksheet::longReportRunsOntoPages() {
    const SheetContent content = Content(1800);
    const QString pdf = dir_.filePath("long.pdf");
    QCOMPARE(Worksheet(content, Worksheet::Sheet::kAnswerSheet).Export(pdf), QString());
    const int pages = Pages(pdf);
    // one column holds at most 60 lines a page: at least two columns a page
    QVERIFY2(pages > 1 && pages <= 1800 / 120, qPrintable(QString::number(pages)));
    for (int page = 1; page <= pages; ++page) {
        const QString text = Poppler(
            "pdftotext", {"-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
        QVERIFY2(text.trimmed().endsWith(QString("стр. %1 от %2").arg(page).arg(pages)),
                 qPrintable(text.right(80)));
    }
    const QString layout = Poppler("pdftotext", {"-layout", "-f", "3", "-l", "3", pdf, "-"});
    const QRegularExpression three_columns("Правоъгълен \\S+\\s+Правоъгълен \\S+\\s+Правоъгълен");
    QVERIFY2(layout.contains(three_columns), qPrintable(layout.left(400)));
    const QString text = Poppler("pdftotext", {pdf, "-"});
    qsizetype at = 0;
    for (const QString& line : content.report_lines) {
        at = text.indexOf(line + '\n', at);
        QVERIFY2(at >= 0, qPrintable(line + " missing or out of order"));
    }
}

// A real sheet from the window: the answer sheet on one page whenever its
// report can be, with the canvas made smaller for it; a longer one holds the
// tables and a share of the report on its first page, and no page only a line
// or two. The worksheet is always one page.
void TestWorksheet::sheetsSavePaper_data() {
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<int>("pages");  // of the answer sheet
    const auto lattice = [](int columns, int rows) {
        QList<QPoint> points;
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < columns; ++x) points << QPoint(20 + 20 * x, 20 + 20 * y);
        return points;
    };
    QTest::newRow("a square: 4 points, 5 figures")
        << QList<QPoint>{{60, 60}, {140, 60}, {140, 140}, {60, 140}} << 1;
    QTest::newRow("a square and a diamond: 8 points") << kPoints << 1;
    QTest::newRow("a 4 × 3 lattice: 12 points") << lattice(4, 3) << 3;
    QTest::newRow("a 5 × 3 lattice: 15 points") << lattice(5, 3) << 4;
}

void TestWorksheet::sheetsSavePaper() {
    QFETCH(QList<QPoint>, points);
    QFETCH(int, pages);
    formtest::PromptedWindow window;
    formtest::Enter(window.form, points);
    formtest::ClickButton(window.form, 0);
    const QString answers = dir_.filePath("answers.pdf");
    const QString worksheet = dir_.filePath("worksheet.pdf");
    for (const QString& file : {answers, worksheet}) {
        window.file_to_export = file;
        QTest::keyClick(
            &window.form, Qt::Key_E,
            file == answers ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
    }
    QVERIFY2(window.told.isEmpty(), qPrintable(window.told.join('\n')));
    QCOMPARE(Pages(worksheet), 1);
    QCOMPARE(Pages(answers), pages);
    const QStringList lines =
        formtest::Text1(window.form, 0)->Text().split("\r\n", Qt::SkipEmptyParts);
    QVERIFY(lines.size() > 5);
    const auto page_text = [&](int page, bool layout) {
        QStringList arguments{"-f", QString::number(page), "-l", QString::number(page), answers,
                              "-"};
        if (layout) arguments.prepend("-layout");
        return Poppler("pdftotext", arguments);
    };
    // the first page: both tables (the last point, the squares' count) and the note
    const QString first = page_text(1, true);
    const QPoint last = points.last();
    for (const QString& pattern :
         {QString("^\\s*%1\\s+%2\\s+%3\\b").arg(points.size() - 1).arg(last.x()).arg(last.y()),
          QString("Квадрат\\s+%1\\s*$").arg(formtest::Text3(window.form, 5)->text()),
          QString("Всяка фигура се брои само веднъж")}) {
        QVERIFY2(first.contains(QRegularExpression(pattern, QRegularExpression::MultilineOption)),
                 qPrintable(pattern + " not on page 1:\n" + first));
    }
    // every report line once, the pages in order, each page with a share of them
    QList<QStringList> on_pages;
    for (int page = 1; page <= pages; ++page) {
        QStringList found = page_text(page, false).split('\n');
        for (QString& text : found) text = text.trimmed();
        on_pages << found;
    }
    QList<int> counts(pages, 0);
    int previous = 0;
    for (const QString& line : lines) {
        QList<int> where;
        for (int page = 0; page < pages; ++page) {
            if (on_pages[page].count(line) == 1) where << page;
        }
        QVERIFY2(where.size() == 1 && where[0] >= previous, qPrintable(line));
        previous = where[0];
        ++counts[previous];
    }
    for (int page = 0; page < pages; ++page) {
        QVERIFY2(counts[page] >= std::min<qsizetype>(lines.size(), 6),
                 qPrintable(QString("page %1 of %2: %3 report lines")
                                .arg(page + 1)
                                .arg(pages)
                                .arg(counts[page])));
    }
}

// The PNG is the canvas's own picture, the chosen point's colour and all.
void TestWorksheet::canvasIsStoredPixelForPixel_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("png") << "canvas.png";
    QTest::newRow("PNG in capitals") << "CANVAS.PNG";
}

void TestWorksheet::canvasIsStoredPixelForPixel() {
    QFETCH(QString, name);
    const SheetContent content = Content(0);
    const QString image = dir_.filePath(name);
    QCOMPARE(Worksheet(content, Worksheet::Sheet::kAnswerSheet).Export(image), QString());
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
