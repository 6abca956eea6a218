// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "platform/DdeNames.h"

#include <QFileInfo>

const QString DdeNames::interfaceName = QStringLiteral("dde.Conversation");
const QString DdeNames::executeMethod = QStringLiteral("Execute");

QString DdeNames::busName(const QString& service)
{
    return QStringLiteral("dde.") + busElement(service);
}

QString DdeNames::busElement(const QString& name)
{
    QString result = name;
    for (QChar& c : result) {
        const bool plain = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_';
        if (!plain)
            c = u'_';
    }
    if (result.isEmpty() || result.front().isDigit())
        result.prepend(u'_');
    return result;
}

QString DdeNames::objectPath(const QString& topic)
{
    return u'/' + busElement(topic);
}

QString DdeNames::programService(const QString& path)
{
    QString name = QFileInfo(path).fileName();
    if (name.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive))
        name.chop(4);
    return name;
}

QString DdeNames::ownService(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.left(name.indexOf(u'.'));
}
