// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/FaultLog.h"

#include "rotorbridge/BridgeLog.h"

#include <QCoreApplication>

FaultLog::FaultLog(BridgeLog& log, qint64 quiet) : log_(log), quiet_(quiet)
{
}

bool FaultLog::report(const QString& kind, const QString& detail)
{
    QElapsedTimer& last = lastWritten_[kind];
    if (last.isValid() && last.elapsed() < quiet_)
        return false;
    last.start();
    log_.write(QCoreApplication::translate("FaultLog", "%1: %2 (höchstens eine Meldung dieser Art je Minute)")
                   .arg(kind, detail));
    return true;
}
