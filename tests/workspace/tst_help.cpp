// The help that F1 shows, in the box the window really opens: it fits the
// screen, scrolling when it must, and its lines read as a teacher writes.
#include <QApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

#include "formtest.h"
#include "guidewindow.h"
#include "helpbox.h"
#include "helptext.h"
#include "utf8.h"

using namespace formtest;
using plane_figures::kOneKindEach;

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void boxFitsTheScreen();
    void linesReadWell_data();
    void linesReadWell();
    void guideShowsItsPicturesAndLeadsToItsHeadings();
};

// F1 in the window opens the box over it: no taller than a school screen
// leaves room for with a title bar and a taskbar, within the screen, and the
// whole text can be scrolled to.
void TestHelp::boxFitsTheScreen() {
    MainForm form;
    QVERIFY(Show(form) && QTest::qWaitForWindowActive(&form));
    QRect shown, screen;
    int hidden_height = -1, scroll_range = -1;
    QString text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<HelpBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        if (QTest::qWaitForWindowExposed(box)) {
            shown = box->frameGeometry();
            screen = box->screen()->availableGeometry();
            const QTextBrowser* browser = box->Text();
            hidden_height = static_cast<int>(browser->document()->size().height()) -
                            browser->viewport()->height();
            scroll_range = browser->verticalScrollBar()->maximum();
            text = browser->toPlainText();
        }
        box->reject();
    });
    QTest::keyClick(&form, Qt::Key_F1);
    QVERIFY2(!shown.isEmpty(), "F1 showed no help box");
    QVERIFY2(shown.height() <= std::min(700, screen.height() - 60),
             qPrintable(
                 QString("%1 px tall on a screen of %2").arg(shown.height()).arg(screen.height())));
    QVERIFY(screen.contains(shown));
    // what does not show scrolls into view
    QVERIFY2(
        hidden_height <= 0 || scroll_range >= hidden_height,
        qPrintable(QString("%1 px hidden, %2 to scroll").arg(hidden_height).arg(scroll_range)));
    QVERIFY(text.startsWith("С мишката:") && text.contains(Utf8(kOneKindEach)));
    QVERIFY2(text.contains("(до 15 точки);"), qPrintable(text));  // the canvas's limit filled in
}

// No line ends in a dash or is left empty, each heading (no indent) is
// followed by its indented lines or is a sentence of its own.
void TestHelp::linesReadWell_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("next");
    for (std::size_t i = 0; i < kHelpLines.size(); ++i) {
        QTest::newRow(qPrintable(QString::number(i)))
            << Utf8(kHelpLines[i]) << (i + 1 < kHelpLines.size() ? Utf8(kHelpLines[i + 1]) : "");
    }
}

void TestHelp::linesReadWell() {
    QFETCH(QString, line);
    QFETCH(QString, next);
    const QString bare = line.trimmed();
    QVERIFY(!bare.isEmpty());
    QVERIFY2(!bare.endsWith(QChar(0x2013)) && !bare.endsWith('-'), qPrintable(line));
    QVERIFY2(!bare.contains("  ") || bare.contains("„Изтрий  1 т.“"), qPrintable(line));
    if (!line.startsWith(' ') && bare.endsWith(':'))  // a heading has lines under it
        QVERIFY2(next.startsWith("  ") || next == Utf8(kOneKindEach), qPrintable(line));
}

// The teacher's guide as it travels inside the program: every picture of it
// is there, and every link of its contents leads to a heading of the page.
void TestHelp::guideShowsItsPicturesAndLeadsToItsHeadings() {
    GuideWindow guide;
    const QTextBrowser* browser = guide.findChild<QTextBrowser*>();
    QVERIFY(browser != nullptr);
    QVERIFY(!guide.Heading().isEmpty());
    QCOMPARE(guide.windowTitle(), guide.Heading());
    QStringList anchors, links, pictures;
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            anchors << format.anchorNames();
            if (format.isImageFormat())
                pictures << format.toImageFormat().name();
            else if (format.anchorHref().startsWith(QLatin1Char('#')))
                links << format.anchorHref();
        }
    }
    QVERIFY2(pictures.size() >= 5, "the guide shows its pictures");
    for (const QString& picture : pictures) {
        const QUrl url = browser->source().resolved(QUrl(picture));
        QVERIFY2(!browser->document()->resource(QTextDocument::ImageResource, url).isNull(),
                 qPrintable(picture));
    }
    QVERIFY2(links.size() >= 5, "the guide's contents link its sections");
    for (const QString& link : links)
        QVERIFY2(anchors.contains(QUrl::fromPercentEncoding(link.mid(1).toUtf8())),
                 qPrintable(link));
}

PLANE_FIGURES_TEST_MAIN(TestHelp)
#include "tst_help.moc"
