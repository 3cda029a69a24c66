// The window needs a display. While a DisplayRequired lives (around the
// making of the application object), Qt's failure to reach one ends the
// program with a Bulgarian message on standard error and exit status 1,
// rather than Qt's abort with its English texts; Qt's platform messages are
// held meanwhile and passed on when the display is reached.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QtGlobal>

namespace plane_figures::workspace {

class DisplayRequired {
    Q_DECLARE_TR_FUNCTIONS(DisplayRequired)

public:
    DisplayRequired();
    ~DisplayRequired();
    DisplayRequired(const DisplayRequired&) = delete;
    DisplayRequired& operator=(const DisplayRequired&) = delete;

    // What the program says when no display can be reached.
    static QString Message();

private:
    struct Held {
        QtMsgType type;
        QByteArray category;
        QString text;
    };
    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& text);

    static inline QtMessageHandler previous_ = nullptr;
    static inline QList<Held> held_;
};

}  // namespace plane_figures::workspace
