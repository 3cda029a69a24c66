#include "sheetheading.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <array>
#include <string_view>

#include "figurekinds.h"
#include "pagemeasure.h"

namespace plane_figures::workspace::sheetheading {

using namespace page;

namespace {

// The head's own texts, translated in the sheets' context "Worksheet".
struct Texts {
    static QString Answers() { return QCoreApplication::translate("Worksheet", "Отговори"); }
    static QString Worksheet() { return QCoreApplication::translate("Worksheet", "Работен лист"); }
    static QString Name() { return QCoreApplication::translate("Worksheet", "Име:"); }
    static QString Class() { return QCoreApplication::translate("Worksheet", "Клас:"); }
    static QString Date() { return QCoreApplication::translate("Worksheet", "Дата:"); }
    static QString Count() {
        return QCoreApplication::translate(
            "Worksheet",
            "Пребройте фигурите от всеки вид с върхове в дадените точки и запишете броя им в "
            "таблицата.");
    }
    static QString PlotAndCount() {
        return QCoreApplication::translate(
            "Worksheet",
            "Нанесете точките от таблицата върху мрежата и ги номерирайте: началото е горният ляв "
            "ъгъл, страната на квадратчето е 20, а ординатата расте надолу. След това пребройте "
            "фигурите от всеки вид с върхове в тези точки и запишете броя им в таблицата.");
    }
};

// the core's sentence is translated where it is used, by its own bytes as the source text
static_assert(kOneKindEach.data()[kOneKindEach.size()] == '\0');

constexpr int kTitlePoints = 16;
constexpr double kRowGapMm = 2.5;

// text centred across the page at top, wrapped; returns its height
int Centred(QPainter& painter, const QFont& font, int top, const QString& text, bool draw) {
    painter.setFont(font);
    const int width = Area(painter).width();
    const QRect place = painter.fontMetrics().boundingRect(
        QRect(0, 0, width, 0), Qt::TextWordWrap | Qt::AlignHCenter, text);
    if (draw) {
        painter.drawText(QRect(0, top, width, place.height()), Qt::TextWordWrap | Qt::AlignHCenter,
                         text);
    }
    return place.height();
}

// "Име:", "Клас:" and "Дата:", each followed by a line to write on, across
// the page in these shares of its width; returns the row's height
int NameLine(QPainter& painter, int top, bool draw) {
    painter.setFont(TextFont());
    const QFontMetrics metrics = painter.fontMetrics();
    const int height = metrics.height() + Mm(painter, 2);
    if (!draw) return height;
    const std::array<std::pair<QString, double>, 3> fields{
        {{Texts::Name(), 0.55}, {Texts::Class(), 0.18}, {Texts::Date(), 0.27}}};
    const int width = Area(painter).width();
    const int gap = Mm(painter, kGapMm);
    const int baseline = top + height - metrics.descent();
    int x = 0;
    for (std::size_t f = 0; f < fields.size(); ++f) {
        const auto& [label, share] = fields[f];
        const int end = f + 1 == fields.size() ? width : x + qRound(width * share);
        painter.drawText(QPoint(x, baseline), label);
        const int start = x + metrics.horizontalAdvance(label) + Mm(painter, 1);
        painter.drawLine(start, baseline, f + 1 == fields.size() ? end : end - gap, baseline);
        x = end;
    }
    return height;
}

}  // namespace

QString SheetTitle(Sheet sheet) {
    return sheet == Sheet::kAnswerSheet ? Texts::Answers() : Texts::Worksheet();
}

QString OneKindEach() { return QCoreApplication::translate("Worksheet", kOneKindEach.data()); }

QString KindsNote(classset::KindMask asked) {
    if (classset::AsksAll(asked)) return QString();
    // the core's texts, translated by their bytes as kOneKindEach is
    const auto translated = [](std::string_view text) {
        return QCoreApplication::translate("Worksheet", text.data());
    };
    QStringList clauses;
    for (int k = 0; k < kKindCount; ++k) {
        const std::string_view clause = classset::kNotCountedAs.at(static_cast<std::size_t>(k));
        if (classset::Asks(asked, k) && !clause.empty()) clauses << translated(clause);
    }
    QString note = translated(classset::kOnlyTheTable);
    if (!clauses.isEmpty())
        note += translated(classset::kEachInItsNarrowest) + clauses.join(QStringLiteral("; "));
    return note + QLatin1Char('.');
}

int Draw(QPainter& painter, Sheet sheet, const QString& task_title, bool draw, bool plotting,
         const QString& kinds_note) {
    const int row_gap = Mm(painter, kRowGapMm);
    QFont title_font = TextFont(true);
    title_font.setPointSize(kTitlePoints);
    int top = Centred(painter, title_font, 0, SheetTitle(sheet), draw) + row_gap / 2;
    top += Centred(painter, TextFont(true), top, task_title, draw) + row_gap;
    top += NameLine(painter, top, draw);
    if (sheet == Sheet::kWorksheet) {
        top += row_gap;
        const QString task = plotting ? Texts::PlotAndCount() : Texts::Count();
        top += Centred(painter, TextFont(), top, task, draw);
        top += Centred(painter, TextFont(), top, kinds_note.isEmpty() ? OneKindEach() : kinds_note,
                       draw);
    }
    painter.setFont(TextFont());
    return top;
}

}  // namespace plane_figures::workspace::sheetheading
