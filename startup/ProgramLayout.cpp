// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "startup/ProgramLayout.h"

#include "platform/XdgFolder.h"

#include <QDir>
#include <QFileInfo>

const QString ProgramLayout::installedDataFromProgram = QStringLiteral(CORVANE_INSTALLED_DATA_FROM_PROGRAM);

namespace {

const QString karten = QStringLiteral("Karten");

QString withSlash(const QString& folder)
{
    const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
    return clean.endsWith(u'/') ? clean : clean + u'/';
}

} // namespace

ProgramLayout ProgramLayout::of(const QString& executableFolder, const QProcessEnvironment& environment)
{
    ProgramLayout layout;
    layout.programFolder_ = withSlash(executableFolder);
    const QString installedData = withSlash(layout.programFolder_ + installedDataFromProgram);
    // Maps beside the executable make a portable folder, even inside an installation's tree.
    layout.installed_ = !QFileInfo(layout.programFolder_ + karten).isDir() && QFileInfo(installedData + karten).isDir();
    layout.dataFolder_ = layout.installed_ ? installedData : layout.programFolder_;
    const bool ownFolder = !layout.installed_ && QFileInfo(layout.programFolder_).isWritable();
    layout.writableFolder_ = ownFolder ? layout.programFolder_ : userFolder(environment);
    return layout;
}

QString ProgramLayout::userFolder(const QProcessEnvironment& environment)
{
    return withSlash(XdgFolder::base("XDG_DATA_HOME", ".local/share", environment) + QStringLiteral("/Corvane"));
}

bool ProgramLayout::makeWritableFolder() const
{
    // A portable folder is left exactly as it is.
    if (writableFolder_ == programFolder_)
        return true;
    return QDir().mkpath(writableFolder_ + karten);
}
