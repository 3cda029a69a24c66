// Choosing a report line shows its figure over the canvas with its reason;
// the canvas's own image and the report text never change for it.
#include <QClipboard>
#include <QLayout>
#include <QTextBlock>

#include "formtest.h"
#include "reportexplorer.h"
#include "sidepanel.h"

using namespace formtest;

class TestReportExplorer : public QObject {
    Q_OBJECT

private slots:
    void choosing_data();
    void choosing();
    void overlayPixels_data();
    void overlayPixels();
    void overlayGoes_data();
    void overlayGoes();
    void withoutAReportTheBoxReadsAsText();
    void dragSelectsText();
    void reasonBesideTheWindow_data();
    void reasonBesideTheWindow();
    void reasonStaysWhileChosen_data();
    void reasonStaysWhileChosen();
    void labelsStayOnTheCanvas_data();
    void labelsStayOnTheCanvas();
};

namespace {

// 0 (20,20) 1 (100,20) 2 (60,60) 3 (100,100) 4 (20,100): the report is the
// header, eight triangles (lines 1-8) and the square 0,1,3,4 (line 9).
const QList<QPoint> kFive{{20, 20}, {100, 20}, {60, 60}, {100, 100}, {20, 100}};
constexpr int kSquareLine = 9;

struct Drawn {
    MainForm form;
    Drawn() {
        if (!Show(form)) qFatal("window not exposed");
        Enter(form, kFive);
        ClickButton(form, 0);
    }
    TextBox* Report() { return Text1(form, 0); }
    SidePanel* Panel() { return form.findChild<SidePanel*>(); }
    int Chosen() const { return form.Model().ChosenLine(); }
    void ClickLine(int line) {
        const QTextBlock block = Report()->document()->findBlockByNumber(line);
        QTextCursor cursor(block);
        const QPoint at = Report()->cursorRect(cursor).center() + QPoint(10, 0);
        QTest::mouseClick(Report()->viewport(), Qt::LeftButton, {}, at);
    }
};

bool IsRed(const QImage& image, QPoint at) { return QColor(image.pixel(at)) == QColor(255, 0, 0); }

}  // namespace

// Keys from the report box (after a click on a line, when clicked >= 0).
void TestReportExplorer::choosing_data() {
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("chosen");
    QTest::newRow("click a triangle") << 2 << QList<int>{} << 2;
    QTest::newRow("click the square") << kSquareLine << QList<int>{} << kSquareLine;
    QTest::newRow("click the header") << 0 << QList<int>{} << -1;
    QTest::newRow("click below the report") << 10 << QList<int>{} << -1;
    QTest::newRow("down from none") << -1 << QList<int>{Qt::Key_Down} << 1;
    QTest::newRow("down twice") << 1 << QList<int>{Qt::Key_Down, Qt::Key_Down} << 3;
    QTest::newRow("up to the header") << 1 << QList<int>{Qt::Key_Up} << -1;
    QTest::newRow("end") << 2 << QList<int>{Qt::Key_End} << kSquareLine;
    QTest::newRow("down stops at the last")
        << kSquareLine << QList<int>{Qt::Key_Down} << kSquareLine;
    QTest::newRow("home") << 5 << QList<int>{Qt::Key_Home} << 1;
    QTest::newRow("page down, page up") << 1 << QList<int>{Qt::Key_PageDown, Qt::Key_PageUp} << 1;
    QTest::newRow("escape") << 3 << QList<int>{Qt::Key_Escape} << -1;
}

void TestReportExplorer::choosing() {
    QFETCH(int, clicked);
    QFETCH(QList<int>, keys);
    QFETCH(int, chosen);
    Drawn drawn;
    const QString report = drawn.Report()->Text();
    const QImage image = Picture1(drawn.form)->Image();
    drawn.Report()->setFocus();
    if (clicked >= 0) drawn.ClickLine(clicked);
    for (const int key : keys) QTest::keyClick(drawn.Report(), static_cast<Qt::Key>(key));
    QCOMPARE(drawn.Chosen(), chosen);
    QCOMPARE(Picture1(drawn.form)->ShowsFigure(), chosen >= 0);
    // the chosen line is shown selected, and its reason is heard and shown
    const QString line = report.split(QStringLiteral("\r\n")).value(chosen);
    QCOMPARE(drawn.Report()->textCursor().selectedText(), chosen >= 0 ? line : QString());
    QCOMPARE(drawn.Report()->accessibleDescription().isEmpty(), chosen < 0);
    QCOMPARE(drawn.Panel()->Text(0), drawn.Report()->accessibleDescription());
    QCOMPARE(drawn.Panel()->isVisible(), chosen >= 0);
    QVERIFY(drawn.Report()->toolTip().isEmpty());
    if (chosen == kSquareLine)
        QVERIFY(drawn.Panel()->Text(0).startsWith(QStringLiteral("Квадрат")));
    QCOMPARE(drawn.Report()->Text(), report);
    QCOMPARE(Picture1(drawn.form)->Image(), image);
}

// A side's middle is red (3 px across) over the canvas; far from the figure
// the screen shows the image; with no figure nothing is drawn over it.
void TestReportExplorer::overlayPixels_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QList<QPoint>>("on_sides");
    QTest::newRow("triangle 0,1,2") << 1 << QList<QPoint>{{60, 20}, {80, 40}, {40, 40}};
    QTest::newRow("square 0,1,3,4")
        << kSquareLine << QList<QPoint>{{60, 20}, {100, 60}, {60, 100}, {20, 60}};
    QTest::newRow("none") << 0 << QList<QPoint>{};
}

void TestReportExplorer::overlayPixels() {
    QFETCH(int, line);
    QFETCH(QList<QPoint>, on_sides);
    Drawn drawn;
    drawn.ClickLine(line);
    const QImage image = Picture1(drawn.form)->Image();
    const QImage shown = Picture1(drawn.form)->Composed();
    for (const QPoint& p : on_sides) {
        const QPoint across = p.x() == 20 || p.x() == 100 ? QPoint(1, 0) : QPoint(0, 1);
        int red = 0;
        for (int i = -3; i <= 3; ++i) red += IsRed(shown, p + i * across) ? 1 : 0;
        QVERIFY2(red >= 3, qPrintable(QStringLiteral("side at %1,%2").arg(p.x()).arg(p.y())));
    }
    QCOMPARE(shown.pixel(200, 180), image.pixel(200, 180));
    if (on_sides.isEmpty()) QCOMPARE(shown, image);
}

// The overlay goes when the points change or the report is replaced, and the
// old report's lines show nothing after the points change.
void TestReportExplorer::overlayGoes_data() {
    QTest::addColumn<QString>("action");
    QTest::newRow("entry") << "entry";
    QTest::newRow("deletion") << "deletion";
    QTest::newRow("draw") << "draw";
    QTest::newRow("clear") << "clear";
}

void TestReportExplorer::overlayGoes() {
    QFETCH(QString, action);
    Drawn drawn;
    ClickRow(List1(drawn.form, 3), 4);
    drawn.ClickLine(kSquareLine);
    QVERIFY(Picture1(drawn.form)->ShowsFigure());
    if (action == "entry") ClickCanvas(drawn.form, 200, 200);
    if (action == "deletion") ClickButton(drawn.form, 2);
    if (action == "draw") ClickButton(drawn.form, 0);
    if (action == "clear") ClickButton(drawn.form, 1);
    QVERIFY(!Picture1(drawn.form)->ShowsFigure());
    QCOMPARE(drawn.Chosen(), -1);
    QVERIFY(drawn.Report()->accessibleDescription().isEmpty());
    drawn.ClickLine(1);
    QCOMPARE(drawn.Chosen(), action == "draw" ? 1 : -1);
}

// The task statement, or a report of points since changed, is text to read:
// the keys move the caret line by line and the mouse selects, choosing nothing.
void TestReportExplorer::withoutAReportTheBoxReadsAsText() {
    MainForm form;
    QVERIFY(Show(form));
    TextBox* report = Text1(form, 0);
    report->setFocus();
    const int start = report->textCursor().position();
    QTest::keyClick(report, Qt::Key_Down);
    QVERIFY(report->textCursor().position() > start);
    QCOMPARE(report->textCursor().blockNumber(), 0);  // the first paragraph wraps
    const QPoint from = report->cursorRect(QTextCursor(report->document()->firstBlock())).center();
    QTest::mousePress(report->viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(report->viewport(), from + QPoint(120, 0));
    QTest::mouseRelease(report->viewport(), Qt::LeftButton, {}, from + QPoint(120, 0));
    QVERIFY(!report->textCursor().selectedText().isEmpty());
    QCOMPARE(form.Model().ChosenLine(), -1);
    QVERIFY(!Picture1(form)->ShowsFigure());
}

// A drag over the report selects its text as in a text box, and Ctrl+C
// copies it; a click still chooses the line.
void TestReportExplorer::dragSelectsText() {
    Drawn drawn;
    const auto at = [&](int line, int x) {
        const QTextCursor cursor(drawn.Report()->document()->findBlockByNumber(line));
        return drawn.Report()->cursorRect(cursor).center() + QPoint(x, 0);
    };
    QWidget* viewport = drawn.Report()->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, at(1, 10));
    QTest::mouseMove(viewport, at(2, 40));
    QTest::mouseMove(viewport, at(3, 60));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at(3, 60));
    QCOMPARE(drawn.Chosen(), -1);
    QVERIFY(!Picture1(drawn.form)->ShowsFigure());
    const QString selected = drawn.Report()->textCursor().selectedText();
    const QString line2 = drawn.Report()->document()->findBlockByNumber(2).text();
    QVERIFY2(selected.count(QChar::ParagraphSeparator) == 2 && selected.contains(line2),
             qPrintable(selected));
    drawn.Report()->setFocus();
    QTest::keyClick(drawn.Report(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString(selected).replace(QChar::ParagraphSeparator, '\n'));
    drawn.ClickLine(kSquareLine);
    QCOMPARE(drawn.Chosen(), kSquareLine);
}

void TestReportExplorer::reasonBesideTheWindow_data() {
    QTest::addColumn<QString>("where");  // the window's place on the screen
    QTest::addColumn<QList<int>>("keys");
    QTest::newRow("at the left, down") << "left" << QList<int>{Qt::Key_Down};
    QTest::newRow("at the left, end") << "left" << QList<int>{Qt::Key_End};
    QTest::newRow("at the right, page down")
        << "right" << QList<int>{Qt::Key_Down, Qt::Key_PageDown};
    QTest::newRow("in the middle, down") << "middle" << QList<int>{Qt::Key_Down};
    QTest::newRow("at the top, down") << "top" << QList<int>{Qt::Key_Down};
}

// The reason shows in a panel of its own beside the window, on the screen,
// over none of the window, and it takes neither the focus nor a click; it
// follows the window when it moves.
void TestReportExplorer::reasonBesideTheWindow() {
    QFETCH(QString, where);
    QFETCH(QList<int>, keys);
    Drawn drawn;
    const QRect screen = drawn.form.screen()->availableGeometry();
    const QSize size = drawn.form.frameGeometry().size();
    const QPoint place =
        where == "left"    ? screen.topLeft()
        : where == "right" ? QPoint(screen.right() + 1 - size.width(), screen.top())
        : where == "top"   ? QPoint(screen.center().x() - size.width() / 2, screen.top())
                           : screen.center() - QPoint(size.width(), size.height()) / 2;
    drawn.form.move(place);
    drawn.form.activateWindow();
    drawn.Report()->setFocus();
    for (const int key : keys) QTest::keyClick(drawn.Report(), Qt::Key(key));
    SidePanel* panel = drawn.Panel();
    QVERIFY(panel->isVisible() && panel->isWindow());
    QCOMPARE(panel->Text(0), drawn.Report()->accessibleDescription());
    const auto apart = [&] {
        return QString("the panel at %1,%2 %3x%4, the window at %5,%6 %7x%8")
            .arg(panel->frameGeometry().x())
            .arg(panel->frameGeometry().y())
            .arg(panel->frameGeometry().width())
            .arg(panel->frameGeometry().height())
            .arg(drawn.form.frameGeometry().x())
            .arg(drawn.form.frameGeometry().y())
            .arg(drawn.form.frameGeometry().width())
            .arg(drawn.form.frameGeometry().height());
    };
    QVERIFY2(!panel->frameGeometry().intersects(drawn.form.frameGeometry()), qPrintable(apart()));
    QVERIFY2(screen.contains(panel->frameGeometry()), qPrintable(apart()));
    // every line of the reason is there to read
    QVERIFY(panel->height() >= panel->layout()->totalHeightForWidth(panel->width()));
    const Qt::WindowFlags flags = panel->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
    QVERIFY(flags.testFlag(Qt::WindowTransparentForInput));
    QVERIFY(panel->testAttribute(Qt::WA_ShowWithoutActivating));
    QCOMPARE(QApplication::focusWidget(), drawn.Report());
    QVERIFY(!panel->isActiveWindow());
    // the window moved a little: the panel goes with it
    drawn.form.move(drawn.form.pos() + QPoint(where == "right" ? -10 : 10, 10));
    QVERIFY2(!panel->frameGeometry().intersects(drawn.form.frameGeometry()), qPrintable(apart()));
}

void TestReportExplorer::reasonStaysWhileChosen_data() {
    QTest::addColumn<QString>("then");  // what is done after a line was chosen
    QTest::addColumn<bool>("stays");
    QTest::newRow("the mouse moves off the report") << "leave" << true;
    QTest::newRow("a while passes") << "wait" << true;
    QTest::newRow("the focus goes to a button") << "focus" << true;
    QTest::newRow("escape") << "escape" << false;
    QTest::newRow("a click on the header") << "header" << false;
    QTest::newRow("a point entered") << "click" << false;
    QTest::newRow("the window hidden") << "hide" << false;
}

// The reason stays while its line is chosen, and goes with the choice.
void TestReportExplorer::reasonStaysWhileChosen() {
    QFETCH(QString, then);
    QFETCH(bool, stays);
    Drawn drawn;
    drawn.Report()->setFocus();
    QTest::keyClick(drawn.Report(), Qt::Key_Down);
    SidePanel* panel = drawn.Panel();
    const QString reason = panel->Text(0);
    QVERIFY(panel->isVisible() && !reason.isEmpty());
    if (then == "leave") {
        QTest::mouseMove(drawn.Report()->viewport(), QPoint(20, 20));
        QTest::mouseMove(Picture1(drawn.form), QPoint(200, 200));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(drawn.Report()->viewport(), &leave);
        QTest::qWait(500);
    }
    if (then == "wait") QTest::qWait(1500);
    if (then == "focus") Command1(drawn.form, 1)->setFocus();
    if (then == "escape") QTest::keyClick(drawn.Report(), Qt::Key_Escape);
    if (then == "header") drawn.ClickLine(0);
    if (then == "click") ClickCanvas(drawn.form, 200, 200);
    if (then == "hide") drawn.form.hide();
    QCOMPARE(panel->isVisible(), stays);
    QCOMPARE(panel->Text(0), stays || then == "hide" ? reason : QString());
    if (then == "hide") {  // shown again with the window, while the line is chosen
        drawn.form.show();
        QVERIFY(panel->isVisible());
    }
}

void TestReportExplorer::labelsStayOnTheCanvas_data() {
    QTest::addColumn<QList<QPoint>>("vertices");
    QTest::newRow("bottom right corner")
        << QList<QPoint>{{220, 180}, {260, 180}, {260, 220}, {220, 220}};
    QTest::newRow("top left corner") << QList<QPoint>{{0, 0}, {40, 0}, {40, 40}, {0, 40}};
    QTest::newRow("along the bottom") << QList<QPoint>{{0, 220}, {260, 220}, {140, 200}};
    QTest::newRow("along the top") << QList<QPoint>{{0, 0}, {260, 0}, {120, 20}};
}

// A chosen figure's vertex numbers are wholly on the canvas, at its edges
// too, tall enough to read at a glance, and clear of the figure's sides;
// each is drawn where it is placed.
void TestReportExplorer::labelsStayOnTheCanvas() {
    QFETCH(QList<QPoint>, vertices);
    MainForm form;
    Canvas* canvas = Picture1(form);
    QList<int> numbers;
    for (int v = 0; v < vertices.size(); ++v) numbers << 10 + v;
    canvas->ShowFigure(vertices, numbers);
    const QRect whole(QPoint(0, 0), canvas->Image().size());
    const QList<QRect> places = canvas->LabelPlaces();
    QCOMPARE(places.size(), vertices.size());
    const QImage composed = canvas->Composed();
    for (const QRect& place : places) {
        QVERIFY2(whole.contains(place), qPrintable(QString("%1,%2 %3x%4")
                                                       .arg(place.x())
                                                       .arg(place.y())
                                                       .arg(place.width())
                                                       .arg(place.height())));
        QVERIFY(place.height() >= 13);
        int red = 0;
        for (int y = place.top(); y <= place.bottom(); ++y) {
            for (int x = place.left(); x <= place.right(); ++x)
                red += IsRed(composed, {x, y}) ? 1 : 0;
        }
        QVERIFY(red > 6);
        for (qsizetype v = 0; v < vertices.size(); ++v) {  // no side runs through a number
            const QLine side(vertices[v], vertices[(v + 1) % vertices.size()]);
            for (int t = 0; t <= 20; ++t) {
                const QPoint on = side.p1() + (side.p2() - side.p1()) * t / 20;
                QVERIFY(!place.adjusted(1, 1, -1, -1).contains(on));
            }
        }
    }
}

PLANE_FIGURES_TEST_MAIN(TestReportExplorer)
#include "tst_reportexplorer.moc"
