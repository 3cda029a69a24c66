#include "resultssheet.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <utility>

#include "pagemeasure.h"
#include "resultscell.h"
#include "resultstable.h"
#include "worksheet.h"

namespace plane_figures::workspace {

using namespace page;
using classresults::ResultsTable;

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("ResultsSheet", text); }

constexpr int kTitlePoints = 16;
constexpr int kTablePoints = 9;
constexpr int kHeaderPoints = 8;  // the kinds' names, wrapped in narrow columns

QFont TableFont(int points, bool bold) {
    QFont font = TextFont(bold);
    font.setPointSize(points);
    return font;
}

// each column's share of the page's width: the name and the note wide, the
// seven kinds and the numbers narrow
constexpr std::array<int, ResultsTable::kColumns> kWeights{18, 7,  10, 10, 10, 10, 10,
                                                           10, 10, 8,  8,  9,  16};

}  // namespace

ResultsSheet::ResultsSheet(const classresults::ClassResults& results, QString heading)
    : results_(results), heading_(std::move(heading)) {}

QList<QStringList> ResultsSheet::Cells() const {
    QList<QStringList> cells{resultscell::Header()};
    for (const classresults::PupilRow& row : results_.rows) cells << resultscell::Row(row);
    cells << resultscell::Shares(results_);
    return cells;
}

bool ResultsSheet::WritePdf(QIODevice& device) const {
    QPdfWriter writer(&device);
    writer.setPageLayout(QPageLayout(Worksheet::DefaultPageSize(), QPageLayout::Landscape,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
    writer.setTitle(Tr("Резултати на класа"));
    writer.setCreator(QStringLiteral("plane-figures"));
    return Paint(writer);
}

bool ResultsSheet::Paint(QPagedPaintDevice& device) const {
    Worksheet::SetMargins(device);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    PaintPages(painter, device);
    return painter.end();
}

void ResultsSheet::PaintPages(QPainter& painter, QPagedPaintDevice& device) const {
    // laid out once to count the pages, then painted with "Страница 1 от 3"
    const int pages = Lay(painter, device, 0);
    Lay(painter, device, pages);
}

int ResultsSheet::Lay(QPainter& painter, QPagedPaintDevice& device, int pages) const {
    const bool paint = pages > 0;
    painter.setPen(QPen(Qt::black, Mm(painter, kLineMm)));
    const int width = Area(painter).width();
    const QFont footer_font = TableFont(kTablePoints, false);
    const int footer = QFontMetrics(footer_font, painter.device()).height();
    // the page number's line under the table
    const int bottom = Area(painter).height() - footer - Mm(painter, kGapMm);
    const int padding = Mm(painter, kCellPaddingMm);
    int page = 1;
    int top = 0;
    const auto number = [&] {
        if (!paint) return;
        painter.setFont(footer_font);
        painter.drawText(QRect(0, Area(painter).height() - footer, width, footer),
                         Qt::AlignHCenter | Qt::AlignBottom,
                         Tr("Страница %1 от %2").arg(page).arg(pages));
    };
    QFont title_font = TextFont(true);
    title_font.setPointSize(kTitlePoints);
    const auto centred = [&](const QString& text, const QFont& font) {
        painter.setFont(font);
        const int flags = Qt::TextWordWrap | Qt::AlignHCenter;
        const QRect place = painter.fontMetrics().boundingRect(QRect(0, 0, width, 0), flags, text);
        if (paint) painter.drawText(QRect(0, top, width, place.height()), flags, text);
        top += place.height();
    };
    centred(Tr("Резултати на класа"), title_font);
    if (!heading_.simplified().isEmpty()) centred(heading_.simplified(), TextFont(true));
    if (const QString set = resultscell::SetLine(results_); !set.isEmpty())
        centred(set, TextFont(false));
    top += Mm(painter, kGapMm);

    int total_weight = 0;
    for (const int weight : kWeights) total_weight += weight;
    std::array<int, ResultsTable::kColumns> lefts{};
    std::array<int, ResultsTable::kColumns> widths{};
    for (std::size_t c = 0, left = 0, weight = 0; c < kWeights.size(); ++c) {
        lefts[c] = static_cast<int>(left);
        weight += static_cast<std::size_t>(kWeights[c]);
        const int right = static_cast<int>(static_cast<long long>(width) *
                                           static_cast<long long>(weight) / total_weight);
        widths[c] = right - lefts[c];
        left = static_cast<std::size_t>(right);
    }
    const int flags = Qt::TextWordWrap | Qt::AlignCenter;
    const auto height_of = [&](const QStringList& cells, const QFont& font) {
        const QFontMetrics metrics(font, painter.device());
        int height = metrics.height();
        for (int c = 0; c < ResultsTable::kColumns; ++c) {
            const QRect room(0, 0, widths[static_cast<std::size_t>(c)] - 2 * padding, 0);
            height = std::max(height, metrics.boundingRect(room, flags, cells.value(c)).height());
        }
        return height + 2 * padding;
    };
    const auto row = [&](const QStringList& cells, const QFont& font, const QList<QColor>& fills) {
        const int height = height_of(cells, font);
        if (paint) {
            painter.setFont(font);
            for (int c = 0; c < ResultsTable::kColumns; ++c) {
                const std::size_t i = static_cast<std::size_t>(c);
                const QRect box(lefts[i], top, widths[i], height);
                if (fills.value(c).isValid()) painter.fillRect(box, fills.value(c));
                painter.drawRect(box);
                painter.drawText(box.adjusted(padding, 0, -padding, 0), flags, cells.value(c));
            }
        }
        top += height;
    };
    const QFont header_font = TableFont(kHeaderPoints, false);
    const QStringList header = resultscell::Header();
    row(header, header_font, {});
    const auto fits = [&](const QStringList& cells, const QFont& font) {
        if (top + height_of(cells, font) <= bottom) return;
        number();
        if (paint) device.newPage();  // on the next page, under the header again
        ++page;
        top = 0;
        row(header, header_font, {});
    };
    const QFont cell_font = TableFont(kTablePoints, false);
    for (const classresults::PupilRow& pupil : results_.rows) {
        const QStringList cells = resultscell::Row(pupil);
        QList<QColor> fills;
        for (int c = 0; c < ResultsTable::kColumns; ++c) fills << resultscell::Fill(pupil, c);
        fits(cells, cell_font);
        row(cells, cell_font, fills);
    }
    const QStringList shares = resultscell::Shares(results_);
    const QFont total_font = TableFont(kTablePoints, true);
    fits(shares, total_font);
    row(shares, total_font, {});
    number();
    return page;
}

}  // namespace plane_figures::workspace
