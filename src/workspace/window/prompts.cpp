#include "prompts.h"

#include <QAbstractButton>
#include <QFileDialog>

#include "helpbox.h"

namespace plane_figures::workspace {

namespace {

const QString kTitle = QStringLiteral("Равнинни фигури");
const QString kFilter = QStringLiteral("Файлове с точки (*.pfig)");

// A name to save under, the suffix added to a bare name before the dialog
// asks whether to replace a file of that name; empty when cancelled.
QString SaveName(QWidget* parent, const QString& title, const QString& suggested,
                 const QStringList& filters, const QString& suffix) {
    QFileDialog dialog(parent, title, suggested);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffix);
    if (!suggested.isEmpty()) dialog.selectFile(suggested);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

}  // namespace

Prompts Prompts::Dialogs(QWidget* parent) {
    Prompts prompts;
    prompts.tell = [parent](QMessageBox::Icon icon, const QString& text) {
        QMessageBox box(icon, kTitle, text, QMessageBox::Ok, parent);
        box.exec();
    };
    prompts.help = [parent](const QString& text) {
        HelpBox box(text, parent);
        box.exec();
    };
    prompts.file_to_open = [parent](const QString& suggested) {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Отвори файл с точки"),
                                            suggested, kFilter);
    };
    prompts.file_to_save = [parent](const QString& suggested) {
        return SaveName(parent, QStringLiteral("Запиши точките"), suggested, {kFilter},
                        QStringLiteral("pfig"));
    };
    prompts.file_to_export = [parent](const QString& title, const QString& suggested) {
        return SaveName(
            parent, title, suggested,
            {QStringLiteral("PDF (*.pdf)"), QStringLiteral("Картина на платното (*.png)")},
            QStringLiteral("pdf"));
    };
    prompts.save_before_closing = [parent](const QString& text) {
        QMessageBox box(QMessageBox::Question, kTitle, text,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.button(QMessageBox::Save)->setText(QStringLiteral("Запиши"));
        box.button(QMessageBox::Discard)->setText(QStringLiteral("Не записвай"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("Отказ"));
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    };
    return prompts;
}

}  // namespace plane_figures::workspace
