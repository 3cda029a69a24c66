// The box that F1 shows: the help's lines set as headings and indented
// paragraphs in a text that scrolls, the box no taller than a school
// computer's screen leaves room for (1366 × 768 with a taskbar).
#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace plane_figures::workspace {

class HelpBox : public QDialog {
    Q_OBJECT

public:
    // The box's client area at most this tall, so that with a title bar it
    // stays under 700 pixels; less on a smaller screen.
    static constexpr int kMostHeight = 640;
    static constexpr int kWidth = 640;

    // text: lines; one ending in ":" heads the indented ones after it.
    HelpBox(const QString& text, QWidget* parent);

    QTextBrowser* Text() const { return text_; }

private:
    QTextBrowser* text_;
};

}  // namespace plane_figures::workspace
