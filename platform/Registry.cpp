#include "platform/Registry.h"

#include <QSettings>

bool Registry::writeString(const QString& company, const QString& name, const QString& value)
{
    QSettings key(QSettings::NativeFormat, QSettings::UserScope, company);
    if (!key.isWritable())
        return false;
    key.setValue(name, value);
    key.sync();
    return key.status() == QSettings::NoError;
}

QString Registry::readString(const QString& company, const QString& name)
{
    const QSettings key(QSettings::NativeFormat, QSettings::UserScope, company);
    return key.value(name).toString();
}
