// The class's results in the teacher's window: a folder of the pupils'
// saved tasks chosen and read, a row per file and the row of shares in a
// table, kinds right and wrong in colour and in words, the file of each row
// beside it, sorted by any column and opened in the pupil's window with a
// double-click; what the folder holds and was not read under the table; the
// table saved for a spreadsheet (the same bytes as --class-results), as a
// PDF, or printed.
#pragma once

#include <QWidget>
#include <functional>

#include "classresults.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace plane_figures::workspace {

class ClassResultsView : public QWidget {
    Q_OBJECT

public:
    // The column of the files' names, beside the pupils' names; the printed
    // table's columns after it.
    static constexpr int kFileColumn = 1;

    // What opens a pupil's file: true when it was started.
    using Opener = std::function<bool(const QString& path)>;

    explicit ClassResultsView(QWidget* parent = nullptr);

    // By default the program itself is started with the file, as the
    // pupil's window.
    void SetOpener(Opener opener);

    // Read the folder's files and show their rows; false, with the reason
    // under the table, when the folder cannot be read.
    bool Load(const QString& folder);
    // The table into a file, whole or not at all; a message for the
    // teacher when it failed, empty when it was written.
    [[nodiscard]] QString SaveCsv(const QString& path) const;
    [[nodiscard]] QString SavePdf(const QString& path) const;

    const classresults::ClassResults& Results() const { return results_; }

    // the view's parts, for tests and a screen reader's names
    QLineEdit* Folder() const { return folder_; }
    QTableWidget* Table() const { return table_; }
    QLabel* Message() const { return message_; }
    QLabel* NotRead() const { return not_read_; }
    QPushButton* CsvButton() const { return csv_; }
    QPushButton* PdfButton() const { return pdf_; }
    QPushButton* PrintButton() const { return print_; }

private:
    void ChooseFolder();
    void Show();
    void AskCsv();
    void AskPdf();
    void Print();
    // the file of the table's row in the pupil's window; nothing for the shares
    void Open(int table_row);
    // the heading of the printed table: the folder's name and what was read
    QString Heading() const;

    classresults::ClassResults results_;
    QString loaded_;  // the folder the results are of; empty before any
    QLineEdit* folder_;
    QTableWidget* table_;
    QLabel* message_;
    QLabel* not_read_;
    Opener open_;
    QPushButton* csv_;
    QPushButton* pdf_;
    QPushButton* print_;
};

}  // namespace plane_figures::workspace
