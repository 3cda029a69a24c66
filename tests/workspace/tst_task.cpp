// A class set's variant opened as the pupil's task: its panel beside the
// window, its points that stay, "Провери" kind by kind, the hints in their
// stages, "Чертай" and the answer sheet kept back until the counts are right
// or the answers shown, and the task saved with the pupil's lines.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <bit>

#include "figureanalysis.h"
#include "formtest.h"
#include "handedin.h"
#include "hints.h"
#include "kindnames.h"
#include "pupiltext.h"
#include "qtpoint.h"
#include "sheetcontent.h"
#include "sidepanel.h"
#include "taskcommands.h"
#include "taskpanel.h"

using namespace formtest;
using plane_figures::AnalysisResult;
using plane_figures::FigureAnalysis;
using plane_figures::GridPoint;

namespace {

const char kVariantLine[] =
    "# Равнинни фигури: вариант 7 от 25, код 48213, точки 10, видове 1,2,3,4,5,6,7\n";
// a lattice of nine nodes: squares upright and tilted, triangles of each kind
const QList<QPoint> kPoints{{40, 40},  {80, 40},  {120, 40}, {40, 80},  {80, 80},
                            {120, 80}, {40, 120}, {80, 120}, {120, 120}};

QByteArray PointLines() {
    QByteArray text;
    for (const QPoint& p : kPoints)
        text += QByteArray::number(p.x()) + ' ' + QByteArray::number(p.y()) + '\n';
    return text;
}

QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& text) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) qFatal("not written");
    return path;
}

AnalysisResult TrueResult() {
    std::vector<GridPoint> points;
    for (const QPoint& p : kPoints) points.push_back({p.x(), p.y()});
    return FigureAnalysis().Run(points);
}

QAction* Command(const MainForm& form, const char* name) {
    for (QAction* action : form.actions()) {
        if (action->objectName() == QLatin1String(name)) return action;
    }
    return nullptr;
}

QList<QPoint> PointsOf(const MainForm& form) {
    QList<QPoint> points;
    for (const GridPoint p : form.Model().Points().Points()) points << ToQPoint(p);
    return points;
}

// as typed: the box tells the model of each change
void Type(MainForm& form, const QStringList& counts) {
    for (std::size_t k = 0; k < CountFrame::kRows; ++k)
        Text2(form, k)->setText(counts.value(static_cast<int>(k)));
}

QStringList RightCounts() {
    QStringList counts;
    for (const int count : TrueResult().counts)
        counts << (count == 0 ? QString() : QString::number(count));
    return counts;
}

// A window with the task open; its prompts caught.
struct TaskWindow : PromptedWindow {
    QTemporaryDir dir;
    QString path;
    QStringList asked_lines;
    QString name = QStringLiteral("Иван Петров, 6 а");
    bool yes = false;
    explicit TaskWindow(const QByteArray& extra_lines = {},
                        const QByteArray& variant_line = kVariantLine) {
        path = Write(dir, "вариант-07.pfig", variant_line + extra_lines + PointLines());
        Prompts prompts;
        prompts.tell = [this](QMessageBox::Icon, const QString& text) { told << text; };
        prompts.file_to_save = [this](const QString& offered_name) {
            offered << offered_name;
            return file_to_save;
        };
        prompts.save_before_closing = [this](const QString& text) {
            asked << text;
            return answer;
        };
        prompts.confirm = [this](const QString& text) {
            asked << text;
            return yes;
        };
        prompts.line = [this](const QString& label) {
            asked_lines << label;
            return name;
        };
        form.SetPrompts(prompts);
        if (!form.OpenFile(path)) qFatal("task not opened");
    }
    const TaskPanel* Panel() { return form.Task().Panel(); }
};

}  // namespace

class TestTask : public QObject {
    Q_OBJECT

private slots:
    void opensBesideTheWindow();
    void pointsStay_data();
    void pointsStay();
    void checkSaysKindByKind_data();
    void checkSaysKindByKind();
    void drawWhenRightOrAnswersShown();
    void hintsInStages();
    void savedWithThePupilsLines();
    void plainFileAsBefore();
    void leavingFreesThePoints();
    void anotherFileAsksFirst_data();
    void anotherFileAsksFirst();
    void kindNamesAreKnown();
    void onlyTheKindsAsked_data();
    void onlyTheKindsAsked();
    void hintsOfTheKindsAsked_data();
    void hintsOfTheKindsAsked();
    void textsNameNoKindNotAsked();
};

void TestTask::opensBesideTheWindow() {
    TaskWindow window;
    QVERIFY(window.form.Model().Task() != nullptr);
    QCOMPARE(PointsOf(window.form), kPoints);
    QVERIFY(window.Panel() != nullptr);
    auto* side = window.form.findChild<SidePanel*>();
    QTRY_VERIFY(side->isVisible());
    QVERIFY(window.Panel()->isVisible() && window.Panel()->window() == side);
    // beside the window, never over it
    QVERIFY(!side->frameGeometry().intersects(window.form.frameGeometry()));
    QVERIFY(!(side->windowFlags() & Qt::WindowTransparentForInput));  // its buttons take clicks
    QVERIFY(!Command1(window.form, 0)->isEnabled());
    QVERIFY(!Command(window.form, "print-answers")->isEnabled());
    QVERIFY(!Command(window.form, "export-answers")->isEnabled());
    QVERIFY(Command(window.form, "check")->isEnabled());
    // the report box's menu offers the task's commands
    const auto menu = Text1(window.form, 0)->CreateMenu({});
    QStringList texts;
    for (const QAction* action : menu->actions()) texts << action->text();
    QVERIFY(texts.contains("Провери") && texts.contains("Подсказка") &&
            texts.contains("Напусни задачата"));
    // opening it is no step to undo
    QVERIFY(!window.form.Model().CanUndo());
}

void TestTask::pointsStay_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("said");  // the panel says why
    QTest::newRow("click on the canvas") << "click" << true;
    QTest::newRow("Изтрий  1 т. on a chosen point") << "delete" << true;
    QTest::newRow("Изтрий  1 т. with none chosen") << "delete-none" << true;
    QTest::newRow("Delete in a point list") << "delete-key" << true;
    QTest::newRow("Изчисти") << "clear" << true;
    QTest::newRow("Ctrl+Z") << "undo" << false;
    QTest::newRow("Ctrl+Y") << "redo" << false;
}

void TestTask::pointsStay() {
    QFETCH(QString, step);
    QFETCH(bool, said);
    TaskWindow window;
    MainForm& form = window.form;
    const QImage canvas = Picture1(form)->Image();
    if (step == "click") ClickCanvas(form, 160, 160);
    if (step.startsWith("delete") && step != "delete-none") {
        ClickRow(List1(form, 0), 2);
        QCOMPARE(form.Model().Chosen(), 2);
    }
    if (step == "delete" || step == "delete-none") ClickButton(form, 2);
    if (step == "delete-key") QTest::keyClick(List1(form, 0), Qt::Key_Delete);
    if (step == "clear") ClickButton(form, 1);
    if (step == "undo") QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
    if (step == "redo") QTest::keyClick(&form, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(PointsOf(form), kPoints);
    QCOMPARE(form.Model().Session().Steps().Count(), 0);
    if (step != "delete" && step != "delete-key") QCOMPARE(Picture1(form)->Image(), canvas);
    QCOMPARE(window.Panel()->Said(), said ? Shown(PupilText().PointsLocked()) : QString());
}

void TestTask::checkSaysKindByKind_data() {
    QTest::addColumn<QStringList>("typed");
    const QStringList right = RightCounts();
    QStringList more, fewer, letters, negative;
    for (int k = 0; k < right.size(); ++k) {
        const int count = right[k].toInt();
        more << QString::number(count + 3);
        fewer << (count > 0 ? QString::number(count - 1) : QString("0"));
        letters << (k % 2 == 0 ? QString("5 ц") : right[k]);
        negative << (k == 1 ? QString("-5") : right[k]);
    }
    QTest::newRow("all empty") << QStringList(7, QString());
    QTest::newRow("all too many") << more;
    QTest::newRow("one fewer each") << fewer;
    QTest::newRow("words in some boxes") << letters;
    QTest::newRow("a count below zero") << negative;
    QTest::newRow("all right, blanks around")
        << QStringList(right).replaceInStrings(QRegularExpression("^(.+)$"), " \\1 ");
}

void TestTask::checkSaysKindByKind() {
    QFETCH(QStringList, typed);
    TaskWindow window;
    Type(window.form, typed);
    QTest::keyClick(&window.form, Qt::Key_F5);
    if (typed.join(QString()).trimmed().isEmpty()) {  // nothing written: no check
        QCOMPARE(window.Panel()->Said(), Shown(PupilText().WriteCountsFirst()));
        QCOMPARE(window.form.Model().Task()->Checks(), 0);
        QVERIFY(window.Panel()->Verdicts().isEmpty());
        return;
    }
    const std::array<int, 7> counts = TrueResult().counts;
    QStringList expected;
    for (int k = 0; k < 7; ++k) {
        const QString box = typed[k].trimmed();
        const int count = counts[static_cast<std::size_t>(k)];
        bool number = false;
        const int value = box.toInt(&number);
        plane_figures::task::Verdict said = plane_figures::task::Verdict::kRight;
        if (box.isEmpty()) {
            said = count == 0 ? plane_figures::task::Verdict::kRight
                              : plane_figures::task::Verdict::kEmpty;
        } else if (!number || value < 0) {  // a count is 0, 1, 2, …
            said = plane_figures::task::Verdict::kNoNumber;
        } else if (value != count) {
            said = value < count ? plane_figures::task::Verdict::kMore
                                 : plane_figures::task::Verdict::kFewer;
        }
        expected << Shown(PupilText().Verdict(k, said));
        // the box itself says it to a screen reader
        QCOMPARE(Text2(window.form, static_cast<std::size_t>(k))->accessibleDescription(),
                 expected.last());
    }
    const QString verdicts = window.Panel()->Verdicts();
    QCOMPARE(verdicts.split('\n').mid(0, 7), expected);
    // no count given away (what a count looks like is no answer)
    QVERIFY2(
        !QString(verdicts).remove(QStringLiteral("0, 1, 2, …")).contains(QRegularExpression("\\d")),
        qPrintable(verdicts));
    QCOMPARE(window.form.Model().Task()->Checks(), 1);
    QTest::keyClick(&window.form, Qt::Key_F5);
    QCOMPARE(window.form.Model().Task()->Checks(), 2);
    const bool all_right = window.form.Model().Task()->WrongKinds().empty();
    QCOMPARE(Command1(window.form, 0)->isEnabled(), all_right);
    QCOMPARE(Command(window.form, "print-answers")->isEnabled(), all_right);
}

void TestTask::drawWhenRightOrAnswersShown() {
    {
        TaskWindow window;
        Type(window.form, RightCounts());
        QVERIFY(!Command1(window.form, 0)->isEnabled());  // not before the check
        window.form.Task().Check();
        QVERIFY(Command1(window.form, 0)->isEnabled());
        ClickButton(window.form, 0);
        QCOMPARE(Text3(window.form, 5)->text(), RightCounts()[5]);
    }
    TaskWindow window;
    window.form.Task().ShowAnswers();  // the pupil says no
    QCOMPARE(window.asked.size(), 1);
    QVERIFY(!Command1(window.form, 0)->isEnabled() && !window.form.Model().Task()->AnswersShown());
    window.yes = true;
    window.form.Task().ShowAnswers();
    QVERIFY(Command1(window.form, 0)->isEnabled() && window.form.Model().Task()->AnswersShown());
    QVERIFY(Command(window.form, "export-answers")->isEnabled());
    for (std::size_t k = 0; k < 7; ++k)
        QCOMPARE(Text3(window.form, k)->text(), RightCounts()[static_cast<int>(k)]);
    QVERIFY(!Command(window.form, "answers")->isEnabled());
}

void TestTask::hintsInStages() {
    TaskWindow window;
    MainForm& form = window.form;
    window.form.Task().Hint();  // before any check
    QCOMPARE(window.Panel()->Said(), Shown(PupilText().CheckFirst()));
    QCOMPARE(form.Model().Task()->HintsUsed(), 0);
    // every box right but the squares', left empty
    QStringList typed = RightCounts();
    typed[plane_figures::kSquare] = QString();
    Type(form, typed);
    QTest::keyClick(&form, Qt::Key_F5);
    QCOMPARE(window.Panel()->HintKind(), int(plane_figures::kSquare));
    const AnalysisResult result = TrueResult();
    const plane_figures::task::Hints hints = plane_figures::task::HintsFor(
        result, plane_figures::kSquare, plane_figures::task::Verdict::kEmpty);
    QVERIFY(hints.figures.size() >= 2);
    QTest::keyClick(&form, Qt::Key_F6);
    QCOMPARE(window.Panel()->Said(),
             Shown(PupilText().HintSentence(plane_figures::kSquare, hints.first)));
    QVERIFY(!Picture1(form)->ShowsFigure());
    auto* side = form.findChild<SidePanel*>();
    for (std::size_t i = 0; i < hints.figures.size(); ++i) {
        QTest::keyClick(&form, Qt::Key_F6);
        QCOMPARE(window.Panel()->Said(), Shown(PupilText().HintFigure(plane_figures::kSquare)));
        // the figure drawn over the canvas as a chosen report line draws it
        const auto& figure = result.figures[static_cast<std::size_t>(hints.figures[i])];
        QList<QPoint> vertices;
        QList<int> numbers;
        for (int v = 0; v < figure.vertex_count; ++v) {
            vertices << kPoints[figure.outline[static_cast<std::size_t>(v)]];
            numbers << figure.outline[static_cast<std::size_t>(v)];
        }
        const QImage hinted = Picture1(form)->Composed();
        Picture1(form)->ShowFigure(vertices, numbers);
        QCOMPARE(Picture1(form)->Composed(), hinted);
        QVERIFY(side->Text(0).startsWith("Квадрат"));
        QCOMPARE(form.Model().Task()->HintsUsed(), static_cast<int>(i) + 2);
    }
    QTest::keyClick(&form, Qt::Key_F6);  // nothing left: said, not counted
    QCOMPARE(window.Panel()->Said(), Shown(PupilText().NoHintLeft(plane_figures::kSquare)));
    QCOMPARE(form.Model().Task()->HintsUsed(), static_cast<int>(hints.figures.size()) + 1);
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The pupil's work goes to a file of his own, never into the variant's: the
// next pupil opens the teacher's task as it was made.
void TestTask::savedWithThePupilsLines() {
    TaskWindow window;
    const QByteArray variant = Bytes(window.path);
    QStringList typed = RightCounts();
    typed[0] = "1";
    typed[6] = "";
    Type(window.form, typed);
    QTest::keyClick(&window.form, Qt::Key_F5);
    QVERIFY(window.form.Model().Unsaved());
    // straight into the variant's file: refused, said why
    QVERIFY(!window.form.SaveFile(window.path));
    QVERIFY(window.told.last().contains(QDir::toNativeSeparators(window.path)));
    // Ctrl+S: his name first, then his own file in his documents
    window.file_to_save = window.dir.filePath("моята работа");
    QTest::keyClick(&window.form, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(window.asked_lines, QStringList{Shown(PupilText().NameQuestion())});
    QCOMPARE(window.offered.last(),
             QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                 .filePath("вариант-07 – Иван Петров, 6 а.pfig"));
    const QString own = window.dir.filePath("моята работа.pfig");
    QVERIFY(!window.form.Model().Unsaved());
    QCOMPARE(Bytes(window.path), variant);
    const auto read = plane_figures::task::Read(Bytes(own).toStdString());
    QVERIFY(read && read->pupil);
    QCOMPARE(read->variant.number, 7);
    QCOMPARE(QString::fromStdString(read->pupil->pupil), window.name);
    QCOMPARE(read->pupil->checks, 1);
    for (std::size_t k = 0; k < 7; ++k) {
        const QString box = typed[static_cast<int>(k)];
        QCOMPARE(read->pupil->answer[k],
                 box.isEmpty() ? std::nullopt : std::optional<int>(box.toInt()));
    }
    QVERIFY(Bytes(own).endsWith(PointLines()));
    // opened again: the counts in their boxes, the checks and the name kept,
    // and Ctrl+S offers his own file, asking no name
    TaskWindow again;
    QVERIFY(again.form.OpenFile(own));
    for (std::size_t k = 0; k < 7; ++k)
        QCOMPARE(Text2(again.form, k)->text(), typed[static_cast<int>(k)]);
    QCOMPARE(again.form.Model().Task()->Checks(), 1);
    QVERIFY(!again.form.Model().Unsaved());
    again.file_to_save = own;
    QTest::keyClick(&again.form, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(again.offered.last(), own);
    QVERIFY(again.asked_lines.isEmpty());
    // the variant opened anew is the untouched task, and leaving it with
    // "Запиши" asks for the new pupil's own file in the folder last saved in
    TaskWindow next;
    const QByteArray next_variant = Bytes(next.path);
    next.name = "Ани Колева, 6 б";
    Type(next.form, QStringList{"2"});
    next.answer = QMessageBox::Save;
    next.file_to_save = next.dir.filePath("ани.pfig");
    QVERIFY(next.form.SaveFile(next.dir.filePath("първо.pfig")));  // a folder of her own
    QTest::keyClick(&next.form, Qt::Key_L, Qt::ControlModifier);   // already saved: not asked
    QVERIFY(next.form.OpenFile(next.path));
    QVERIFY(next.form.Model().Task()->Pupil().empty());
    Type(next.form, QStringList{"3"});
    next.name = "Ани Колева, 6 б";
    QVERIFY(next.form.OpenFile(next.path));  // asked, "Запиши": her own file, not the variant
    QCOMPARE(next.offered.last(), next.dir.filePath("вариант-07 – Ани Колева, 6 б.pfig"));
    QCOMPARE(Bytes(next.path), next_variant);
    QVERIFY(Bytes(next.dir.filePath("ани.pfig")).contains("# отговор: 3 "));
    // a pupil who gives no name saves nothing, told why, his work kept
    TaskWindow nameless;
    nameless.name.clear();
    Type(nameless.form, QStringList{"4"});
    nameless.file_to_save = nameless.dir.filePath("x.pfig");
    QTest::keyClick(&nameless.form, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!QFile::exists(nameless.file_to_save) && nameless.form.Model().Unsaved());
    QCOMPARE(nameless.told.size(), 1);
    QCOMPARE(Text2(nameless.form, 0)->text(), "4");
}

void TestTask::plainFileAsBefore() {
    PromptedWindow window;
    QTemporaryDir dir;
    const QString path = Write(dir, "точки.pfig", "# точки\n" + PointLines());
    QVERIFY(window.form.OpenFile(path));
    QVERIFY(window.form.Model().Task() == nullptr && window.form.Task().Panel() == nullptr);
    QVERIFY(Command1(window.form, 0)->isEnabled());
    QVERIFY(!Command(window.form, "check")->isEnabled());
    QTest::keyClick(&window.form, Qt::Key_F5);  // no task: nothing happens
    ClickCanvas(window.form, 160, 160);
    QCOMPARE(window.form.PointCount(), kPoints.size() + 1);
    QTest::keyClick(&window.form, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(PointsOf(window.form), kPoints);
}

void TestTask::leavingFreesThePoints() {
    TaskWindow window;
    window.answer = QMessageBox::Discard;
    Type(window.form, QStringList{"1"});
    QTest::keyClick(&window.form, Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(window.asked.size(), 1);  // the typed count is no saved work
    QVERIFY(window.form.Model().Task() == nullptr && window.form.Task().Panel() == nullptr);
    QVERIFY(Command1(window.form, 0)->isEnabled());
    QVERIFY(Command(window.form, "print-answers")->isEnabled());
    ClickCanvas(window.form, 160, 160);
    QCOMPARE(window.form.PointCount(), kPoints.size() + 1);
    QTest::keyClick(&window.form, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(PointsOf(window.form), kPoints);
}

void TestTask::anotherFileAsksFirst_data() {
    QTest::addColumn<bool>("typed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("opened");
    QTest::newRow("nothing to save") << false << int(QMessageBox::Cancel) << true;
    QTest::newRow("a count typed, kept") << true << int(QMessageBox::Cancel) << false;
    QTest::newRow("a count typed, let go") << true << int(QMessageBox::Discard) << true;
}

// A task's counts and checks are no step to undo: opening another file over
// them asks first.
void TestTask::anotherFileAsksFirst() {
    QFETCH(bool, typed);
    QFETCH(int, answer);
    QFETCH(bool, opened);
    TaskWindow window;
    window.answer = static_cast<QMessageBox::StandardButton>(answer);
    if (typed) Type(window.form, QStringList{"1"});
    const QString plain = Write(window.dir, "точки.pfig", "# точки\n" + PointLines());
    QCOMPARE(window.form.OpenFile(plain), opened);
    QCOMPARE(window.asked.size(), typed ? 1 : 0);
    QCOMPARE(window.form.Model().Task() == nullptr, opened);
    QCOMPARE(Text2(window.form, 0)->text(), typed && !opened ? QString("1") : QString());
}

namespace {

// the variant line of a set that asks for kinds (rows from 1, as --kinds)
QByteArray VariantLineOf(const char* kinds) {
    return QByteArray("# Равнинни фигури: вариант 7 от 25, код 48213, точки 10, видове ") + kinds +
           '\n';
}

unsigned AskedOf(const QString& kinds) {
    unsigned asked = 0;
    for (const QString& row : kinds.split(',')) asked |= 1u << (row.toInt() - 1);
    return asked;
}

}  // namespace

// The helper that tells a kind named: each kind's name and plural name it
// alone.
void TestTask::kindNamesAreKnown() {
    for (int k = 0; k < 7; ++k) {
        for (const QString& name : {Shown(plane_figures::session::PupilTexts::KindName(k)),
                                    Shown(PupilText().KindPlural(k))}) {
            QCOMPARE(kindnames::NamedOutside(name, 0), QList<int>{k});
            QVERIFY(kindnames::NamedOutside(name, 1u << k).isEmpty());
        }
    }
    QVERIFY(kindnames::NamedOutside("квадратчета, успоредни страни, прав ъгъл", 0).isEmpty());
}

void TestTask::onlyTheKindsAsked_data() {
    QTest::addColumn<QString>("kinds");
    QTest::newRow("1,2,6") << "1,2,6";
    QTest::newRow("4,5,6,7") << "4,5,6,7";
    QTest::newRow("3") << "3";
    QTest::newRow("1,5") << "1,5";
}

// A task of some kinds: the others' boxes say they are not asked from the
// start, are not judged whatever they hold, and hold "Чертай" back in no
// way; the kinds asked right release it.
void TestTask::onlyTheKindsAsked() {
    QFETCH(QString, kinds);
    const unsigned asked = AskedOf(kinds);
    TaskWindow window({}, VariantLineOf(qPrintable(kinds)));
    const auto* task = window.form.Model().Task();
    QVERIFY(task != nullptr);
    QCOMPARE(task->AskedKinds(), asked);
    for (std::size_t k = 0; k < 7; ++k) {
        const bool is_asked = asked >> k & 1u;
        QCOMPARE(Text2(window.form, k)->accessibleDescription(),
                 is_asked ? QString()
                          : Shown(PupilText().Verdict(static_cast<int>(k),
                                                      plane_figures::task::Verdict::kNotAsked)));
    }
    // the panel says which kinds to count, and no other
    const QString instruction = Shown(PupilText().Instruction(asked));
    QVERIFY2(kindnames::NamedOutside(instruction, asked).isEmpty(), qPrintable(instruction));
    QVERIFY(window.Panel()->findChildren<QLabel*>().size() > 0);
    bool shown = false;
    for (const QLabel* label : window.Panel()->findChildren<QLabel*>())
        shown = shown || label->text() == instruction;
    QVERIFY(shown);
    // the pupil's own worksheet asks the same kinds, and its note names no other
    const SheetContent sheet = SheetOf(window.form.Model(), Sheet::kWorksheet, {}, {}, {});
    QCOMPARE(sheet.kinds.size(), std::popcount(asked));
    QVERIFY(!sheet.KindsNote().isEmpty());
    QVERIFY2(kindnames::NamedOutside(sheet.kinds.join(' ') + sheet.KindsNote(), asked).isEmpty(),
             qPrintable(sheet.KindsNote()));
    // a count in a box not asked alone: nothing to check yet
    const int not_asked = static_cast<int>(std::countr_one(asked));
    QStringList alone(7, QString());
    alone[not_asked] = "3";
    Type(window.form, alone);
    QTest::keyClick(&window.form, Qt::Key_F5);
    QCOMPARE(window.Panel()->Said(), Shown(PupilText().WriteCountsFirst()));
    QCOMPARE(task->Checks(), 0);
    // the kinds asked right, words and wrong counts in the others
    QStringList typed = RightCounts();
    for (int k = 0; k < 7; ++k) {
        if (!(asked >> k & 1u)) typed[k] = k % 2 == 0 ? QString("5 ц") : QString("99");
    }
    Type(window.form, typed);
    QTest::keyClick(&window.form, Qt::Key_F5);
    QStringList expected;
    for (int k = 0; k < 7; ++k) {
        expected << Shown(PupilText().Verdict(k, asked >> k & 1u
                                                     ? plane_figures::task::Verdict::kRight
                                                     : plane_figures::task::Verdict::kNotAsked));
        QCOMPARE(Text2(window.form, static_cast<std::size_t>(k))->accessibleDescription(),
                 expected.last());
    }
    expected << Shown(PupilText().AllRight());
    QCOMPARE(window.Panel()->Verdicts().split('\n'), expected);
    QVERIFY(task->WrongKinds().empty());
    QCOMPARE(window.Panel()->HintKind(), -1);
    QVERIFY(Command1(window.form, 0)->isEnabled());
    QVERIFY(Command(window.form, "print-answers")->isEnabled());
    // a kind asked wrong holds it back, the others still not judged
    TaskWindow wrong({}, VariantLineOf(qPrintable(kinds)));
    const int first = static_cast<int>(std::countr_zero(asked));
    typed[first] = QString::number(typed[first].toInt() + 1);
    Type(wrong.form, typed);
    QTest::keyClick(&wrong.form, Qt::Key_F5);
    QCOMPARE(wrong.form.Model().Task()->WrongKinds(), std::vector<int>{first});
    QVERIFY(!Command1(wrong.form, 0)->isEnabled());
}

void TestTask::hintsOfTheKindsAsked_data() {
    QTest::addColumn<QString>("kinds");
    QTest::addColumn<int>("more");  // added to every box asked: +1 too many, -1 too few
    QTest::newRow("1,2,6 too many") << "1,2,6" << 1;
    QTest::newRow("1,2,6 too few") << "1,2,6" << -1;
    QTest::newRow("4,5,7 too many") << "4,5,7" << 1;
    QTest::newRow("5 too many") << "5" << 1;
    QTest::newRow("3,6 too many") << "3,6" << 1;
}

// Hints are offered for the kinds asked alone, and none of them speaks of
// a kind not asked, whatever the stage.
void TestTask::hintsOfTheKindsAsked() {
    QFETCH(QString, kinds);
    QFETCH(int, more);
    const unsigned asked = AskedOf(kinds);
    TaskWindow window({}, VariantLineOf(qPrintable(kinds)));
    MainForm& form = window.form;
    QStringList typed;
    for (const int count : TrueResult().counts) typed << QString::number(std::max(0, count + more));
    Type(form, typed);
    QTest::keyClick(&form, Qt::Key_F5);
    QVERIFY(!form.Model().Task()->WrongKinds().empty());
    for (const int k : form.Model().Task()->WrongKinds()) QVERIFY(asked >> k & 1u);
    // every stage of every kind found wrong, a kind put right when its hints end
    for (int checks = 0; window.Panel()->HintKind() >= 0 && checks < 8; ++checks) {
        const int kind = window.Panel()->HintKind();
        QVERIFY(asked >> kind & 1u);
        for (int stage = 0; stage < 400; ++stage) {
            const int used = form.Model().Task()->HintsUsed();
            QTest::keyClick(&form, Qt::Key_F6);
            const QString said = window.Panel()->Said();
            QVERIFY2(kindnames::NamedOutside(said, asked).isEmpty(), qPrintable(said));
            // too many: first that a figure counts in its narrowest kind alone
            if (stage == 0 && more > 0) {
                QCOMPARE(said, Shown(PupilText().HintSentence(
                                   kind, plane_figures::task::EasyToMiss::kNarrowestKind, asked)));
            }
            if (form.Model().Task()->HintsUsed() == used) break;  // nothing left
        }
        QCOMPARE(window.Panel()->Said(), Shown(PupilText().NoHintLeft(kind)));
        typed[kind] = QString::number(TrueResult().counts[static_cast<std::size_t>(kind)]);
        Type(form, typed);
        QTest::keyClick(&form, Qt::Key_F5);
    }
    QCOMPARE(window.Panel()->HintKind(), -1);
}

// Every text of a task of some kinds that is about the kinds asked (what to
// do, each hint's sentence) names no other kind, for every set of kinds.
void TestTask::textsNameNoKindNotAsked() {
    using plane_figures::task::EasyToMiss;
    const EasyToMiss all[]{EasyToMiss::kTiltedSides, EasyToMiss::kRightAngleOffGrid,
                           EasyToMiss::kEqualSidesTilted, EasyToMiss::kLargeFigures,
                           EasyToMiss::kNarrowestKind};
    for (unsigned asked = 1; asked < 128; ++asked) {
        const QString instruction = Shown(PupilText().Instruction(asked));
        QVERIFY2(kindnames::NamedOutside(instruction, asked).isEmpty(), qPrintable(instruction));
        for (int k = 0; k < 7; ++k) {
            if (!(asked >> k & 1u)) continue;
            QStringList texts{Shown(PupilText().HintFigure(k)), Shown(PupilText().NoHintLeft(k))};
            for (const EasyToMiss easy : all)
                texts << Shown(PupilText().HintSentence(k, easy, asked));
            for (const QString& text : texts) {
                QVERIFY2(kindnames::NamedOutside(text, asked).isEmpty(),
                         qPrintable(QString::number(asked) + ": " + text));
            }
        }
    }
    // the task of all seven says it as before
    QCOMPARE(Shown(PupilText().Instruction(127)), Shown(PupilText().Instruction()));
}

PLANE_FIGURES_TEST_MAIN(TestTask)
#include "tst_task.moc"
