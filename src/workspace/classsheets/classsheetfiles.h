// A class set's PDFs as named bytes, for the folder they are written into
// with the point files.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <optional>

#include "classset.h"

namespace plane_figures::workspace::classsheetfiles {

using NamedBytes = QList<QPair<QString, QByteArray>>;

// "работни-листове.pdf" and "отговори.pdf", or nothing when one could not
// be painted. A short key is the table of counts alone, without the reports.
std::optional<NamedBytes> Pdfs(const classset::ClassSet& set, const QString& heading, bool plotting,
                               bool short_key = false);

}  // namespace plane_figures::workspace::classsheetfiles
