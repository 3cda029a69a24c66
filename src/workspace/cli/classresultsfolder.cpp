#include "classresultsfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "pointfile.h"

namespace plane_figures::workspace::classresultsfolder {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("ClassResultsFolder", text); }

// why the folder cannot be read before reading it; empty when it can
QString Fault(const QFileInfo& folder) {
    if (!folder.exists()) return Tr("няма такава папка");
    if (!folder.isDir()) return Tr("това е файл, а не папка");
    if (!folder.isReadable() || !folder.isExecutable()) return Tr("нямате право да я четете");
    return QString();
}

// the file's bytes, at most one more than a point file may have
std::optional<std::string> Bytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.read(static_cast<qint64>(pointfile::kMaxFileBytes) + 1);
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes.toStdString();
}

}  // namespace

std::variant<std::vector<classresults::FolderFile>, QString> Read(const QString& folder) {
    if (const QString fault = Fault(QFileInfo(folder)); !fault.isEmpty()) {
        return Tr("Папката „%1“ не може да се прочете: %2.")
            .arg(QDir::toNativeSeparators(folder), fault);
    }
    const QDir dir(folder);
    // regular files only: a pipe or a device may never end
    QStringList names = dir.entryList({QStringLiteral("*.pfig")}, QDir::Files, QDir::Unsorted);
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.toUtf8() < b.toUtf8(); });
    std::vector<classresults::FolderFile> files;
    for (const QString& name : names)
        files.push_back({name.toStdString(), Bytes(dir.filePath(name))});
    return files;
}

}  // namespace plane_figures::workspace::classresultsfolder
