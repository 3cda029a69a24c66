// How the window tells the pupil something and asks him for a file name:
// message boxes and file dialogs, unless a test puts in its own.
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace plane_figures::workspace {

struct Prompts {
    // Show text in a box with this icon and wait until it is closed.
    std::function<void(QMessageBox::Icon icon, const QString& text)> tell;
    // Show the help (lines, see HelpBox) and wait until it is closed.
    std::function<void(const QString& text)> help;
    // The .pfig file to open, starting at suggested; empty when cancelled.
    std::function<QString(const QString& suggested)> file_to_open;
    // The name to save under, suggested first; empty when cancelled.
    std::function<QString(const QString& suggested)> file_to_save;
    // The name to export a sheet under (.pdf or .png), in a dialog of this
    // title (which sheet), suggested first; empty when cancelled.
    std::function<QString(const QString& title, const QString& suggested)> file_to_export;

    // Ask whether to save before closing: Save, Discard or Cancel.
    std::function<QMessageBox::StandardButton(const QString& text)> save_before_closing;

    // Ask a yes-or-no question: true for yes.
    std::function<bool(const QString& text)> confirm;
    // A line of text the pupil types (label says what); empty when cancelled.
    std::function<QString(const QString& label)> line;

    // Message boxes and file dialogs over parent.
    static Prompts Dialogs(QWidget* parent);
};

}  // namespace plane_figures::workspace
