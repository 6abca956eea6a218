// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "base/FileErrorText.h"

#include <QCoreApplication>
#include <QFileInfo>

QString FileErrorText::of(const QFileDevice& file, Access access)
{
    const QFileInfo info(file.fileName());
    const QFileDevice::FileError error = file.error();
    // A missing right shows as a failure to open; name the right that is missing.
    if (error == QFileDevice::OpenError || error == QFileDevice::PermissionsError || error == QFileDevice::WriteError) {
        if (access == Access::reading && info.exists() && !info.isReadable())
            return QCoreApplication::translate("FileErrorText", "keine Leseberechtigung");
        if (access == Access::writing && !QFileInfo::exists(info.path()))
            return QCoreApplication::translate("FileErrorText", "der Ordner %1 ist nicht vorhanden").arg(info.path());
        if (access == Access::writing && !QFileInfo(info.path()).isWritable())
            return QCoreApplication::translate("FileErrorText", "keine Schreibberechtigung im Ordner %1")
                .arg(info.path());
        if (access == Access::writing && info.exists() && !info.isWritable())
            return QCoreApplication::translate("FileErrorText", "die Datei ist schreibgeschützt");
    }
    switch (error) {
    case QFileDevice::ReadError:
        return QCoreApplication::translate("FileErrorText", "Lesefehler");
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        return QCoreApplication::translate("FileErrorText", "Datenträger voll oder Schreibfehler");
    case QFileDevice::OpenError:
        return info.exists() || access == Access::writing
            ? QCoreApplication::translate("FileErrorText", "Datei lässt sich nicht öffnen")
            : QCoreApplication::translate("FileErrorText", "Datei nicht vorhanden");
    case QFileDevice::PermissionsError:
        return QCoreApplication::translate("FileErrorText", "keine Berechtigung");
    case QFileDevice::RenameError:
        return QCoreApplication::translate("FileErrorText", "Datei lässt sich nicht umbenennen");
    case QFileDevice::RemoveError:
        return QCoreApplication::translate("FileErrorText", "Datei lässt sich nicht entfernen");
    case QFileDevice::TimeOutError:
        return QCoreApplication::translate("FileErrorText", "Zeitüberschreitung");
    case QFileDevice::AbortError:
        return QCoreApplication::translate("FileErrorText", "Vorgang abgebrochen");
    default:
        return QCoreApplication::translate("FileErrorText", "unbekannter Fehler");
    }
}
