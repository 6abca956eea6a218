// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/HttpLines.h"

#include <QRegularExpression>

bool HttpLines::isHttp(QByteArrayView line)
{
    // A method token, a target and the protocol; or a header name and its colon.
    static const QRegularExpression request(QStringLiteral("^[A-Za-z]+ +\\S+ +HTTP/"));
    static const QRegularExpression header(QStringLiteral("^[A-Za-z][A-Za-z0-9-]*:([ \\t]|$)"));
    const QString text = QString::fromLatin1(line.data(), line.size());
    return request.match(text).hasMatch() || header.match(text).hasMatch();
}
