// Whether a text names a kind, in the forms the program's Bulgarian gives
// them ("квадрат", "квадратите", "равнобедрени правоъгълни триъгълници"), so
// that a test can say a text speaks of no kind a task does not ask for.
// Words that only contain a kind's name ("квадратчета", "успоредни страни",
// "прав ъгъл") name none.
#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <array>

namespace kindnames {

inline const std::array<QRegularExpression, 7>& Patterns() {
    const auto pattern = [](const char* text) {
        return QRegularExpression(QString::fromUtf8(text),
                                  QRegularExpression::CaseInsensitiveOption |
                                      QRegularExpression::UseUnicodePropertiesOption);
    };
    static const std::array<QRegularExpression, 7> patterns{
        // isosceles, but not isosceles right
        pattern("\\bравнобедрен(?:ият|ия|ите|и)?+\\b(?! правоъгъл)"),
        // right, but not isosceles right
        pattern("(?<!равнобедрен )(?<!равнобедрени )(?<!равнобедрения )(?<!равнобедреният )"
                "\\bправоъгъл(?:ният|ния|ните|ни|ен)\\b"),
        pattern("\\bравнобедрен(?:ият|ия|ите|и)? правоъгъл"),
        pattern("\\bуспоредни(?:ците|кът|ка|ци|к)\\b"),
        pattern("\\bправоъгълни(?:ците|кът|ка|ци|к)\\b"),
        pattern("\\bквадрат(?:ите|ът|а|и)?\\b"),
        pattern("\\bромб(?:овете|ове|ът|а)?\\b"),
    };
    return patterns;
}

// The kinds (0..6) outside asked (bit k for kind k) that text names, its
// blanks and line ends taken as single blanks.
inline QList<int> NamedOutside(const QString& text, unsigned asked) {
    const QString words = text.simplified();
    QList<int> named;
    for (int k = 0; k < 7; ++k) {
        if ((asked >> k & 1u) == 0 &&
            Patterns()[static_cast<std::size_t>(k)].match(words).hasMatch())
            named << k;
    }
    return named;
}

}  // namespace kindnames
