#include "displayrequired.h"

#include <cstdio>
#include <cstdlib>

#include "commandline.h"

namespace plane_figures::workspace {

// Qt gives its default handler back when none was installed before
DisplayRequired::DisplayRequired() { previous_ = qInstallMessageHandler(&Handle); }

// the display was reached: what Qt said on the way is said as it would have been
DisplayRequired::~DisplayRequired() {
    qInstallMessageHandler(previous_);
    for (const Held& held : std::as_const(held_)) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
        previous_(held.type, context, held.text);
    }
    held_.clear();
}

QString DisplayRequired::Message() {
    return QStringLiteral("plane-figures: ") +
           tr("Прозорецът не може да се отвори, защото няма достъпен екран. Без екран програмата "
              "отговаря само на --report, --class-set, --class-results, --help и --version.");
}

void DisplayRequired::Handle(QtMsgType type, const QMessageLogContext& context,
                             const QString& text) {
    if (type == QtFatalMsg) {
        // no platform could start: nothing of the half-made application is
        // worth tearing down
        const QByteArray message = (Message() + QLatin1Char('\n')).toUtf8();
        std::fwrite(message.constData(), 1, static_cast<std::size_t>(message.size()), stderr);
        std::fflush(stderr);
        std::_Exit(CommandLine::kWrongArguments);
    }
    const QByteArray category(context.category ? context.category : "");
    if (category.startsWith("qt.qpa")) {
        held_.append({type, category, text});
    } else {
        previous_(type, context, text);
    }
}

}  // namespace plane_figures::workspace
