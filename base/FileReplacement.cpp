#include "base/FileReplacement.h"

#include "base/AppError.h"
#include "base/FileErrorText.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

const QString FileReplacement::writeFailure = QStringLiteral("Datenträger voll oder Schreibfehler");

bool FileReplacement::isReadOnly(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.permissions().testFlag(QFileDevice::WriteOwner);
}

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
        throw AppError(QStringLiteral("%1 ist schreibgeschützt").arg(what.arg(path)));
    const auto failed = [&](const QString& reason) {
        return AppError(QStringLiteral("%1 kann nicht geschrieben werden: %2").arg(what.arg(path), reason));
    };
    QSaveFile file(path);
    // Unbuffered, so that a short write shows in the count at once: a buffered write reports the
    // whole count and loses a failure of the later flush, and commit() then renames the cut-off
    // file over the good one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw failed(FileErrorText::of(file, FileErrorText::Access::writing));
    const Produced produced = produce(file);
    if (produced == Produced::abandoned) {
        file.cancelWriting();
        return false;
    }
    if (produced == Produced::failed || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        throw failed(writeFailure);
    }
    if (!file.commit())
        throw failed(writeFailure);
    return true;
}

int FileReplacement::removeLeftovers(const QString& path)
{
    const QFileInfo target(path);
    const QRegularExpression temporaryName(
        QRegularExpression::anchoredPattern(QRegularExpression::escape(target.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    QDir folder = target.dir();
    int removed = 0;
    const QFileInfoList candidates = folder.entryInfoList({target.fileName() + QStringLiteral(".??????")},
                                                          QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& candidate : candidates) {
        if (temporaryName.match(candidate.fileName()).hasMatch() && folder.remove(candidate.fileName()))
            ++removed;
    }
    return removed;
}
