// The texts that the window shows at start-up: the school task in the report
// box (the session's, which every front-end shows) and a quotation in a hidden box, translated in
// the context "TaskText". Each line ends in CR LF when joined.
#pragma once

#include <QString>
#include <array>
#include <string_view>

#include "taskstatement.h"
#include "translatedlines.h"

namespace plane_figures::workspace {

using session::kTaskStatement;

inline constexpr std::array<std::string_view, 3> kQuotation{
    QT_TRANSLATE_NOOP("TaskText", "Неприятното в това да си първият, направил нещо по "),
    QT_TRANSLATE_NOOP("TaskText", "правилния начин, е, че никой не оценява колко трудно е "),
    QT_TRANSLATE_NOOP("TaskText", "било. "),
};

// lines translated and joined, each followed by CR LF
template <std::size_t N>
QString CrLfText(const std::array<std::string_view, N>& lines) {
    QString text;
    for (const QString& line : TranslatedLines("TaskText", lines))
        text += line + QStringLiteral("\r\n");
    return text;
}

}  // namespace plane_figures::workspace
