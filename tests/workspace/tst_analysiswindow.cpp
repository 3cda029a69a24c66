// "Чертай" in the window: the report box, the counts and the outlines on the canvas.
#include <QLineEdit>
#include <QRandomGenerator>

#include "figureanalysis.h"
#include "formtest.h"
#include "textbox.h"

using namespace formtest;

class TestAnalysisWindow : public QObject {
    Q_OBJECT

private slots:
    void twoRowsOfThree();
    void outlinesFollowTheMeasuredOrder();
    void earlierOutlinesStay();
    void trianglesLeaveTheCanvasAlone();
    void windowAgreesWithTheAnalysisAlone();
};

namespace {

const QList<QPoint> kTwoRows{{20, 20}, {60, 20}, {100, 20}, {20, 60}, {60, 60}, {100, 60}};

}  // namespace

// Six points in two rows: the exact report with CR LF, counts as texts (empty
// for none), the report shown as lines.
void TestAnalysisWindow::twoRowsOfThree() {
    MainForm form;
    QVERIFY(Show(form));
    Enter(form, kTwoRows);
    ClickButton(form, 0);
    const QString report = Text1(form, 0)->Text();
    const QString quads = QStringLiteral(
        "Квадрат с равни страни: 0,1,3,4\r\n"
        "Успоредник 2х2 успоредни страни - различни диагонали: 0,1,4,5\r\n"
        "Правоъгълник - равни диагонали: 0,2,3,5\r\n"
        "Успоредник 2х2 успоредни страни - различни диагонали: 1,2,3,4\r\n"
        "Квадрат с равни страни: 1,2,4,5\r\n");
    QVERIFY(report.startsWith(QStringLiteral("Брой въведени точки: 6\r\n")));
    QVERIFY(report.endsWith(quads));
    QVERIFY(report.contains(QStringLiteral("\r\nРавнобедрен и правоъгълен 0,1,3\r\n")));
    QCOMPARE(Text1(form, 0)->toPlainText(), QString(report).replace("\r\n", "\n"));
    const QStringList expected_counts{"", "", "", "2", "1", "2", ""};
    for (int k = 3; k < 7; ++k) QCOMPARE(Text3(form, k)->text(), expected_counts[k]);
    QVERIFY(!Text3(form, 2)->text().isEmpty());
    // the run changes neither the points nor the pupil's counts
    QCOMPARE(form.PointCount(), 6);
    QCOMPARE(Text2(form, 0)->text(), QString());
}

// The outline runs corner to corner in the measured order, so a square entered
// in crossing order is drawn without crossing diagonals.
void TestAnalysisWindow::outlinesFollowTheMeasuredOrder() {
    MainForm form;
    QVERIFY(Show(form));
    Enter(form, {{40, 40}, {120, 120}, {120, 40}, {40, 120}});
    ClickButton(form, 0);
    const QColor olive(128, 128, 0);
    QCOMPARE(Pixel(form, 80, 40), olive);
    QCOMPARE(Pixel(form, 120, 80), olive);
    QCOMPARE(Pixel(form, 80, 120), olive);
    QCOMPARE(Pixel(form, 40, 80), olive);
    QVERIFY(Pixel(form, 70, 70) != olive);  // no diagonal
    QVERIFY(Pixel(form, 90, 70) != olive);
}

// A second run draws over the first's outlines; deleting a point wipes them.
void TestAnalysisWindow::earlierOutlinesStay() {
    MainForm form;
    QVERIFY(Show(form));
    Enter(form, {{20, 20}, {100, 20}, {100, 60}, {20, 60}});  // a rectangle, colour 7
    ClickButton(form, 0);
    const QColor silver(192, 192, 192);
    QCOMPARE(Pixel(form, 60, 20), silver);
    Enter(form, {{140, 100}, {180, 140}});
    ClickRow(List1(form, 3), 4);  // select the point at (140, 100), not delete it
    ClickButton(form, 0);
    QCOMPARE(Pixel(form, 60, 20), silver);
    ClickRow(List1(form, 3), 5);
    ClickButton(form, 2);
    QVERIFY(Pixel(form, 60, 20) != silver);
}

void TestAnalysisWindow::trianglesLeaveTheCanvasAlone() {
    MainForm form;
    QVERIFY(Show(form));
    Enter(form, {{20, 20}, {40, 20}, {20, 40}});
    const QImage before = Picture1(form)->Image();
    ClickButton(form, 0);
    QCOMPARE(Text3(form, 2)->text(), QString("1"));
    QCOMPARE(Picture1(form)->Image(), before);
}

// The window shows what the analysis alone gives for its points: the report,
// and each count box.
void TestAnalysisWindow::windowAgreesWithTheAnalysisAlone() {
    MainForm form;
    QVERIFY(Show(form));
    QRandomGenerator random(7);
    for (int round = 0; round < 20; ++round) {
        ClickButton(form, 1);
        std::vector<plane_figures::GridPoint> points;
        const int n = 3 + random.bounded(13);
        for (int p = 0; p < n; ++p) {
            const int x = 20 * random.bounded(6), y = 20 * random.bounded(5);
            ClickCanvas(form, x, y);
            points.push_back({x, y});
        }
        ClickButton(form, 0);
        const plane_figures::AnalysisResult result = plane_figures::FigureAnalysis().Run(points);
        QCOMPARE(Text1(form, 0)->Text(), QString::fromStdString(result.ReportText()));
        for (int k = 0; k < plane_figures::kKindCount; ++k) {
            QCOMPARE(Text3(form, static_cast<std::size_t>(k))->text(),
                     QString::fromStdString(result.CountText(k)));
        }
    }
}

PLANE_FIGURES_TEST_MAIN(TestAnalysisWindow)
#include "tst_analysiswindow.moc"
