#include "classsheetfiles.h"

#include <QBuffer>

#include "answerkey.h"
#include "classsetfiles.h"
#include "classworksheets.h"
#include "utf8.h"

namespace plane_figures::workspace::classsheetfiles {

std::optional<NamedBytes> Pdfs(const classset::ClassSet& set, const QString& heading, bool plotting,
                               bool short_key) {
    QByteArray worksheets, key;
    QBuffer worksheets_buffer(&worksheets), key_buffer(&key);
    if (!worksheets_buffer.open(QIODevice::WriteOnly) || !key_buffer.open(QIODevice::WriteOnly) ||
        !ClassWorksheets(set, heading, plotting).WritePdf(worksheets_buffer) ||
        !AnswerKey(set, heading, short_key).WritePdf(key_buffer)) {
        return std::nullopt;
    }
    worksheets_buffer.close();
    key_buffer.close();
    return NamedBytes{{Utf8(classset::kWorksheetsName), worksheets},
                      {Utf8(classset::kKeyPdfName), key}};
}

}  // namespace plane_figures::workspace::classsheetfiles
