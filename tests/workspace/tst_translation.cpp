// The window's own texts go through Qt's translation with the Bulgarian texts
// as the source texts: a translator installed before the window gives every
// caption, heading, name and command its translation, while the report, the
// counts, the lists and the canvas stay as they are; without one, every text
// is as written. So do the sheets', the messages' and the teacher's window's.
#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QDataStream>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTranslator>
#include <functional>

#include "answerkey.h"
#include "classsetcommand.h"
#include "classsetform.h"
#include "classworksheets.h"
#include "commandline.h"
#include "displayrequired.h"
#include "exercisefile.h"
#include "formcontrols.h"
#include "formtest.h"
#include "owntranslation.h"
#include "resultscell.h"
#include "sheettest.h"
#include "teacherwindow.h"

using namespace formtest;

namespace {

// A translation that marks every text it is asked for: "[text]".
class Marking : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        if (source == nullptr || *source == '\0') return QString();
        return QStringLiteral("[") + QString::fromUtf8(source) + QStringLiteral("]");
    }
    bool isEmpty() const override { return false; }
};

const QList<QPoint> kSquareAndMore{{20, 20}, {60, 20}, {60, 60}, {20, 60}, {100, 100}};

// What the pupil sees after the clicks and "Чертай", in a new window.
Seen AfterDrawing() {
    MainForm form;
    for (const QPoint& p : kSquareAndMore) form.Picture1_MouseDown(Qt::LeftButton, {}, p);
    ClickButton(form, 0);
    return Seen(form);
}

// A translation file of one message, in any context, as Qt's lrelease writes
// it: the file's magic, the hash of the source text and the message's offset,
// and the message (its translation in UTF-16, its source text, its end).
QByteArray OneMessage(const QByteArray& source, const QString& translation) {
    quint32 hash = 0;
    for (const char c : source) {
        hash = (hash << 4) + static_cast<uchar>(c);
        const quint32 high = hash & 0xf0000000U;
        if (high != 0) hash ^= high >> 24;
        hash &= ~high;
    }
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << quint8(3) << quint32(translation.size() * 2);
    for (const QChar c : translation) out << quint16(c.unicode());
    out << quint8(6) << quint32(source.size());
    out.writeRawData(source.constData(), static_cast<int>(source.size()));
    out << quint8(1);
    QByteArray file = QByteArray::fromHex("3cb86418caef9c95cd211cbf60a1bddd");
    QDataStream blocks(&file, QIODevice::WriteOnly | QIODevice::Append);
    blocks << quint8(0x42) << quint32(8) << (hash == 0 ? 1U : hash) << quint32(0);
    blocks << quint8(0x69) << quint32(message.size());
    blocks.writeRawData(message.constData(), static_cast<int>(message.size()));
    return file;
}

bool Marked(const QString& text) {
    return text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']'));
}

// every text a window shows of its own: captions, headings, the frame's
// title, the window's title, accessible names, the report box's menu
QStringList OwnTexts(MainForm& form) {
    QStringList texts{form.windowTitle()};
    for (const QLabel* label : form.findChildren<QLabel*>()) texts << label->text();
    for (const QPushButton* button : form.findChildren<QPushButton*>()) texts << button->text();
    for (const QGroupBox* frame : form.findChildren<QGroupBox*>()) texts << frame->title();
    for (const QWidget* widget : form.findChildren<QWidget*>()) {
        if (!widget->accessibleName().isEmpty()) texts << widget->accessibleName();
    }
    const auto menu = Text1(form, 0)->CreateMenu({});
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        texts << action->text().section(QLatin1Char('\t'), 0, 0);  // without its shortcut
    }
    for (const QAction* action : form.actions()) texts << action->toolTip();
    return texts;
}

}  // namespace

class TestTranslation : public QObject {
    Q_OBJECT

private slots:
    void ownTextsTranslated();
    void withoutTranslationAsWritten_data();
    void withoutTranslationAsWritten();
    void ownTranslationFound();
    void messagesTranslated();
    void sheetsTranslated();
    void teachersWindowTranslated();
};

void TestTranslation::ownTextsTranslated() {
    const Seen plain = AfterDrawing();
    Marking marking;
    QVERIFY(QCoreApplication::installTranslator(&marking));
    {
        MainForm form;
        const QStringList texts = OwnTexts(form);
        QVERIFY(texts.size() > 40);
        for (const QString& text : texts) {
            if (text.isEmpty()) continue;  // a label that shows nothing yet
            // the caption is the web address and the title
            if (text == form.windowTitle()) {
                QVERIFY2(text.endsWith(QStringLiteral(" [Математика - координати на върхове]")),
                         qPrintable(text));
                continue;
            }
            QVERIFY2(Marked(text), qPrintable(text));
        }
        // the task at start-up, each line of its own
        for (const QString& line : Text1(form, 0)->Text().split(QStringLiteral("\r\n"))) {
            QVERIFY2(line.isEmpty() || Marked(line), qPrintable(line));
        }
    }
    // what the analysis gives and the pupil enters is not the window's own text
    const Seen marked = AfterDrawing();
    QCoreApplication::removeTranslator(&marking);
    QVERIFY(plain.report.contains(QStringLiteral("Квадрат")));
    QCOMPARE(marked.Differences(plain), QString());
    QCOMPARE(marked.program_counts, plain.program_counts);
}

// As written, byte for byte (the double blank of "Изтрий  1 т." included).
void TestTranslation::withoutTranslationAsWritten_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("title") << "Label1_0"
                           << "Върхове на равнинни фигури - координати на точки";
    QTest::newRow("X heading") << "Label1_1"
                               << "Абсциса";
    QTest::newRow("canvas heading") << "Label1_3"
                                    << "Посочете връх на фигура";
    QTest::newRow("draw") << "Command1_0"
                          << "Чертай";
    QTest::newRow("delete") << "Command1_2"
                            << "Изтрий  1 т.";
    QTest::newRow("frame") << "Frame1"
                           << "Брой от вид фигура";
    QTest::newRow("pupil's count") << "Text2_3"
                                   << "Успоредник – вашият брой";
    QTest::newRow("program's count") << "Text3_0"
                                     << "Равнобедрен триъгълник – броят на програмата";
    QTest::newRow("N list") << "List1_3"
                            << "Номер на точка (N)";
    QTest::newRow("report") << "Text1_0"
                            << "Резултат";
}

void TestTranslation::withoutTranslationAsWritten() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    MainForm form;
    const QWidget* control = form.findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QString shown = control->accessibleName();
    if (const auto* button = qobject_cast<const QPushButton*>(control)) shown = button->text();
    if (const auto* label = qobject_cast<const QLabel*>(control)) shown = label->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) shown = frame->title();
    QCOMPARE(shown, text);
    QCOMPARE(control->accessibleName(), text);
}

// plane-figures_<language>.qm from the first folder that has one for the
// language; none for another language, and nothing is installed then.
void TestTranslation::ownTranslationFound() {
    QTemporaryDir first, second;
    QVERIFY(first.isValid() && second.isValid());
    QFile file(second.filePath(QStringLiteral("plane-figures_de.qm")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(OneMessage("Чертай", "Zeichne")) > 0);
    file.close();
    const QStringList folders{first.path(), second.path()};
    QTranslator* german = InstallOwnTranslation(*qApp, QLocale(QLocale::German), folders);
    QVERIFY(german != nullptr);
    QCOMPARE(FormControls::tr("Чертай"), QStringLiteral("Zeichne"));
    QCOMPARE(QDir(QFileInfo(german->filePath()).path()), QDir(second.path()));
    QVERIFY(QCoreApplication::removeTranslator(german));
    delete german;
    QCOMPARE(InstallOwnTranslation(*qApp, QLocale(QLocale::French), folders), nullptr);
    QCOMPARE(InstallOwnTranslation(*qApp, QLocale(QLocale::German), {first.path()}), nullptr);
}

// Each message as written, and through Marking with its own texts marked,
// those set into it too; what names a file or the program is not.
void TestTranslation::messagesTranslated() {
    QTemporaryDir dir;
    const QString file = QDir::toNativeSeparators(dir.filePath("a")), set_dir = dir.filePath("set");
    plane_figures::classset::ClassSet set{{}, {{{{0, 0}, {20, 0}, {20, 20}, {0, 20}}, {}}}};
    set.settings.code = 7;
    const auto said = [](const auto& answer) {  // what out and err are given
        QBuffer out, err;
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        answer(out, err);
        return QString::fromUtf8(out.data() + err.data());
    };
    const auto command_line = [&](QStringList arguments) {
        return said([&](QIODevice& out, QIODevice& err) {
            CommandLine(QStringList{"plane-figures"} + arguments).Answer(out, err);
        });
    };
    const auto class_set = [&](QIODevice& out, QIODevice& err) {
        // written twice, plain and marked: the second replaces the first
        ClassSetCommand({"", "--class-set", set_dir, "--variants", "1", "--points", "4", "--kinds",
                         "4", "--code", "7", "--replace"})
            .Answer(out, err, [](auto&&...) { return classsetfolder::NamedBytes{}; });
    };
    const QString written =
        "Записан е 1 вариант с 4 точки (код 7), работни-листове.pdf, "
        "отговори.pdf и отговори.csv в папката „" +
        QDir::toNativeSeparators(set_dir) + "“.";
    const QString no_display =
        "Прозорецът не може да се отвори, защото няма достъпен екран. Без "
        "екран програмата отговаря само на --report, --class-set, --class-results, --help и "
        "--version.";
    // what it says, as written and marked ("" for the whole text marked)
    const QList<std::tuple<std::function<QString()>, QString, QString>> messages{
        {[&] { return exercisefile::Write(file, {}); },
         "Файлът „" + file + "“ не е записан: няма точки за записване.",
         "[Файлът „" + file + "“ не е записан: [няма точки за записване].]"},
        {[&] { return ClassWorksheets(set, {}, false).Title(1); }, "Вариант 1 от 1, код 7", ""},
        {[&] { return AnswerKey(set, {}).ReportLines(1)[0]; }, "Вариант 1. Брой въведени точки: 4",
         "[Вариант 1. ]Брой въведени точки: 4"},
        {[&] {
             return command_line({"a", "b"});
         },
         "plane-figures: В прозореца се отваря най-много един файл.\n",
         "plane-figures: [В прозореца се отваря най-много един файл.]\n"},
        {[&] { return command_line({"--help"}).split('\n').filter("--help")[0].simplified(); },
         "-h, --help Показва тази помощ и спира.", "-h, --help [Показва тази помощ и спира.]"},
        {[&] { return said(class_set); }, written + "\n", "[" + written + "]\n"},
        {&DisplayRequired::Message, "plane-figures: " + no_display,
         "plane-figures: [" + no_display + "]"},
    };
    const QString name = QCoreApplication::applicationName();  // the command line sets its own
    for (const auto& [text, plain, marked] : messages) QCOMPARE(text(), plain);
    Marking marking;
    QVERIFY(QCoreApplication::installTranslator(&marking));
    for (const auto& [text, plain, marked] : messages)
        QCOMPARE(text(), marked.isEmpty() ? "[" + plain + "]" : marked);
    QCoreApplication::removeTranslator(&marking);
    QCoreApplication::setApplicationName(name);
}

// The sheets' own texts marked on the page, the core's (the kinds' names, the
// report) not; as written they are pinned by tst_worksheet.
void TestTranslation::sheetsTranslated() {
    REQUIRE_POPPLER();
    const QStringList both{"[Име:]", "[N]", "[Абсциса]", "[Фигура]", "[Вашият", "[Всяка фигура"};
    for (const auto& [sheet, extra_lines, marked] :
         {std::tuple{Sheet::kWorksheet, 0, QStringList{"[Работен лист]", "[Пребройте"}},
          std::tuple{Sheet::kAnswerSheet, 600,
                     QStringList{"[Отговори]", "[Броят на", "[стр. 1 от "}}}) {
        QTemporaryDir dir;
        const SheetContent content = sheettest::Content(extra_lines);
        Marking marking;
        QVERIFY(QCoreApplication::installTranslator(&marking));
        const QString failed = Worksheet(content, sheet).Export(dir.filePath("sheet.pdf"));
        QCoreApplication::removeTranslator(&marking);
        QCOMPARE(failed, QString());
        const QString text = sheettest::Poppler("pdftotext", {dir.filePath("sheet.pdf"), "-"});
        for (const QString& own : both + marked) QVERIFY2(text.contains(own), qPrintable(own));
        for (const QString& line :
             content.kinds + (extra_lines > 0 ? content.report_lines : QStringList()))
            QVERIFY2(text.contains(line) && !text.contains("[" + line), qPrintable(line));
    }
}

// Every label, button, frame and hint of the teacher's window marked, and
// what the form says; the kinds' check boxes keep the core's names.
void TestTranslation::teachersWindowTranslated() {
    Marking marking;
    QVERIFY(QCoreApplication::installTranslator(&marking));
    TeacherWindow window;
    QCoreApplication::removeTranslator(&marking);
    QStringList texts{window.windowTitle()};
    for (const QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
    for (const QGroupBox* frame : window.findChildren<QGroupBox*>()) texts << frame->title();
    for (const QLineEdit* edit : window.findChildren<QLineEdit*>())
        texts << edit->placeholderText();
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (qobject_cast<const QCheckBox*>(button) == nullptr) texts << button->text();
    }
    texts.removeAll(QString());  // the message, empty while the settings are right
    QVERIFY(texts.size() >= 15);
    for (const QString& text : texts) QVERIFY2(Marked(text), qPrintable(text));
    QCOMPARE(window.Form()->Kind(5)->text(), QStringLiteral("6. Квадрат"));
    QVERIFY(QCoreApplication::installTranslator(&marking));
    window.Form()->Code()->clear();
    QCoreApplication::removeTranslator(&marking);
    QCOMPARE(window.Form()->Message()->text(),
             QStringLiteral("[Напишете код: цяло число до 999999999.]"));
    // the results' table: its own words translated; the kinds' names, the
    // pupil's, the numbers and the note as they are, a count not given empty
    plane_figures::classresults::PupilRow row;
    row.pupil = "Ана";
    row.variant = 1;
    row.set = plane_figures::classset::ClassSettings{};
    row.right[0] = true;
    row.checks = 2;
    row.answers_shown = false;
    row.note = "бележка";
    QVERIFY(QCoreApplication::installTranslator(&marking));
    const QStringList header = resultscell::Header();
    const QStringList cells = resultscell::Row(row);
    const QStringList shares = resultscell::Shares({});
    QCoreApplication::removeTranslator(&marking);
    QCOMPARE(header.mid(0, 3), QStringList({"[Ученик]", "[Вариант]", "Равнобедрен триъгълник"}));
    QCOMPARE(header.mid(9),
             QStringList({"[Проверки]", "[Подсказки]", "[Показани отговори]", "[Бележка]"}));
    QCOMPARE(cells, QStringList({"Ана", "1", "[вярно]", "[грешно]", "[грешно]", "[грешно]",
                                 "[грешно]", "[грешно]", "[грешно]", "2", "", "[не]", "бележка"}));
    QCOMPARE(shares.first(), QStringLiteral("[Общо]"));
}

PLANE_FIGURES_TEST_MAIN(TestTranslation)
#include "tst_translation.moc"
