#include "classresultsview.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <variant>

#include "classresultsfolder.h"
#include "resultscell.h"
#include "resultscsv.h"
#include "resultsitem.h"
#include "resultssheet.h"
#include "resultstable.h"
#include "utf8.h"

namespace plane_figures::workspace {

using classresults::ResultsTable;

namespace {

// where a row's item of the first column keeps the row's index in the results
constexpr int kRowRole = Qt::UserRole;
constexpr int kViewColumns = ResultsTable::kColumns + 1;

// the column of the printed table a column of the window shows; -1 for the files
int CellColumn(int column) {
    if (column == ClassResultsView::kFileColumn) return -1;
    return column < ClassResultsView::kFileColumn ? column : column - 1;
}

// what a column sorts by: the variant, checks and hints as numbers, the
// rest as their text; an empty cell before all
QVariant SortKey(const classresults::PupilRow& row, int column, const QString& text) {
    if (text.isEmpty()) return QVariant();
    if (column == ResultsTable::kVariant) return row.variant;
    if (column == ResultsTable::kChecks && row.checks) return *row.checks;
    if (column == ResultsTable::kHints && row.hints) return *row.hints;
    return text;
}

}  // namespace

ClassResultsView::ClassResultsView(QWidget* parent)
    : QWidget(parent),
      folder_(new QLineEdit(this)),
      table_(new QTableWidget(this)),
      message_(new QLabel(this)),
      not_read_(new QLabel(this)),
      open_([](const QString& path) {
          return QProcess::startDetached(QCoreApplication::applicationFilePath(), {path});
      }),
      csv_(new QPushButton(tr("Запиши за &електронна таблица (CSV)…"), this)),
      pdf_(new QPushButton(tr("Запиши като P&DF…"), this)),
      print_(new QPushButton(tr("&Отпечатай…"), this)) {
    auto* intro = new QLabel(
        tr("Съберете записаните от учениците файлове (.pfig) в една папка. Програмата проверява "
           "всеки отговор по точките на файла и показва кои видове са преброени вярно и какъв "
           "дял от класа е отговорил вярно."),
        this);
    intro->setWordWrap(true);
    folder_->setPlaceholderText(tr("папката със записаните задачи"));
    auto* choose = new QPushButton(tr("&Избери…"), this);
    auto* read = new QPushButton(tr("&Прочети"), this);
    auto* folder_row = new QHBoxLayout;
    folder_row->addWidget(folder_, 1);
    folder_row->addWidget(choose);
    folder_row->addWidget(read);
    auto* folder_form = new QFormLayout;
    auto* folder_label = new QLabel(tr("П&апка:"), this);
    folder_label->setBuddy(folder_);
    folder_form->addRow(folder_label, folder_row);

    table_->setColumnCount(kViewColumns);
    QStringList header = resultscell::Header();
    header.insert(kFileColumn, tr("Файл"));
    for (int c = 0; c < kViewColumns; ++c) {
        // the kinds by their short captions, in full on a tooltip
        const int kind = CellColumn(c) < 0 ? -1 : CellColumn(c) - ResultsTable::kFirstKind;
        auto* item = new QTableWidgetItem(kind >= 0 && kind < kKindCount
                                              ? Utf8(kKindCaptions[static_cast<std::size_t>(kind)])
                                              : header[c]);
        item->setToolTip(header[c]);
        table_->setHorizontalHeaderItem(c, item);
    }
    table_->resizeColumnsToContents();  // every column shown at the window's first size
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setAccessibleName(tr("Резултати на класа"));
    table_->setAccessibleDescription(
        tr("Щракнете върху заглавието на колона, за да подредите редовете по нея; с двойно "
           "щракване файлът на реда се отваря в прозореца на ученика."));
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);  // the files' order
    not_read_->setWordWrap(true);
    not_read_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(csv_);
    buttons->addWidget(pdf_);
    buttons->addWidget(print_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(intro);
    column->addLayout(folder_form);
    column->addWidget(table_, 1);
    column->addWidget(not_read_);
    column->addWidget(message_);
    column->addLayout(buttons);

    connect(choose, &QPushButton::clicked, this, &ClassResultsView::ChooseFolder);
    connect(read, &QPushButton::clicked, this, [this] { Load(folder_->text().trimmed()); });
    connect(folder_, &QLineEdit::returnPressed, this, [this] { Load(folder_->text().trimmed()); });
    connect(csv_, &QPushButton::clicked, this, &ClassResultsView::AskCsv);
    connect(pdf_, &QPushButton::clicked, this, &ClassResultsView::AskPdf);
    connect(print_, &QPushButton::clicked, this, &ClassResultsView::Print);
    connect(table_, &QTableWidget::cellActivated, this, [this](int row, int) { Open(row); });
    Show();
}

void ClassResultsView::SetOpener(Opener opener) { open_ = std::move(opener); }

bool ClassResultsView::Load(const QString& folder) {
    const QString path = QDir::fromNativeSeparators(folder);
    const auto read = classresultsfolder::Read(path);
    if (const auto* why = std::get_if<QString>(&read)) {
        results_ = {};
        loaded_.clear();
        Show();
        message_->setText(*why);
        return false;
    }
    results_ = classresults::Judge(std::get<classresults::Folder>(read));
    loaded_ = path;
    folder_->setText(QDir::toNativeSeparators(path));
    Show();
    return true;
}

void ClassResultsView::Show() {
    // filled unsorted, then sorted as the teacher last chose
    table_->setSortingEnabled(false);
    table_->setRowCount(0);
    const auto rows = static_cast<int>(results_.rows.size());
    if (!loaded_.isEmpty()) table_->setRowCount(rows + 1);
    for (int r = 0; r < rows; ++r) {
        const classresults::PupilRow& row = results_.rows[static_cast<std::size_t>(r)];
        QStringList cells = resultscell::Row(row);
        cells.insert(kFileColumn, QString::fromStdString(row.file_name));
        for (int c = 0; c < kViewColumns; ++c) {
            const int cell = CellColumn(c);
            auto* item = new ResultsItem(cells.value(c), SortKey(row, cell, cells.value(c)));
            if (const QColor fill = resultscell::Fill(row, cell); fill.isValid()) {
                item->setBackground(fill);
                item->setForeground(Qt::black);
            }
            if (!row.counted) item->setForeground(palette().color(QPalette::PlaceholderText));
            if (cell > ResultsTable::kName && cell < ResultsTable::kNote)
                item->setTextAlignment(Qt::AlignCenter);
            if (c == 0) item->setData(kRowRole, r);
            table_->setItem(r, c, item);
        }
    }
    if (!loaded_.isEmpty()) {
        QStringList shares = resultscell::Shares(results_);
        shares.insert(kFileColumn, QString());
        QFont bold = table_->font();
        bold.setBold(true);
        for (int c = 0; c < kViewColumns; ++c) {
            auto* item = new ResultsItem(shares.value(c), QVariant(), true);
            item->setFont(bold);
            if (CellColumn(c) > 0) item->setTextAlignment(Qt::AlignCenter);
            table_->setItem(rows, c, item);
        }
    }
    table_->setSortingEnabled(true);
    table_->resizeColumnsToContents();
    for (QPushButton* button : {csv_, pdf_, print_}) button->setEnabled(!loaded_.isEmpty());
    not_read_->setText(resultscell::NotRead(results_));
    not_read_->setVisible(!not_read_->text().isEmpty());
    const QString set = resultscell::SetLine(results_);
    message_->setText(loaded_.isEmpty() ? QString()
                      : set.isEmpty()   ? Heading()
                                        : Heading() + QLatin1Char('\n') + set);
}

QSize ClassResultsView::sizeHint() const {
    const QSize hint = QWidget::sizeHint();
    const QMargins margins = layout()->contentsMargins();
    // up to the last kind's column: the counts the teacher reads first
    const int last_kind = kFileColumn + 1 + ResultsTable::kFirstKind + kKindCount - 1;
    const QHeaderView* header = table_->horizontalHeader();
    const int table = header->sectionPosition(last_kind) + header->sectionSize(last_kind) +
                      2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width();
    return {std::max(hint.width(), table + margins.left() + margins.right()), hint.height()};
}

void ClassResultsView::Open(int table_row) {
    const QTableWidgetItem* item = table_->item(table_row, 0);
    if (item == nullptr || !item->data(kRowRole).isValid()) return;
    const classresults::PupilRow& row =
        results_.rows.at(static_cast<std::size_t>(item->data(kRowRole).toInt()));
    const QString path = QDir(loaded_).filePath(QString::fromStdString(row.file_name));
    if (!open_(path)) {
        message_->setText(
            tr("Файлът „%1“ не можа да се отвори.").arg(QDir::toNativeSeparators(path)));
    }
}

QString ClassResultsView::Heading() const {
    const int left_out = static_cast<int>(results_.rows.size()) - results_.counted;
    return tr("Папка „%1“ – прочетени файлове: %2, от тях не влизат в общия ред: %3.")
        .arg(QFileInfo(loaded_).fileName().isEmpty() ? QDir::toNativeSeparators(loaded_)
                                                     : QFileInfo(loaded_).fileName())
        .arg(results_.rows.size())
        .arg(left_out);
}

namespace {

QString NotWritten(const QString& path) {
    return QCoreApplication::translate("ClassResultsView", "Файлът „%1“ не е записан.")
        .arg(QDir::toNativeSeparators(path));
}

}  // namespace

QString ClassResultsView::SaveCsv(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return NotWritten(path);
    const std::string csv = classresults::ResultsCsv(results_);
    file.write(csv.data(), static_cast<qint64>(csv.size()));
    return file.commit() ? QString() : NotWritten(path);
}

QString ClassResultsView::SavePdf(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return NotWritten(path);
    if (!ResultsSheet(results_, Heading()).WritePdf(file)) {
        file.cancelWriting();
        return NotWritten(path);
    }
    return file.commit() ? QString() : NotWritten(path);
}

void ClassResultsView::ChooseFolder() {
    const QString chosen =
        QFileDialog::getExistingDirectory(this, tr("Папка със записаните задачи"), folder_->text());
    if (!chosen.isEmpty()) Load(chosen);
}

void ClassResultsView::AskCsv() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Запиши резултатите"),
                                                      QDir(loaded_).filePath(tr("резултати.csv")),
                                                      tr("Таблица CSV (*.csv)"));
    if (path.isEmpty()) return;
    const QString failed = SaveCsv(path);
    message_->setText(failed.isEmpty() ? tr("Записано в „%1“.").arg(QDir::toNativeSeparators(path))
                                       : failed);
}

void ClassResultsView::AskPdf() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Запиши резултатите"),
                                                      QDir(loaded_).filePath(tr("резултати.pdf")),
                                                      tr("Документ PDF (*.pdf)"));
    if (path.isEmpty()) return;
    const QString failed = SavePdf(path);
    message_->setText(failed.isEmpty() ? tr("Записано в „%1“.").arg(QDir::toNativeSeparators(path))
                                       : failed);
}

void ClassResultsView::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(tr("Резултати на класа"));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!ResultsSheet(results_, Heading()).Paint(printer)) {
        message_->setText(
            tr("Таблицата не можа да се отпечата на принтера „%1“.").arg(printer.printerName()));
    }
}

}  // namespace plane_figures::workspace
