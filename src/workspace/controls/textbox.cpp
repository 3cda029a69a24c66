#include "textbox.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHash>
#include <QMenu>

namespace plane_figures::workspace {

namespace {

// text followed by what old shows from its tab on (the shortcut), if anything
QString WithShortcutOf(const QString& text, const QString& old) {
    const qsizetype tab = old.indexOf(QLatin1Char('\t'));
    return tab < 0 ? text : text + old.mid(tab);
}

// The program's texts for the standard menu's commands, found by their object
// names
void NameInBulgarian(QMenu& menu) {
    const QHash<QString, QString> texts{
        {QStringLiteral("edit-copy"), TextBox::tr("&Копирай")},
        {QStringLiteral("select-all"), TextBox::tr("Избери &всичко")}};
    for (QAction* action : menu.actions()) {
        const auto text = texts.constFind(action->objectName());
        if (text != texts.cend()) action->setText(WithShortcutOf(*text, action->text()));
    }
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setReadOnly(true);
    // read-only, but reachable and readable with the keyboard
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
}

void TextBox::SetText(const QString& text) {
    text_ = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
}

std::unique_ptr<QMenu> TextBox::CreateMenu(QPoint pos) {
    std::unique_ptr<QMenu> menu(createStandardContextMenu(pos));
    NameInBulgarian(*menu);
    if (!menu_actions_.isEmpty()) menu->addSeparator();
    menu->addActions(menu_actions_);
    menu->setToolTipsVisible(true);
    return menu;
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
    CreateMenu(event->pos())->exec(event->globalPos());
}

}  // namespace plane_figures::workspace
