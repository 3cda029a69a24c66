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

std::variant<classresults::Folder, QString> Read(const QString& folder) {
    if (const QString fault = Fault(QFileInfo(folder)); !fault.isEmpty()) {
        return Tr("Папката „%1“ не може да се прочете: %2.")
            .arg(QDir::toNativeSeparators(folder), fault);
    }
    const QDir dir(folder);
    // regular files and folders only: a pipe or a device may never end
    QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    std::sort(entries.begin(), entries.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.fileName().toUtf8() < b.fileName().toUtf8();
    });
    classresults::Folder read;
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        if (entry.isDir()) {
            read.not_read.push_back((name + QLatin1Char('/')).toStdString());
        } else if (!name.endsWith(QStringLiteral(".pfig"), Qt::CaseInsensitive)) {
            read.not_read.push_back(name.toStdString());
        } else {
            const std::optional<QByteArray> bytes = exercisefile::ReadBytes(entry.filePath());
            read.files.push_back(
                {name.toStdString(),
                 bytes ? std::optional<std::string>(bytes->toStdString()) : std::nullopt});
        }
    }
    return read;
}

}  // namespace plane_figures::workspace::classresultsfolder
