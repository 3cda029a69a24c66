// A multi-line text box. Its text reads back exactly as it was set, CR LF line
// ends included, while the box shows it as lines.
#pragma once

#include <QPlainTextEdit>

class TextBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent = nullptr);

    QString Text() const { return text_; }
    void SetText(const QString& text);

private:
    QString text_;
};
