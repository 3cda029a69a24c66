// The class's results in the teacher's window: a folder of the pupils'
// saved tasks chosen and read, a row per file and the row of shares in a
// table, kinds right and wrong in colour and in words; the table saved for a
// spreadsheet (the same bytes as --class-results), as a PDF, or printed.
#pragma once

#include <QWidget>

#include "classresults.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace plane_figures::workspace {

class ClassResultsView : public QWidget {
    Q_OBJECT

public:
    explicit ClassResultsView(QWidget* parent = nullptr);

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
    QPushButton* CsvButton() const { return csv_; }
    QPushButton* PdfButton() const { return pdf_; }
    QPushButton* PrintButton() const { return print_; }

private:
    void ChooseFolder();
    void Show();
    void AskCsv();
    void AskPdf();
    void Print();
    // the heading of the printed table: the folder's name and what was read
    QString Heading() const;

    classresults::ClassResults results_;
    QString loaded_;  // the folder the results are of; empty before any
    QLineEdit* folder_;
    QTableWidget* table_;
    QLabel* message_;
    QPushButton* csv_;
    QPushButton* pdf_;
    QPushButton* print_;
};

}  // namespace plane_figures::workspace
