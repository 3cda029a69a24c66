#include "guidewindow.h"

#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>

namespace plane_figures::workspace {

const QUrl GuideWindow::kHome(QStringLiteral("qrc:/guide/guide/teacher-guide.bg.md"));

GuideWindow* GuideWindow::Open() {
    static QPointer<GuideWindow> guide;
    if (guide.isNull()) {
        guide = new GuideWindow();
        guide->setAttribute(Qt::WA_DeleteOnClose);
    }
    guide->show();
    guide->raise();
    guide->activateWindow();
    return guide;
}

namespace {

// A heading's anchor as links name it: lower case, its letters, digits,
// blanks, hyphens and underscores alone, each blank a hyphen.
QString Anchor(const QString& heading) {
    QString anchor;
    for (const QChar c : heading.toLower()) {
        if (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_'))
            anchor += c;
        else if (c == QLatin1Char(' '))
            anchor += QLatin1Char('-');
    }
    return anchor;
}

}  // namespace

GuideWindow::GuideWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    auto* back = new QPushButton(tr("Назад"));
    auto* home = new QPushButton(tr("Начало"));
    back->setEnabled(false);
    browser_ = new QTextBrowser();
    browser_->setOpenLinks(false);  // FollowLink decides
    browser_->setAccessibleName(tr("Ръководство за учителя"));
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(home, &QPushButton::clicked, browser_, [this] { browser_->setSource(kHome); });
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &GuideWindow::ShowPage);
    connect(browser_, &QTextBrowser::anchorClicked, this, &GuideWindow::FollowLink);
    auto* buttons = new QHBoxLayout();
    buttons->addWidget(back);
    buttons->addWidget(home);
    buttons->addStretch();
    auto* column = new QVBoxLayout(this);
    column->addLayout(buttons);
    column->addWidget(browser_);
    // wide enough for the pictures, within a school computer's screen
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableSize() : QSize(1366, 768);
    resize(std::min(900, room.width() - 40), std::min(700, room.height() - 60));
    browser_->setSource(kHome, QTextDocument::MarkdownResource);
}

QString GuideWindow::Heading() const {
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 1) return block.text();
    }
    return QString();
}

// The page's headings become anchors, so that its contents' links lead to
// them; its first heading is the window's title.
void GuideWindow::ShowPage() {
    QTextCursor cursor(browser_->document());
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0) continue;
        cursor.setPosition(block.position());
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        QTextCharFormat anchor;
        anchor.setAnchor(true);
        anchor.setAnchorNames({Anchor(block.text())});
        cursor.mergeCharFormat(anchor);
    }
    setWindowTitle(Heading());
}

// A link within the guide is followed in the window; one to the web opens in
// the browser; one to a file that does not travel with the program (the
// developers' notes) is left alone.
void GuideWindow::FollowLink(const QUrl& link) {
    if (link.scheme() == QLatin1String("http") || link.scheme() == QLatin1String("https")) {
        QDesktopServices::openUrl(link);
        return;
    }
    const QUrl target = browser_->source().resolved(link);
    if (target.adjusted(QUrl::RemoveFragment) ==
        browser_->source().adjusted(QUrl::RemoveFragment)) {
        browser_->scrollToAnchor(target.fragment(QUrl::FullyDecoded));
        return;
    }
    if (QFile::exists(QLatin1Char(':') + target.path())) browser_->setSource(target);
}

}  // namespace plane_figures::workspace
