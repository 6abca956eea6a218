// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QByteArrayView>
#include <QList>
#include <QPair>
#include <QString>

#include <optional>

// The small XML messages of the rotator clients: one root element holding either text
// ("<PST>AZ?</PST>") or child elements with text ("<PST><AZIMUTH>85</AZIMUTH></PST>"). Element
// names match without regard to case; whatever follows the root's end (a CR, a NUL) is ignored.
class FlatXml {
public:
    QString text;                             // the root's own text, trimmed
    QList<QPair<QString, QString>> children;  // child names in lower case, their texts trimmed

    // Nothing for a text that is not XML, a root of another name or deeper nesting.
    static std::optional<FlatXml> parse(QByteArrayView datagram, const QString& root);
};
