// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "FuzzFolder.h"

#include <QFile>

#include <cstdlib>

FuzzFolder& FuzzFolder::instance()
{
    static FuzzFolder folder;
    return folder;
}

QString FuzzFolder::write(const QString& name, const QByteArray& bytes) const
{
    const QString file = path(name);
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
        std::abort();  // the machine, not the reader, failed
    return file;
}
