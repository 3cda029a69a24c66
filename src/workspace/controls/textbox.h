// A multi-line text box. Its text reads back exactly as it was set, CR LF line
// ends included, while the box shows it as lines.
#pragma once

#include <QPlainTextEdit>
#include <memory>

class QMenu;

namespace plane_figures::workspace {

class TextBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent = nullptr);

    QString Text() const { return text_; }
    void SetText(const QString& text);

    // Commands the context menu offers after Copy and Select All.
    void SetMenuActions(const QList<QAction*>& actions) { menu_actions_ = actions; }
    // The context menu for a click at pos (in the viewport), its standard
    // commands named in Bulgarian.
    std::unique_ptr<QMenu> CreateMenu(QPoint pos);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QString text_;
    QList<QAction*> menu_actions_;
};

}  // namespace plane_figures::workspace
