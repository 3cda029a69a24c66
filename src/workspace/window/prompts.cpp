#include "prompts.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>

#include "helpbox.h"

namespace plane_figures::workspace {

namespace {

// The dialogs' own texts, in the context "Prompts".
QString Tr(const char* text) { return QCoreApplication::translate("Prompts", text); }

struct Texts {
    QString title = Tr(QT_TRANSLATE_NOOP("Prompts", "Равнинни фигури"));
    QString filter = Tr(QT_TRANSLATE_NOOP("Prompts", "Файлове с точки (*.pfig)"));
    QString open = Tr(QT_TRANSLATE_NOOP("Prompts", "Отвори файл с точки"));
    QString save = Tr(QT_TRANSLATE_NOOP("Prompts", "Запиши точките"));
    QStringList export_filters{Tr(QT_TRANSLATE_NOOP("Prompts", "PDF (*.pdf)")),
                               Tr(QT_TRANSLATE_NOOP("Prompts", "Картина на платното (*.png)"))};
    QString save_button = Tr(QT_TRANSLATE_NOOP("Prompts", "Запиши"));
    QString discard_button = Tr(QT_TRANSLATE_NOOP("Prompts", "Не записвай"));
    QString cancel_button = Tr(QT_TRANSLATE_NOOP("Prompts", "Отказ"));
    QString yes_button = Tr(QT_TRANSLATE_NOOP("Prompts", "Да"));
    QString no_button = Tr(QT_TRANSLATE_NOOP("Prompts", "Не"));
};

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
        QMessageBox box(icon, Texts().title, text, QMessageBox::Ok, parent);
        box.exec();
    };
    prompts.help = [parent](const QString& text) {
        HelpBox box(text, parent);
        box.exec();
    };
    prompts.file_to_open = [parent](const QString& suggested) {
        const Texts texts;
        return QFileDialog::getOpenFileName(parent, texts.open, suggested, texts.filter);
    };
    prompts.file_to_save = [parent](const QString& suggested) {
        const Texts texts;
        return SaveName(parent, texts.save, suggested, {texts.filter}, QStringLiteral("pfig"));
    };
    prompts.file_to_export = [parent](const QString& title, const QString& suggested) {
        return SaveName(parent, title, suggested, Texts().export_filters, QStringLiteral("pdf"));
    };
    prompts.save_before_closing = [parent](const QString& text) {
        const Texts texts;
        QMessageBox box(QMessageBox::Question, texts.title, text,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.button(QMessageBox::Save)->setText(texts.save_button);
        box.button(QMessageBox::Discard)->setText(texts.discard_button);
        box.button(QMessageBox::Cancel)->setText(texts.cancel_button);
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    };
    prompts.confirm = [parent](const QString& text) {
        const Texts texts;
        QMessageBox box(QMessageBox::Question, texts.title, text,
                        QMessageBox::Yes | QMessageBox::No, parent);
        box.button(QMessageBox::Yes)->setText(texts.yes_button);
        box.button(QMessageBox::No)->setText(texts.no_button);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    };
    prompts.line = [parent](const QString& label) {
        bool ok = false;
        const QString text =
            QInputDialog::getText(parent, Texts().title, label, QLineEdit::Normal, QString(), &ok);
        return ok ? text : QString();
    };
    return prompts;
}

}  // namespace plane_figures::workspace
