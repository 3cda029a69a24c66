#include "prompts.h"

#include <QFileDialog>

namespace {

const QString kTitle = QStringLiteral("Равнинни фигури");
const QString kFilter = QStringLiteral("Файлове с точки (*.pfig)");

}  // namespace

Prompts Prompts::Dialogs(QWidget* parent) {
    Prompts prompts;
    prompts.tell = [parent](QMessageBox::Icon icon, const QString& text) {
        QMessageBox box(icon, kTitle, text, QMessageBox::Ok, parent);
        box.exec();
    };
    prompts.file_to_open = [parent](const QString& suggested) {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Отвори файл с точки"),
                                            suggested, kFilter);
    };
    prompts.file_to_save = [parent](const QString& suggested) {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Запиши точките"), suggested,
                                            kFilter);
    };
    prompts.file_to_export = [parent](const QString& suggested) {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Запиши листа"), suggested,
                                            QStringLiteral("PDF (*.pdf);;Картина на платното (*.png)"));
    };
    return prompts;
}
