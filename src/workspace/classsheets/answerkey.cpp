#include "answerkey.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <utility>
#include <vector>

#include "askedkinds.h"
#include "classsetfiles.h"
#include "figureanalysis.h"
#include "figurekinds.h"
#include "pagemeasure.h"
#include "sheetheading.h"
#include "sheetreport.h"
#include "utf8.h"
#include "worksheet.h"

namespace plane_figures::workspace {

using namespace page;

namespace {

// The key's own texts, translated in the context "AnswerKey" (its title is
// the answer sheet's); the kinds' names and the reports are the core's.
struct Texts {
    static QString Variant() { return AnswerKey::tr("Вариант"); }
    static QString VariantLine(int number) { return AnswerKey::tr("Вариант %1. ").arg(number); }
    static QString Set(std::size_t variants, int points, std::uint64_t code) {
        if (variants == 1)
            return AnswerKey::tr("1 вариант с %1 точки, код %2").arg(points).arg(code);
        return AnswerKey::tr("%1 варианта по %2 точки, код %3").arg(variants).arg(points).arg(code);
    }
    // a variant of the same answer as an earlier one, in its cell, and what that means
    static QString SameAs(std::size_t variant, int same) {
        return AnswerKey::tr("%1 (= %2)").arg(variant).arg(same);
    }
    // said of the first such variant
    static QString SameAsNote(std::size_t variant, int same) {
        return AnswerKey::tr(
                   "„%1 (= %2)“: вариант %1 има същия отговор като вариант %2; така "
                   "е отбелязан всеки вариант със същия отговор като по-ранен.")
            .arg(variant)
            .arg(same);
    }
    static QString DocumentTitle(std::uint64_t code) {
        return AnswerKey::tr("Отговори, код %1").arg(code);
    }
};

constexpr int kTitlePoints = 16;
constexpr int kTablePoints = 10;
constexpr int kHeadingPoints = 8;  // the kinds' names, wrapped in narrow columns

QFont TableFont(bool bold = false) {
    QFont font = TextFont(bold);
    font.setPointSize(bold ? kHeadingPoints : kTablePoints);
    return font;
}

}  // namespace

AnswerKey::AnswerKey(const classset::ClassSet& set, QString heading, bool short_key)
    : set_(set), heading_(std::move(heading)), short_key_(short_key) {}

QStringList AnswerKey::ReportLines(int number) const {
    const classset::Variant& variant = set_.variants.at(static_cast<std::size_t>(number - 1));
    const AnalysisResult result = FigureAnalysis().Run(variant.points);
    QStringList lines;
    // the header, then the figures of the kinds asked
    for (int line = 0; line < result.LineCount(); ++line) {
        if (line == 0 || classset::Asks(set_.settings.kinds,
                                        result.figures[static_cast<std::size_t>(line - 1)].kind))
            lines << QString::fromStdString(result.ReportLine(line));
    }
    lines[0] = Texts::VariantLine(number) + lines[0];
    return lines;
}

int AnswerKey::PaintTable(QPainter& painter, QPagedPaintDevice& device, int bottom) const {
    const int width = Area(painter).width();
    const int gap = Mm(painter, kGapMm);
    const int padding = Mm(painter, kCellPaddingMm);
    QFont title_font = TextFont(true);
    title_font.setPointSize(kTitlePoints);
    painter.setFont(title_font);
    int top = 0;
    const auto centred = [&](const QString& text) {
        const QRect place = painter.fontMetrics().boundingRect(
            QRect(0, 0, width, 0), Qt::TextWordWrap | Qt::AlignHCenter, text);
        painter.drawText(QRect(0, top, width, place.height()), Qt::TextWordWrap | Qt::AlignHCenter,
                         text);
        top += place.height();
    };
    centred(sheetheading::SheetTitle(Sheet::kAnswerSheet));
    painter.setFont(TextFont(true));
    if (!heading_.simplified().isEmpty()) centred(heading_.simplified());
    centred(Texts::Set(set_.variants.size(), set_.settings.points, set_.settings.code));
    top += gap;
    // the variant's column, then the kinds asked, their names wrapped
    std::vector<std::size_t> kinds;
    for (int k = 0; k < kKindCount; ++k) {
        if (classset::Asks(set_.settings.kinds, k)) kinds.push_back(static_cast<std::size_t>(k));
    }
    const int columns = static_cast<int>(kinds.size()) + 1;
    // wider where a variant names the one of its answer
    const std::vector<int> same = classset::SameAnswerAs(set_);
    const bool shared = std::any_of(same.begin(), same.end(), [](int s) { return s != 0; });
    const int first = Mm(painter, shared ? 24 : 16);
    const int cell = (width - first) / (columns - 1);
    const auto left = [&](int c) { return c == 0 ? 0 : first + (c - 1) * cell; };
    const auto column_width = [&](int c) { return c == 0 ? first : cell; };
    QStringList heading{Texts::Variant()};
    for (const std::size_t k : kinds) heading << Utf8(kKindNames[k]);
    painter.setFont(TableFont(true));
    int heading_height = 0;
    for (int c = 0; c < columns; ++c) {
        heading_height = std::max(heading_height,
                                  painter.fontMetrics()
                                      .boundingRect(QRect(0, 0, column_width(c) - 2 * padding, 0),
                                                    Qt::TextWordWrap | Qt::AlignHCenter, heading[c])
                                      .height());
    }
    heading_height += 2 * padding;
    const int row_height = QFontMetrics(TableFont(), painter.device()).height() + padding;
    const auto row = [&](const QStringList& cells, int height, bool bold) {
        painter.setFont(TableFont(bold));
        for (int c = 0; c < columns; ++c) {
            const QRect box(left(c), top, column_width(c), height);
            painter.drawRect(box);
            painter.drawText(box.adjusted(padding, 0, -padding, 0),
                             Qt::TextWordWrap | Qt::AlignCenter, cells.value(c));
        }
        top += height;
    };
    row(heading, heading_height, true);
    for (std::size_t v = 0; v < set_.variants.size(); ++v) {
        if (top + row_height > bottom) {  // on the next page, under the heading again
            device.newPage();
            top = 0;
            row(heading, heading_height, true);
        }
        QStringList cells{same[v] != 0 ? Texts::SameAs(v + 1, same[v]) : QString::number(v + 1)};
        for (const std::size_t k : kinds) cells << QString::number(set_.variants[v].counts[k]);
        row(cells, row_height, false);
    }
    if (shared) {
        if (top + row_height > bottom) {
            device.newPage();
            top = 0;
        }
        painter.setFont(TableFont());
        top += padding;
        const auto example = static_cast<std::size_t>(
            std::find_if(same.begin(), same.end(), [](int s) { return s != 0; }) - same.begin());
        const QString note = Texts::SameAsNote(example + 1, same[example]);
        const QRect place =
            painter.fontMetrics().boundingRect(QRect(0, 0, width, 0), Qt::TextWordWrap, note);
        painter.drawText(QRect(0, top, width, place.height()), Qt::TextWordWrap, note);
        top += place.height();
    }
    return top;
}

bool AnswerKey::WritePdf(QIODevice& device) const {
    QPdfWriter writer(&device);
    writer.setPageLayout(QPageLayout(Worksheet::DefaultPageSize(), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
    writer.setTitle(Texts::DocumentTitle(set_.settings.code));
    writer.setCreator(QStringLiteral("plane-figures"));
    Worksheet::SetMargins(writer);
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    painter.setPen(QPen(Qt::black, Mm(painter, kLineMm)));
    const int bottom = Area(painter).height();
    int top = PaintTable(painter, writer, bottom) + Mm(painter, kGapMm);
    if (short_key_) return painter.end();  // the table of counts alone
    // each variant's report in columns, going on where the one before ended
    const QFontMetrics metrics(ReportFont(), painter.device());
    for (int v = 1; v <= static_cast<int>(set_.variants.size()); ++v) {
        const QStringList lines = ReportLines(v);
        sheetreport::Frame frame;
        frame.width = Area(painter).width();
        frame.first_top = top;
        frame.bottom = bottom;
        frame.column_gap = Mm(painter, kColumnGapMm);
        frame.band_gap = Mm(painter, kGapMm / 2);
        frame.alone = 1;  // the variant's own line
        const QList<sheetreport::Page> pages = sheetreport::LayOut(metrics, frame, lines);
        for (qsizetype p = 0; p < pages.size(); ++p) {
            if (p > 0) {
                writer.newPage();
                top = 0;
            }
            for (const sheetreport::Placed& placed : pages[p]) {
                painter.setFont(ReportFont(placed.line == 0));
                painter.drawText(placed.place, Qt::TextWordWrap, lines[placed.line]);
                top = std::max(top, placed.place.bottom());
            }
        }
        top += Mm(painter, kGapMm / 2);
    }
    return painter.end();
}

}  // namespace plane_figures::workspace
