// The window at start-up, its grid, "Изчисти", outlines and its font.
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "formtest.h"
#include "textbox.h"

using namespace formtest;

class TestMainForm : public QObject {
    Q_OBJECT

private slots:
    void controls_data();
    void controls();
    void tabOrder();
    void startUpState();
    void taskStatement();
    void textReadsBackAsWritten();
    void gridLines();
    void dashDotDotPattern();
    void clearEmptiesEverything();
    void outlineIsTwoPixelsSolidAndClosed();
    void fontHasCyrillicTimesMetrics();
};

namespace {

// twips to pixels, as laid out at 96 dpi
QRect Twips(int left, int top, int width, int height) {
    const auto px = [](int t) { return qRound(t / 15.0); };
    return QRect(px(left), px(top), px(width), px(height));
}

QString Caption(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* button = qobject_cast<QPushButton*>(widget)) return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return line->text();
    return QString();
}

QColor Background(QWidget* widget) {
    const auto role =
        qobject_cast<QPushButton*>(widget) ? QPalette::Button : widget->backgroundRole();
    return widget->palette().color(role);
}

const QColor kHeading(255, 192, 128);
const QColor kShapeRow(255, 128, 0);

}  // namespace

void TestMainForm::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("colour");  // invalid: not checked
    QTest::addColumn<bool>("shown");

    const auto row = [](const char* name, QRect place, const QString& caption, QColor colour,
                        bool shown) {
        QTest::newRow(name) << QString::fromLatin1(name) << place << caption << colour << shown;
    };
    row("Label1_0", Twips(840, 0, 5895, 375),
        QStringLiteral("Върхове на равнинни фигури - координати на точки"), kHeading, true);
    row("Label1_1", Twips(5160, 480, 1335, 305), QStringLiteral("Абсциса"), kHeading, true);
    row("Label1_2", Twips(6480, 480, 1215, 305), QStringLiteral("Ордината"), kHeading, true);
    row("Label1_3", Twips(120, 480, 3975, 305), QStringLiteral("Посочете връх на фигура"), kHeading,
        true);
    row("Label1_4", Twips(4320, 480, 855, 305), QStringLiteral("N"), kHeading, true);
    row("Picture1", Twips(120, 840, 4000, 3500), QString(), QColor(), true);
    row("List1_3", Twips(4320, 770, 855, 915), QString(), QColor(), true);
    row("List1_0", Twips(5160, 770, 1335, 915), QString(), QColor(), true);
    row("List1_1", Twips(6480, 770, 1215, 915), QString(), QColor(), true);
    row("Frame1", Twips(4320, 1680, 3375, 3255), QStringLiteral("Брой от вид фигура"),
        QColor(192, 192, 255), true);
    const QStringList kinds{"Равнобедрен тр.",
                            "Правоъгълен тр.",
                            "Прав-равнобедрен",
                            "Успоредник",
                            "Правоъгълник",
                            "Квадрат",
                            "Ромб"};
    for (int k = 0; k < 7; ++k) {
        const int top = 240 + 360 * k;
        const QByteArray label = "Label2_" + QByteArray::number(k);
        const QByteArray pupil = "Text2_" + QByteArray::number(k);
        const QByteArray count = "Text3_" + QByteArray::number(k);
        row(label, Twips(120, top, 2175, 405), kinds[k], k < 3 ? kHeading : kShapeRow, true);
        row(pupil, Twips(2280, top, 495, 405), QString(), QColor(), true);
        row(count, Twips(2760, top, 495, 405), QString(), QColor(), true);
    }
    row("Command1_0", Twips(120, 4440, 1095, 375), QStringLiteral("Чертай"), QColor(128, 255, 128),
        true);
    row("Command1_1", Twips(1320, 4440, 1095, 375), QStringLiteral("Изчисти"), QColor(255, 0, 0),
        true);
    row("Command1_2", Twips(2640, 4440, 1455, 375), QStringLiteral("Изтрий  1 т."),
        QColor(192, 0, 192), true);
    row("Text1_0", Twips(120, 4920, 7575, 1815), QString(), QColor(), true);
    row("Text1_1", Twips(1560, 5040, 6735, 1815), QString(), QColor(), false);
}

// Every control at its place and size, with its caption, colour and visibility.
void TestMainForm::controls() {
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(QString, caption);
    QFETCH(QColor, colour);
    QFETCH(bool, shown);
    MainForm form;
    auto* widget = form.findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->geometry(), place);
    if (!caption.isNull()) QCOMPARE(Caption(widget), caption);
    if (colour.isValid()) {
        QCOMPARE(Background(widget), colour);
        QVERIFY(widget->autoFillBackground() || qobject_cast<QPushButton*>(widget));
    }
    QCOMPARE(widget->isVisibleTo(&form), shown);
    QCOMPARE(widget->font(), form.font());  // no control has a font of its own
}

// Tab goes through the controls in the order of their tab numbers; the
// captions, the frame and hidden controls are passed over.
void TestMainForm::tabOrder() {
    MainForm form;
    const QStringList expected{"Text1_0",    "List1_0",  "List1_1", "Command1_0", "Command1_1",
                               "Command1_2", "Picture1", "List1_3", "Text2_0",    "Text3_0",
                               "Text2_1",    "Text3_1",  "Text2_2", "Text3_2",    "Text2_3",
                               "Text3_3",    "Text3_4",  "Text2_4", "Text3_5",    "Text2_5",
                               "Text3_6",    "Text2_6"};
    QStringList chain;
    QWidget* widget = form.findChild<QWidget*>("Text1_0");
    for (int steps = 0; steps < 400 && chain.size() < expected.size(); ++steps) {
        if (widget->focusPolicy() & Qt::TabFocus && widget->isVisibleTo(&form) &&
            !widget->objectName().isEmpty()) {
            chain << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    }
    QCOMPARE(chain, expected);
}

void TestMainForm::startUpState() {
    MainForm form;
    QVERIFY(!Command1(form, 0)->isEnabled());
    QVERIFY(Command1(form, 1)->isEnabled());
    QVERIFY(Command1(form, 2)->isEnabled());
    for (const std::size_t i : {0u, 1u, 3u}) QCOMPARE(List1(form, i)->ListCount(), 0);
    for (int k = 0; k < 7; ++k) {
        QCOMPARE(Text2(form, k)->text(), QString());
        QCOMPARE(Text3(form, k)->text(), QString());
        QVERIFY(!Text2(form, k)->isReadOnly());
        QVERIFY(Text3(form, k)->isReadOnly());
    }
    QVERIFY(Text1(form, 0)->isReadOnly());
    QCOMPARE(Text1(form, 0)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(form.PointCount(), 0);
    QCOMPARE(form.GridStep(), short(20));
    QCOMPARE(form.CanvasWidth(), short(263));  // a 2-pixel border inside 267 x 233
    QCOMPARE(form.CanvasHeight(), 229.0f);
    QCOMPARE(Picture1(form)->Image().size(), QSize(263, 229));
    QCOMPARE(form.size(), QSize(517, 450));
    QCOMPARE(form.minimumSize(), form.maximumSize());  // the window does not resize
    QCOMPARE(form.windowTitle(),
             QStringLiteral("https://plane-figures.example Математика - координати на върхове"));
    QVERIFY(form.windowTitle().section(' ', 0, 0).endsWith(".example"));
    QCOMPARE(form.palette().color(QPalette::Window), QColor(128, 128, 255));
    QVERIFY(!form.windowIcon().isNull());
    QVERIFY(form.windowIcon().availableSizes().contains(QSize(32, 32)));
}

// The task statement: 21 lines with CR LF, its double and trailing blanks kept.
void TestMainForm::taskStatement() {
    MainForm form;
    const QString text = Text1(form, 0)->Text();
    QVERIFY(text.endsWith("\r\n"));
    const QStringList lines = text.split("\r\n");
    QCOMPARE(lines.size(), 22);  // 21 lines and the empty rest after the last CR LF
    QVERIFY(lines[0].startsWith("Да се реализира проект"));
    QVERIFY(lines[3].contains("да се  проверява"));
    QVERIFY(lines[6].endsWith("фигури. "));
    QVERIFY(lines[7].endsWith("формират. "));
    QVERIFY(lines[12].contains("успоредни  и равни"));
    QCOMPARE(lines[15], QString());
    QCOMPARE(lines[17],
             QStringLiteral("За сбора от квадратите на диагоналите за всеки трапец е изпълнено: "));
    QCOMPARE(lines[18], QStringLiteral("d1*d1 + d2*d2 = c*c + d*d + 2*a*b "));
    QCOMPARE(lines[20], QStringLiteral("d1*d1 - d2*d2 = (a + b)*(d*d - c*c )/(a-b)"));
    QCOMPARE(Text1(form, 1)->Text(),
             QStringLiteral("Неприятното в това да си първият, направил нещо по \r\n"
                            "правилния начин, е, че никой не оценява колко трудно е \r\n"
                            "било. \r\n"));
}

// A text box reads back what was written while showing it as lines.
void TestMainForm::textReadsBackAsWritten() {
    TextBox box;
    const QStringList texts{"", "one\r\n", "a\r\nb\r\n\r\nc", "trailing  \r\n", "no line end"};
    for (const QString& text : texts) {
        box.SetText(text);
        QCOMPARE(box.Text(), text);
        QVERIFY(!box.toPlainText().contains('\r'));
        QCOMPARE(box.document()->blockCount(), qMax(1, int(text.count("\r\n")) + 1));
    }
}

// A line every 20 pixels from 0 in each direction, horizontal ones running to
// the right edge and vertical ones to the bottom, dashed, nothing in between.
void TestMainForm::gridLines() {
    MainForm form;
    const QImage& image = Picture1(form)->Image();
    const auto black = [&](int x, int y) { return QColor(image.pixel(x, y)) == Qt::black; };
    for (int y = 0; y < image.height(); ++y) {
        bool any = false, gap = false, reaches_edge = false;
        for (int x = 0; x < image.width(); ++x) {
            if (x % 20 == 0) continue;  // crossing points belong to vertical lines too
            any = any || black(x, y);
            gap = gap || !black(x, y);
            reaches_edge = reaches_edge || (x > image.width() - 12 && black(x, y));
        }
        QVERIFY2(any == (y % 20 == 0), qPrintable(QString("row %1").arg(y)));
        if (any) QVERIFY2(gap && reaches_edge, qPrintable(QString("row %1").arg(y)));
    }
    for (int x = 0; x < image.width(); ++x) {
        bool any = false, gap = false, reaches_edge = false;
        for (int y = 0; y < image.height(); ++y) {
            if (y % 20 == 0) continue;
            any = any || black(x, y);
            gap = gap || !black(x, y);
            reaches_edge = reaches_edge || (y > image.height() - 12 && black(x, y));
        }
        QVERIFY2(any == (x % 20 == 0), qPrintable(QString("column %1").arg(x)));
        if (any) QVERIFY2(gap && reaches_edge, qPrintable(QString("column %1").arg(x)));
    }
    QCOMPARE(Picture1(form)->DrawWidth(), 1);
}

// A one-pixel line shows dash, dot, dot; a wider one is solid.
void TestMainForm::dashDotDotPattern() {
    CanvasImage canvas(QSize(104, 24));
    canvas.SetBackColor(Qt::white);
    canvas.SetDrawStyle(CanvasImage::kDashDotDot);
    canvas.SetDrawWidth(1);
    canvas.Line({0, 5}, {100, 5}, Qt::black);
    canvas.SetDrawWidth(2);
    canvas.Line({0, 15}, {100, 15}, Qt::black);
    const QImage& image = canvas.Image();
    QList<int> runs;  // lengths of the black runs of the thin line
    int run = 0;
    for (int x = 0; x < 100; ++x) {
        if (QColor(image.pixel(x, 5)) == Qt::black) {
            ++run;
        } else if (run > 0) {
            runs << run;
            run = 0;
        }
    }
    QVERIFY(runs.size() >= 6);
    // repeating dash, dot, dot: each dash is followed by two shorter dots
    for (int i = 0; i + 2 < runs.size(); i += 3) {
        QVERIFY(runs[i] > runs[i + 1]);
        QCOMPARE(runs[i + 1], runs[i + 2]);
        QCOMPARE(runs[i], runs[0]);
    }
    for (int x = 1; x < 99; ++x) QCOMPARE(QColor(image.pixel(x, 15)), QColor(Qt::black));
}

// "Изчисти" empties the report, the lists and both count columns and leaves the
// canvas as at start-up; pressing it twice is the same as once.
void TestMainForm::clearEmptiesEverything() {
    MainForm fresh;
    MainForm form;
    QVERIFY(Show(form));
    Enter(form, {QPoint(20, 20), QPoint(100, 20), QPoint(100, 100), QPoint(20, 100)});
    ClickButton(form, 0);
    QVERIFY(Text1(form, 0)->Text().startsWith(QStringLiteral("Брой въведени точки: 4")));
    for (int k = 0; k < 7; ++k) QTest::keyClicks(Text2(form, k), "12");
    QVERIFY(Picture1(form)->Image() != Picture1(fresh)->Image());

    for (int press = 0; press < 2; ++press) {
        ClickButton(form, 1);
        QCOMPARE(Text1(form, 0)->Text(), QString());
        QCOMPARE(form.PointCount(), 0);
        for (int i : {0, 1, 3}) QCOMPARE(List1(form, i)->ListCount(), 0);
        for (int k = 0; k < 7; ++k) {
            QCOMPARE(Text2(form, k)->text(), QString());
            QCOMPARE(Text3(form, k)->text(), QString());
        }
        QVERIFY(!Command1(form, 0)->isEnabled());
        QCOMPARE(Picture1(form)->Image(), Picture1(fresh)->Image());
    }
    // with nothing entered it still repaints and empties the report box
    ClickButton(fresh, 1);
    QCOMPARE(Text1(fresh, 0)->Text(), QString());
    QCOMPARE(Picture1(fresh)->Image(), Picture1(form)->Image());
}

// A square's outline: 2 pixels across, solid, olive, on all four sides
// including the closing one from the last corner back to the first.
void TestMainForm::outlineIsTwoPixelsSolidAndClosed() {
    MainForm form;
    QVERIFY(Show(form));
    Enter(form, {QPoint(40, 40), QPoint(120, 40), QPoint(120, 120), QPoint(40, 120)});
    ClickButton(form, 0);
    const QColor olive(128, 128, 0);
    const QImage& image = Picture1(form)->Image();
    const auto across = [&](QPoint from, QPoint step) {  // olive pixels crossing a side
        int n = 0;
        for (int i = -4; i <= 4; ++i) n += QColor(image.pixel(from + i * step)) == olive ? 1 : 0;
        return n;
    };
    for (int t = 46; t <= 114; ++t) {
        QCOMPARE(across(QPoint(t, 40), QPoint(0, 1)), 2);   // top
        QCOMPARE(across(QPoint(120, t), QPoint(1, 0)), 2);  // right
        QCOMPARE(across(QPoint(t, 120), QPoint(0, 1)), 2);  // bottom
        QCOMPARE(across(QPoint(40, t), QPoint(1, 0)), 2);   // left: the closing side
    }
    QCOMPARE(Picture1(form)->DrawWidth(), 2);
    // the next point is still marked 5 pixels across (row 181 has no grid line)
    ClickCanvas(form, 200, 180);
    int dot = 0;
    for (int x = 190; x <= 210; ++x) dot += Pixel(form, x, 181) == Qt::black ? 1 : 0;
    QCOMPARE(dot, 5);
}

// Times New Roman 12 pt, or a face with its metrics, that can show Cyrillic.
void TestMainForm::fontHasCyrillicTimesMetrics() {
    MainForm form;
    const QFontInfo info(form.font());
    QVERIFY2(info.family() == "Times New Roman" || info.family() == "Liberation Serif",
             qPrintable("resolved to " + info.family() + "; install fonts-liberation2"));
    QCOMPARE(info.pointSize(), 12);
    QVERIFY(!info.bold());
    QVERIFY(!info.italic());
    QVERIFY(QFontDatabase::writingSystems(info.family()).contains(QFontDatabase::Cyrillic));
    const QFontMetrics metrics(form.font());
    for (const char32_t c : {U'Ж', U'ъ', U'Щ', U'ю'}) QVERIFY(metrics.inFontUcs4(c));
}

PLANE_FIGURES_TEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
