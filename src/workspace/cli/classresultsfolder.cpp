#include "classresultsfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "exercisefile.h"

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
    for (const QString& name : names) {
        const std::optional<QByteArray> bytes = exercisefile::ReadBytes(dir.filePath(name));
        files.push_back({name.toStdString(),
                         bytes ? std::optional<std::string>(bytes->toStdString()) : std::nullopt});
    }
    return files;
}

}  // namespace plane_figures::workspace::classresultsfolder
