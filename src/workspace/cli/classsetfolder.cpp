#include "classsetfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <string>

#include "classsetfiles.h"

namespace plane_figures::workspace::classsetfolder {

namespace {

QString Utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

bool WriteBytes(const QString& path, const std::string& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) && file.flush();
}

QString NotWritten(const QString& folder) {
    return QCoreApplication::translate(
               "ClassSetFolder",
               "Комплектът не е записан в папката „%1“: проверете дали в нея "
               "може да се записва и дали има място.")
        .arg(QDir::toNativeSeparators(folder));
}

}  // namespace

QStringList SetFiles(const QString& folder) {
    static const QRegularExpression variant(QStringLiteral("^вариант-[0-9]{2,}\\.pfig$"));
    const QStringList named{Utf8(std::string(classset::kKeyCsvName)),
                            Utf8(std::string(classset::kKeyPdfName)),
                            Utf8(std::string(classset::kWorksheetsName))};
    QStringList files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (named.contains(name) || variant.match(name).hasMatch()) files << name;
    }
    return files;
}

QString Write(const classset::ClassSet& set, const QString& folder, const NamedBytes& more) {
    const QDir dir(folder);
    const bool made = !dir.exists();
    if (made && !QDir().mkpath(folder)) return NotWritten(folder);
    // everything into a new folder inside the target first
    QTemporaryDir scratch(dir.absoluteFilePath(QStringLiteral(".plane-figures-XXXXXX")));
    const auto fail = [&] {
        if (made) QDir(folder).removeRecursively();
        return NotWritten(folder);
    };
    if (!scratch.isValid()) return fail();
    QStringList names;
    for (int v = 1; v <= static_cast<int>(set.variants.size()); ++v) {
        names << Utf8(classset::VariantFileName(v));
        if (!WriteBytes(scratch.filePath(names.last()), classset::VariantFileText(set, v)))
            return fail();
    }
    names << Utf8(std::string(classset::kKeyCsvName));
    if (!WriteBytes(scratch.filePath(names.last()), classset::KeyCsv(set))) return fail();
    for (const auto& [name, bytes] : more) {
        names << name;
        if (!WriteBytes(scratch.filePath(name), bytes.toStdString())) return fail();
    }
    // then moved into place, the files they replace kept aside until all are
    QStringList moved, kept;
    const auto old = [&](const QString& name) { return dir.absoluteFilePath(name) + ".old"; };
    for (const QString& name : names) {
        const QString target = dir.absoluteFilePath(name);
        const bool existed = QFileInfo::exists(target);
        if (existed && QFile::rename(target, old(name))) kept << name;
        if ((existed && !kept.contains(name)) || !QFile::rename(scratch.filePath(name), target)) {
            for (const QString& back : moved) QFile::remove(dir.absoluteFilePath(back));
            for (const QString& back : kept) QFile::rename(old(back), dir.absoluteFilePath(back));
            return fail();
        }
        moved << name;
    }
    for (const QString& name : kept) QFile::remove(old(name));
    // what the old set wrote and the new one did not
    for (const QString& name : SetFiles(folder)) {
        if (!names.contains(name)) QFile::remove(dir.absoluteFilePath(name));
    }
    return QString();
}

}  // namespace plane_figures::workspace::classsetfolder
