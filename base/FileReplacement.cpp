// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "base/FileReplacement.h"

#include "base/AppError.h"
#include "base/FileErrorText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

bool FileReplacement::isReadOnly(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.permissions().testFlag(QFileDevice::WriteOwner);
}

QString FileReplacement::temporaryPrefix(const QString& path)
{
    const QFileInfo target(path);
    return QStringLiteral(".") + target.fileName() + QStringLiteral(".corvane-neu-");
}

namespace {

// Brings the written bytes to the disk before the rename makes them the file.
bool syncToDisk(QFile& file)
{
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

}  // namespace

void FileReplacement::write(const QString& path, const QByteArray& bytes, const QString& what)
{
    write(
        path,
        [&bytes](QIODevice& file) {
            // On a full disk, write() returns a short count and sets no error.
            return file.write(bytes) == bytes.size() ? Produced::whole : Produced::failed;
        },
        what);
}

bool FileReplacement::write(const QString& path, const std::function<Produced(QIODevice&)>& produce, const QString& what)
{
    if (isReadOnly(path))
        throw AppError(QCoreApplication::translate("FileReplacement", "%1 ist schreibgeschützt").arg(what.arg(path)));
    const auto failed = [&](const QString& reason) {
        return AppError(QCoreApplication::translate("FileReplacement", "%1 kann nicht geschrieben werden: %2")
                            .arg(what.arg(path), reason));
    };
    // A file kept as a link elsewhere stays a link: the file it points to is replaced.
    QFileInfo target(path);
    for (int depth = 0; depth < 32 && target.isSymLink(); ++depth)
        target.setFile(target.symLinkTarget());
    // The temporary copy carries a mark of ours, so that a clean-up after a killed write can never
    // take a user's own "Corvane.ini.backup". It removes itself unless renamed.
    QTemporaryFile file(target.dir().filePath(temporaryPrefix(target.filePath()) + QStringLiteral("XXXXXX")));
    // Unbuffered, so that a short write shows in the count at once: a buffered write reports the
    // whole count and can lose a failure of the later flush.
    if (!static_cast<QFile&>(file).open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        throw failed(FileErrorText::of(file, FileErrorText::Access::writing));
    const Produced produced = produce(file);
    if (produced == Produced::abandoned)
        return false;
    // A failed write says this instead of the operating system's often empty reason.
    if (produced == Produced::failed || !file.flush() || file.error() != QFileDevice::NoError || !syncToDisk(file))
        throw failed(QCoreApplication::translate("FileReplacement", "Datenträger voll oder Schreibfehler"));
    // The file keeps its permissions; a new one gets the usual ones of a user's file.
    file.setPermissions(target.exists() ? target.permissions()
                                        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(file.fileName()).toStdString()),
                            std::filesystem::path(QFile::encodeName(target.filePath()).toStdString()), error);
    if (error)
        throw failed(QCoreApplication::translate("FileReplacement", "Datenträger voll oder Schreibfehler"));
    file.setAutoRemove(false);
    return true;
}

int FileReplacement::removeLeftovers(const QString& path)
{
    const QString prefix = temporaryPrefix(path);
    const QRegularExpression temporaryName(
        QRegularExpression::anchoredPattern(QRegularExpression::escape(prefix) + QStringLiteral("[A-Za-z0-9]{6}")));
    QDir folder = QFileInfo(path).dir();
    int removed = 0;
    const QFileInfoList candidates = folder.entryInfoList({prefix + QStringLiteral("??????")},
                                                          QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& candidate : candidates) {
        if (temporaryName.match(candidate.fileName()).hasMatch() && folder.remove(candidate.fileName()))
            ++removed;
    }
    return removed;
}
