// The window's commands beyond its buttons: opening and saving exercise
// files (also by dropping a file on the window), undo and redo, the sheets
// and the help, each a QAction with its keys that works anywhere in the
// window and is also offered by the report box's context menu.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

#include "prompts.h"
#include "sheetcontent.h"

class QAction;
class QMimeData;
class QWidget;

namespace plane_figures::workspace {

class WorkspaceModel;

class WindowCommands : public QObject {
    Q_OBJECT

public:
    using SheetMaker = std::function<SheetContent(Sheet sheet)>;

    // The commands of window over model; sheet_of gives what a sheet shows.
    WindowCommands(QWidget* window, WorkspaceModel& model, SheetMaker sheet_of);

    const QList<QAction*>& Actions() const { return actions_; }
    // How messages are shown and file names asked for (dialogs by default).
    void SetPrompts(Prompts prompts) { prompts_ = std::move(prompts); }
    const Prompts& CurrentPrompts() const { return prompts_; }

    // Opening replaces the points as "Изчисти" and an entry of each point in
    // file order would, as one undoable step; a file whose first line names
    // a class set's variant opens as the pupil's task instead; a refused
    // file changes nothing. Saving writes the points whole or not at all, a
    // task's with its pupil's lines (his name asked the first time, an empty
    // one refused), never into the variant's own file: the next pupil opens
    // the teacher's task as it was made. Both return false when they did not
    // happen, after telling the pupil why.
    bool OpenFile(const QString& path);
    bool SaveFile(const QString& path);

    // The file a task's work is first offered under: the variant's name and
    // the pupil's, in the folder he last saved in ("вариант-04 – Иван
    // Петров.pfig").
    QString OwnFileName() const;

    // Whether the window may close: yes unless the work has changed since
    // the file was last opened or saved and the pupil, asked, keeps the
    // window open or the file cannot be written.
    bool MayClose();
    // Whether the open task, if any, may give way to another file.
    bool MayLeaveTask();

    // The local files among the dragged URLs, in their order.
    static QStringList DroppedFiles(const QMimeData* data);
    // Open the first of the files dropped; with more than one, say which was
    // opened (or refused) and that one is opened at a time.
    void OpenDropped(const QStringList& paths);

protected:
    // A command's keys go to the window from every control, text boxes
    // included; a box keeps Ctrl+Z and Ctrl+Y while it has typing of its own
    // to undo or redo.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Texts;
    // Open the file at path; why not, a message naming it, or empty.
    QString Opened(const QString& path);
    QAction* AddCommand(const char* text, const char* name, const char* tip,
                        const QList<QKeySequence>& keys, std::function<void()> run);
    QAction* AddCommand(QAction* action, const char* name, const char* tip,
                        const QList<QKeySequence>& keys);
    void ChooseAndOpen();
    void ChooseAndSave();
    void ShowHelp();
    void PrintSheet(Sheet sheet);
    void ExportSheet(Sheet sheet);

    QWidget* window_;
    WorkspaceModel& model_;
    SheetMaker sheet_of_;
    Prompts prompts_;
    QString last_file_;  // the exercise file last opened or saved
    // the variant's file the open task came from, as the set made it (no
    // pupil's lines); empty when the task is a pupil's own saved file
    QString variant_file_;
    QString save_folder_;  // where the pupil last saved; his documents at first
    // Ask the pupil's name where the task has none; false (told why) when he
    // gives none.
    bool PupilNamed();
    // Save a task not yet saved as the pupil's own file: under the name he
    // chooses, starting at OwnFileName().
    bool SaveAsOwnFile();
    QList<QAction*> actions_;
};

}  // namespace plane_figures::workspace
