// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "base/FileErrorText.h"

#include <QFileInfo>

QString FileErrorText::of(const QFileDevice& file, Access access)
{
    const QFileInfo info(file.fileName());
    const QFileDevice::FileError error = file.error();
    // A missing right shows as a failure to open; name the right that is missing.
    if (error == QFileDevice::OpenError || error == QFileDevice::PermissionsError || error == QFileDevice::WriteError) {
        if (access == Access::reading && info.exists() && !info.isReadable())
            return QStringLiteral("keine Leseberechtigung");
        if (access == Access::writing && !QFileInfo::exists(info.path()))
            return QStringLiteral("der Ordner %1 ist nicht vorhanden").arg(info.path());
        if (access == Access::writing && !QFileInfo(info.path()).isWritable())
            return QStringLiteral("keine Schreibberechtigung im Ordner %1").arg(info.path());
        if (access == Access::writing && info.exists() && !info.isWritable())
            return QStringLiteral("die Datei ist schreibgeschützt");
    }
    switch (error) {
    case QFileDevice::ReadError:
        return QStringLiteral("Lesefehler");
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        return QStringLiteral("Datenträger voll oder Schreibfehler");
    case QFileDevice::OpenError:
        return info.exists() || access == Access::writing ? QStringLiteral("Datei lässt sich nicht öffnen")
                                                          : QStringLiteral("Datei nicht vorhanden");
    case QFileDevice::PermissionsError:
        return QStringLiteral("keine Berechtigung");
    case QFileDevice::RenameError:
        return QStringLiteral("Datei lässt sich nicht umbenennen");
    case QFileDevice::RemoveError:
        return QStringLiteral("Datei lässt sich nicht entfernen");
    case QFileDevice::TimeOutError:
        return QStringLiteral("Zeitüberschreitung");
    case QFileDevice::AbortError:
        return QStringLiteral("Vorgang abgebrochen");
    default:
        return QStringLiteral("unbekannter Fehler");
    }
}
