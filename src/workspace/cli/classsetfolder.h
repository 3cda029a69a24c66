// A class set's files written into a folder all at once: first into a new
// folder beside the files, then moved into place, so that a failure leaves
// the folder as it was.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include "classset.h"

namespace plane_figures::workspace::classsetfolder {

// Files made elsewhere, by name (the PDFs), written with the others.
using NamedBytes = QList<QPair<QString, QByteArray>>;

// The files of a class set already in folder, by name, sorted: variants'
// point files (вариант-NN.pfig), the key's CSV and PDF, the worksheets. A
// set is written into such a folder only when the teacher agrees to
// replace them.
QStringList SetFiles(const QString& folder);

// Write every variant's point file, the answer key's CSV and more into
// folder (made when missing), in place of the set there: a file of the old
// set that the new one does not write (a variant past the new number) is
// removed once all are written; the folder's other files stay. A message
// naming what failed, empty on success.
[[nodiscard]] QString Write(const classset::ClassSet& set, const QString& folder,
                            const NamedBytes& more = {});

}  // namespace plane_figures::workspace::classsetfolder
