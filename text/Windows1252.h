// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QByteArray>
#include <QString>

// The Windows-1252 character set of the settings and data files. Our own table, because Qt's
// codecs depend on how Qt was built and QSettings cannot keep the byte form of "U_Länge".
class Windows1252 {
public:
    static QString decode(const QByteArray& bytes);
    // Characters without a Windows-1252 form become "?".
    static QByteArray encode(const QString& text);
};
