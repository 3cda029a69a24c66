// A class set's files written into a folder all at once: first into a new
// folder beside the files, then moved into place, so that a failure leaves
// the folder as it was.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include "classset.h"

namespace plane_figures::workspace::classsetfolder {

// Files made elsewhere, by name (the PDFs), written with the others.
using NamedBytes = QList<QPair<QString, QByteArray>>;

// Write every variant's point file, the answer key's CSV and more into
// folder (made when missing). A message naming what failed, empty on success.
[[nodiscard]] QString Write(const classset::ClassSet& set, const QString& folder,
                            const NamedBytes& more = {});

}  // namespace plane_figures::workspace::classsetfolder
