#include "helpbox.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

namespace plane_figures::workspace {

namespace {

// Room the window manager's title bar and frame and a taskbar may take
// beyond the box's client area.
constexpr int kFrameRoom = 100;

// the lines as HTML: headings in bold, indented lines as indented paragraphs
QString Html(const QString& text) {
    QString html;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        // a dash stays at the end of its line, as Bulgarian typesetting has it
        const QString escaped =
            line.trimmed()
                .toHtmlEscaped()
                .replace(QStringLiteral("  "), QStringLiteral("\u00A0 "))  // "Изтрий  1 т."
                .replace(QStringLiteral(" – "), QStringLiteral("\u00A0– "));
        if (line.startsWith(QLatin1Char(' '))) {
            html += QStringLiteral("<p style=\"margin: 0 0 2px 20px\">%1</p>").arg(escaped);
        } else if (line.endsWith(QLatin1Char(':'))) {
            html += QStringLiteral("<p style=\"margin: 8px 0 2px 0\"><b>%1</b></p>").arg(escaped);
        } else {
            html += QStringLiteral("<p style=\"margin: 8px 0 2px 0\">%1</p>").arg(escaped);
        }
    }
    return html;
}

}  // namespace

HelpBox::HelpBox(const QString& text, QWidget* parent)
    : QDialog(parent), text_(new QTextBrowser(this)) {
    // the box's own texts
    setWindowTitle(tr("Равнинни фигури – помощ"));
    text_->setAccessibleName(tr("Помощ"));
    const QString close = tr("Затвори");

    text_->setHtml(Html(text));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);

    // as tall as the text needs, within the screen: the text scrolls beyond
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1366, 768);
    const int width = std::min(kWidth, room.width() - kFrameRoom / 2);
    const QMargins margins = layout->contentsMargins();
    const int text_width = width - margins.left() - margins.right() - 2 * text_->frameWidth() -
                           2 * static_cast<int>(text_->document()->documentMargin());
    text_->document()->setTextWidth(text_width);
    const int needed = static_cast<int>(text_->document()->size().height()) +
                       2 * text_->frameWidth() + margins.top() + margins.bottom() +
                       layout->spacing() + buttons->sizeHint().height();
    resize(width, std::min({needed, kMostHeight, room.height() - kFrameRoom}));
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    text_->setFocus();  // the keys scroll the text, Enter and Esc close the box
}

}  // namespace plane_figures::workspace
