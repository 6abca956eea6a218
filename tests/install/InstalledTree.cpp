// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "InstalledTree.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

InstalledTree::InstalledTree(const QString& scratch) : destination_(scratch + QStringLiteral("/dest"))
{
}

QString InstalledTree::install() const
{
    QProcess install;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DESTDIR"), destination_);
    install.setProcessEnvironment(environment);
    install.start(QStringLiteral(CORVANE_CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(CORVANE_BINARY_DIR), QStringLiteral("--prefix"),
                   QStringLiteral("/usr")});
    if (!install.waitForFinished(120000))
        return QStringLiteral("cmake --install did not end");
    if (install.exitStatus() != QProcess::NormalExit || install.exitCode() != 0)
        return QString::fromLocal8Bit(install.readAllStandardError());
    return {};
}

QStringList InstalledTree::files() const
{
    QStringList files;
    for (QDirIterator it(destination_, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QFileInfo file(it.next());
        files << QStringLiteral("%1 %2 %3")
                     .arg(file.filePath())
                     .arg(file.size())
                     .arg(file.lastModified().toMSecsSinceEpoch());
    }
    files.sort();
    return files;
}
