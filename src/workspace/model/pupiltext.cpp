#include "pupiltext.h"

#include <QCoreApplication>

namespace plane_figures::workspace {

const session::PupilTexts& PupilText() {
    static const session::PupilTexts texts([](const char* context, const char* text) {
        return QCoreApplication::translate(context, text).toStdString();
    });
    return texts;
}

}  // namespace plane_figures::workspace
