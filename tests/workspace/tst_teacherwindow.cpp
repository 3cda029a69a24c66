// The teacher's window: its form's defaults, the refusals it shows before
// any work, and a set made and written from it.
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <variant>

#include "askedkinds.h"
#include "classresultsview.h"
#include "classsetfiles.h"
#include "classsetform.h"
#include "classsetgenerator.h"
#include "teacherwindow.h"

using namespace plane_figures::workspace;

namespace {

// A form whose questions the test answers: what it asked, and yes or no.
struct AskingForm : ClassSetForm {
    QStringList asked;
    bool agree = false;
    AskingForm() {
        confirm = [this](const QString& question) {
            asked << question;
            return agree;
        };
    }
};

}  // namespace

class TeacherWindowTest : public QObject {
    Q_OBJECT

private slots:
    void DefaultsAsAClassNeedsThem() {
        TeacherWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Равнинни фигури — за учителя"));
        const ClassSetForm& form = *window.Form();
        QCOMPARE(form.Variants()->value(), 25);
        QCOMPARE(form.Variants()->minimum(), 1);
        QCOMPARE(form.Variants()->maximum(), 40);
        QCOMPARE(form.Points()->value(), 10);
        QCOMPARE(form.Points()->minimum(), 4);
        QCOMPARE(form.Points()->maximum(), 15);
        for (int k = 0; k < 7; ++k) QVERIFY(form.Kind(k)->isChecked());
        QVERIFY(!form.Plotting()->isChecked());
        QVERIFY(!form.Code()->text().isEmpty());
        QVERIFY(form.Refusal().isEmpty());
    }

    // At its first size the window shows every check box of the form whole,
    // and the results every kind's column (the window as large as the
    // screen lets it be).
    void FirstSizeShowsEverything() {
        TeacherWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int k = 0; k < 7; ++k) {
            const QCheckBox* box = window.Form()->Kind(k);
            QVERIFY2(box->width() >= box->sizeHint().width(), qPrintable(box->text()));
        }
        const QSize screen = window.screen()->availableGeometry().size();
        QCOMPARE(window.size(), window.sizeHint().boundedTo(screen));
        ClassResultsView results;
        results.resize(results.sizeHint());
        results.show();
        QVERIFY(QTest::qWaitForWindowExposed(&results));
        const QHeaderView* header = results.Table()->horizontalHeader();
        const int last_kind = ClassResultsView::kFileColumn + 1 + 2 + 6;
        QVERIFY(header->logicalIndexAt(results.Table()->viewport()->width() - 1) >= last_kind);
    }

    // Each setting that cannot make a set is said under the form, naming
    // the kind, and the button stays disabled.
    void SaysBeforeAnyWork_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<QList<int>>("unchecked");
        QTest::addColumn<QString>("says");
        QTest::newRow("four_points_all") << 4 << QList<int>{} << "„Успоредник“";
        QTest::newRow("six_points_all") << 6 << QList<int>{} << "„Ромб“";
        // six points hold the other six kinds in one shape (up to similarity)
        QTest::newRow("six_points_no_rhombus") << 6 << QList<int>{6} << "само 1 вариант";
        // six points hold kinds 1, 5, 6 in a few shapes: how many is said
        QTest::newRow("six_points_1_5_6") << 6 << QList<int>{1, 2, 3, 6} << "най-много 13 различни";
        QTest::newRow("eight_points_all") << 8 << QList<int>{} << "";
        QTest::newRow("five_square_rectangle") << 5 << QList<int>{0, 1, 2, 3, 6} << "„Квадрат“";
        QTest::newRow("four_no_kind") << 4 << QList<int>{0, 1, 2, 3, 4, 5, 6} << "";
    }
    void SaysBeforeAnyWork() {
        QFETCH(int, points);
        QFETCH(QList<int>, unchecked);
        QFETCH(QString, says);
        ClassSetForm form;
        form.Points()->setValue(points);
        for (const int k : unchecked) form.Kind(k)->setChecked(false);
        QCOMPARE(form.MakeButton()->isEnabled(), says.isEmpty());
        if (!says.isEmpty()) {
            QVERIFY2(form.Message()->text().contains(says), qPrintable(form.Message()->text()));
        }
        // an empty code or folder is said too
        form.Code()->clear();
        QVERIFY(!form.MakeButton()->isEnabled());
    }

    void MakesAndWritesTheSetAndOffersANewCode() {
        QTemporaryDir scratch;
        ClassSetForm form;
        QStringList asked;
        form.confirm = [&](const QString& question) {
            asked << question;
            return true;
        };
        form.Variants()->setValue(3);
        form.Points()->setValue(8);
        form.Code()->setText(QStringLiteral("48213"));
        form.Heading()->setText(QStringLiteral("6 а клас"));
        form.Plotting()->setChecked(true);
        const QString folder = scratch.filePath(QStringLiteral("6a"));
        form.Folder()->setText(QDir::toNativeSeparators(folder));
        QVERIFY(form.MakeButton()->isEnabled());
        QTest::mouseClick(form.MakeButton(), Qt::LeftButton);
        QVERIFY2(form.Message()->text().startsWith(QStringLiteral("Готово: 3 варианта по 8 точки")),
                 qPrintable(form.Message()->text()));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 6);
        // one variant is said in the singular
        form.Variants()->setValue(1);
        form.Code()->setText(QStringLiteral("48213"));
        form.Folder()->setText(QDir::toNativeSeparators(scratch.filePath(QStringLiteral("one"))));
        QTest::mouseClick(form.MakeButton(), Qt::LeftButton);
        QVERIFY2(form.Message()->text().startsWith(QStringLiteral("Готово: 1 вариант с 8 точки")),
                 qPrintable(form.Message()->text()));
        QFile first(QDir(folder).filePath(
            QString::fromStdString(plane_figures::classset::VariantFileName(1))));
        QVERIFY(first.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(first.readLine()).trimmed(),
                 QStringLiteral("# Равнинни фигури: вариант 1 от 3, код 48213, точки 8, видове "
                                "1,2,3,4,5,6,7"));
        QVERIFY(form.Code()->text() != QStringLiteral("48213"));
        QVERIFY2(asked.isEmpty(), qPrintable(asked.join(QChar('\n'))));
    }

    // A folder with a class set: the teacher is asked, and a "no" leaves
    // it as it was; a "yes" leaves none of the old set's files (a smaller
    // set over a larger), and the teacher's other files stay.
    void ReplacesASetOnlyWhenTheTeacherAgrees() {
        QTemporaryDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("6a"));
        AskingForm form;
        QStringList& asked = form.asked;
        bool& agree = form.agree;
        form.Variants()->setValue(4);
        form.Points()->setValue(8);
        form.Code()->setText(QStringLiteral("48213"));
        form.Folder()->setText(QDir::toNativeSeparators(folder));
        QVERIFY(form.Make());
        QVERIFY(asked.isEmpty());
        QFile notes(QDir(folder).filePath(QStringLiteral("бележки.txt")));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.close();
        const QStringList before = QDir(folder).entryList(QDir::Files, QDir::Name);
        QCOMPARE(before.size(), 8);

        form.Variants()->setValue(2);
        QVERIFY(!form.Make());
        QCOMPARE(asked.size(), 1);
        QVERIFY2(asked[0].contains(QStringLiteral("вече има класен комплект")) &&
                     asked[0].contains(QStringLiteral("Да се замени ли")),
                 qPrintable(asked[0]));
        QVERIFY(form.Message()->text().contains(QStringLiteral("Нищо не е записано")));
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                        QDir::Name),
                 before);

        agree = true;
        QVERIFY(form.Make());
        QCOMPARE(asked.size(), 2);
        QStringList after{QStringLiteral("бележки.txt"), QStringLiteral("отговори.csv"),
                          QStringLiteral("отговори.pdf"), QStringLiteral("работни-листове.pdf")};
        for (int v = 1; v <= 2; ++v)
            after << QString::fromStdString(plane_figures::classset::VariantFileName(v));
        after.sort();
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                        QDir::Name),
                 after);
    }

    // Settings with fewer different answers than variants: said and asked
    // before anything is written, and said again when written.
    void SaysHowManyDifferentAnswersBeforeWriting() {
        QTemporaryDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("few"));
        AskingForm form;
        QStringList& asked = form.asked;
        bool& agree = form.agree;
        form.Variants()->setValue(40);
        form.Points()->setValue(5);
        for (int k = 1; k < 7; ++k) form.Kind(k)->setChecked(false);
        form.Code()->setText(QStringLiteral("7"));
        form.Folder()->setText(QDir::toNativeSeparators(folder));
        QVERIFY(!form.Make());
        QCOMPARE(asked.size(), 1);
        QVERIFY2(asked[0].contains(QStringLiteral("различни отговора за 40 варианта")),
                 qPrintable(asked[0]));
        QVERIFY(!QFileInfo::exists(folder));
        agree = true;
        QVERIFY(form.Make());
        QVERIFY(
            form.Message()->text().contains(QStringLiteral("различни отговора за 40 варианта")));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 43);
    }

    // The work per pupil is said before the set is made: the figures of the
    // kinds asked in the very set the button makes, their mean and range.
    void SaysTheWorkPerPupil_data() {
        QTest::addColumn<QList<int>>("unchecked");
        QTest::newRow("all seven") << QList<int>{};
        QTest::newRow("1,2,6") << QList<int>{2, 3, 4, 6};
        QTest::newRow("3") << QList<int>{0, 1, 3, 4, 5, 6};
    }
    void SaysTheWorkPerPupil() {
        QFETCH(QList<int>, unchecked);
        ClassSetForm form;
        form.Variants()->setValue(6);
        form.Points()->setValue(10);
        form.Code()->setText(QStringLiteral("48213"));
        for (const int k : unchecked) form.Kind(k)->setChecked(false);
        QTRY_VERIFY_WITH_TIMEOUT(form.Work()->text().startsWith(QStringLiteral("Около")), 30000);
        auto made = plane_figures::classset::ClassSetGenerator(form.Settings()).Make();
        const auto work =
            plane_figures::classset::WorkOf(std::get<plane_figures::classset::ClassSet>(made));
        const QString text = form.Work()->text();
        QVERIFY2(text.startsWith(QStringLiteral("Около %1 фигури на ученик").arg(work.mean)),
                 qPrintable(text));
        if (work.fewest != work.most) {
            QVERIFY2(text.contains(QStringLiteral("(от %1 до %2)").arg(work.fewest).arg(work.most)),
                     qPrintable(text));
        }
        QCOMPARE(text.contains(QStringLiteral("от избраните видове")), !unchecked.isEmpty());
        // other settings: worked out again
        form.Points()->setValue(12);
        QCOMPARE(form.Work()->text(), QStringLiteral("Работа за ученик: изчислява се…"));
        QTRY_VERIFY_WITH_TIMEOUT(form.Work()->text().startsWith(QStringLiteral("Около")), 30000);
        // settings that make no set say no work
        form.Points()->setValue(4);
        for (int k = 0; k < 7; ++k) form.Kind(k)->setChecked(true);
        QVERIFY(form.Work()->text().isEmpty());
    }

    // The short key: the table of counts alone, fewer pages than the key with
    // every variant's report.
    void ShortKeyIsChosenInTheForm() {
        QTemporaryDir scratch;
        const auto pages = [](const QString& pdf) {
            QFile file(pdf);
            if (!file.open(QIODevice::ReadOnly)) return -1;
            return static_cast<int>(file.readAll().count("/Type /Page\n"));
        };
        int full = 0;
        for (const bool short_key : {false, true}) {
            ClassSetForm form;
            QVERIFY(!form.ShortKey()->isChecked());
            form.Variants()->setValue(8);
            form.Points()->setValue(14);
            form.Code()->setText(QStringLiteral("48213"));
            form.ShortKey()->setChecked(short_key);
            const QString folder =
                scratch.filePath(short_key ? QStringLiteral("short") : QStringLiteral("full"));
            form.Folder()->setText(QDir::toNativeSeparators(folder));
            QVERIFY2(form.Make(), qPrintable(form.Message()->text()));
            const int count = pages(QDir(folder).filePath(QStringLiteral("отговори.pdf")));
            if (short_key) {
                QCOMPARE(count, 1);
                QVERIFY2(full > 3, qPrintable(QString::number(full)));
            } else {
                full = count;
            }
        }
    }

    void AFolderThatCannotBeWrittenIsSaid() {
        QTemporaryDir scratch;
        const QString file = scratch.filePath(QStringLiteral("a-file"));
        QFile(file).open(QIODevice::WriteOnly);
        ClassSetForm form;
        form.confirm = [](const QString&) { return true; };
        form.Variants()->setValue(2);
        form.Folder()->setText(file + QStringLiteral("/6a"));
        const QString code = form.Code()->text();
        QVERIFY(!form.Make());
        QVERIFY(form.Message()->text().contains(QStringLiteral("Комплектът не е записан")));
        QCOMPARE(form.Code()->text(), code);  // the same code offered again
    }
};

QTEST_MAIN(TeacherWindowTest)
#include "tst_teacherwindow.moc"
