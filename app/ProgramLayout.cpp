#include "app/ProgramLayout.h"

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
    // A relative XDG_DATA_HOME is invalid and ignored, as the base-directory rules say.
    QString base = environment.value(QStringLiteral("XDG_DATA_HOME"));
    if (!QDir::isAbsolutePath(base)) {
        QString home = environment.value(QStringLiteral("HOME"));
        if (home.isEmpty())
            home = QDir::homePath();
        base = home + QStringLiteral("/.local/share");
    }
    return withSlash(base + QStringLiteral("/Corvane"));
}

bool ProgramLayout::makeWritableFolder() const
{
    // A portable folder is left exactly as it is.
    if (writableFolder_ == programFolder_)
        return true;
    return QDir().mkpath(writableFolder_ + karten);
}
