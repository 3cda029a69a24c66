// What a screen reader is told: every control's name, and a keyboard path
// through the window in the order of the tab numbers.
#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>

#include "formtest.h"
#include "textbox.h"

using namespace formtest;

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void names_data();
    void names();
    void everyVisibleControlIsNamed();
    void tabKeyWalksTheTabOrder();
    void reportIsReadable();
};

namespace {

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

}  // namespace

void TestAccessibility::names_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("canvas") << "Picture1"
                            << "Посочете връх на фигура";
    QTest::newRow("X list") << "List1_0"
                            << "Абсциса";
    QTest::newRow("Y list") << "List1_1"
                            << "Ордината";
    QTest::newRow("number list") << "List1_3"
                                 << "Номер на точка (N)";
    QTest::newRow("draw") << "Command1_0"
                          << "Чертай";
    QTest::newRow("clear") << "Command1_1"
                           << "Изчисти";
    QTest::newRow("delete") << "Command1_2"
                            << "Изтрий  1 т.";
    QTest::newRow("report") << "Text1_0"
                            << "Резултат";
    QTest::newRow("frame") << "Frame1"
                           << "Брой от вид фигура";
    QTest::newRow("pupil square") << "Text2_5"
                                  << "Квадрат – вашият брой";
    QTest::newRow("program square") << "Text3_5"
                                    << "Квадрат – броят на програмата";
    QTest::newRow("pupil isosceles") << "Text2_0"
                                     << "Равнобедрен триъгълник – вашият брой";
    QTest::newRow("label cut short") << "Label2_2"
                                     << "Равнобедрен правоъгълен триъгълник";
    QTest::newRow("program rhombus") << "Text3_6"
                                     << "Ромб – броят на програмата";
    QTest::newRow("heading") << "Label1_0"
                             << "Върхове на равнинни фигури - координати на точки";
}

void TestAccessibility::names() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    MainForm form;
    QCOMPARE(AccessibleName(form.findChild<QWidget*>(control)), name);
}

void TestAccessibility::everyVisibleControlIsNamed() {
    MainForm form;
    const auto widgets = form.findChildren<QWidget*>(QRegularExpression("^[A-Z][A-Za-z]+[0-9]"));
    QCOMPARE(widgets.size(), 36);  // the window's controls, each named by role and index
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(&form)) continue;
        QVERIFY2(!AccessibleName(widget).trimmed().isEmpty(), qPrintable(widget->objectName()));
    }
}

// Pressing Tab from the report box visits the focusable controls in their
// tab order (the disabled "Чертай" is passed over) and comes back round.
void TestAccessibility::tabKeyWalksTheTabOrder() {
    MainForm form;
    QVERIFY(Show(form));
    QApplication::setActiveWindow(&form);
    Text1(form, 0)->setFocus();
    QTRY_VERIFY(Text1(form, 0)->hasFocus());
    const QStringList expected{
        "List1_0", "List1_1", "Command1_1", "Command1_2", "Picture1", "List1_3", "Text2_0",
        "Text3_0", "Text2_1", "Text3_1",    "Text2_2",    "Text3_2",  "Text2_3", "Text3_3",
        "Text3_4", "Text2_4", "Text3_5",    "Text2_5",    "Text3_6",  "Text2_6", "Text1_0"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

// The report box gives a screen reader the report as lines.
void TestAccessibility::reportIsReadable() {
    MainForm form;
    QVERIFY(Show(form));
    Enter(form, {QPoint(20, 20), QPoint(40, 20), QPoint(20, 40)});
    ClickButton(form, 0);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(Text1(form, 0));
    QVERIFY(face && face->textInterface());
    const QString text = face->textInterface()->text(0, face->textInterface()->characterCount());
    QCOMPARE(text, QStringLiteral("Брой въведени точки: 3\nРавнобедрен и правоъгълен 0,1,2\n"));
}

PLANE_FIGURES_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
