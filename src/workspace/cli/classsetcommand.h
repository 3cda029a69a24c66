// The class set on the command line, answered without a display:
//   plane-figures --class-set DIR [--variants N] [--points P] [--kinds LIST]
//                 [--code C] [--heading TEXT] [--plotting] [--short-key] [--replace]
// It writes each variant's point file, the answer key's table and the PDFs
// that a maker given to it paints (the worksheets and the key, or with
// --short-key the key's table of counts alone) into DIR, all or nothing, and
// says in one line what it wrote (and, before it, how many different answers
// the variants have when fewer than the variants). A folder that holds a
// class set's files is refused unless --replace is given; a set replaced
// leaves none of its files.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "classset.h"
#include "classsetfolder.h"

class QIODevice;

namespace plane_figures::workspace {

class ClassSetCommand {
    Q_DECLARE_TR_FUNCTIONS(ClassSetCommand)  // its own texts, in the context "ClassSetCommand"

public:
    static constexpr int kSuccess = 0;
    static constexpr int kWrongValue = 1;
    static constexpr int kNotWritten = 2;
    static constexpr int kOccupied = 4;  // a class set in the folder, and no --replace (3 is taken)

    // The arguments with the program's name first.
    explicit ClassSetCommand(const QStringList& arguments);

    // Whether the arguments ask for a class set (--class-set is among them).
    static bool Asked(const QStringList& arguments);

    // What is wrong with the arguments, in the interface's language; empty when
    // nothing is.
    QString Mistake() const { return mistake_; }
    const classset::ClassSettings& Settings() const { return settings_; }
    QString Folder() const { return folder_; }
    QString Heading() const { return heading_; }
    bool Plotting() const { return plotting_; }
    bool ShortKey() const { return short_key_; }
    bool Replace() const { return replace_; }

    // That the variants have only answers different answers among variants.
    static QString SharedAnswers(int answers, int variants);

    // The PDFs of a set by name, or nothing when they could not be painted.
    using Sheets = std::function<std::optional<classsetfolder::NamedBytes>(
        const classset::ClassSet&, const QString& heading, bool plotting, bool short_key)>;

    // Make the set and write it with its sheets, telling out and err; the
    // exit status.
    int Answer(QIODevice& out, QIODevice& err, const Sheets& sheets) const;
    // The same on standard output and standard error.
    int Answer(const Sheets& sheets) const;

private:
    classset::ClassSettings settings_;
    QString folder_;
    QString heading_;
    bool plotting_ = false;
    bool short_key_ = false;
    bool replace_ = false;
    QString mistake_;
};

}  // namespace plane_figures::workspace
