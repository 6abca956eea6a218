// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/RotatorKeeper.h"

#include "rotorbridge/BridgeLog.h"

#include <QCoreApplication>

RotatorKeeper::RotatorKeeper(HamlibRotator& rotator, BridgeLog& log, Pauses pauses)
    : rotator_(rotator),
      log_(log),
      pauses_(pauses)
{
}

qint64 RotatorKeeper::reopenPause(int failedOpens, const Pauses& pauses)
{
    constexpr int last = int(std::tuple_size_v<Pauses>) - 1;
    return pauses[failedOpens < 1 ? 0 : failedOpens > last + 1 ? last : failedOpens - 1];
}

bool RotatorKeeper::open()
{
    sinceAttempt_.start();
    const QString error = rotator_.open();
    if (error.isEmpty()) {
        log_.write(everOpened_ ? QCoreApplication::translate("RotatorKeeper", "Rotor wieder geöffnet.")
                               : QCoreApplication::translate("RotatorKeeper", "Rotor geöffnet."));
        everOpened_ = true;
        failedOpens_ = 0;
        failedReads_ = 0;
        lastOpenError_.clear();
        opened_ = true;
        return true;
    }
    ++failedOpens_;
    if (error != lastOpenError_)
        log_.write(error + QCoreApplication::translate("RotatorKeeper", "; neuer Versuch folgt."));
    lastOpenError_ = error;
    return false;
}

std::optional<HamlibRotator::Position> RotatorKeeper::read()
{
    if (!rotator_.isOpen()) {
        if (sinceAttempt_.isValid() && sinceAttempt_.elapsed() < reopenPause(failedOpens_, pauses_))
            return std::nullopt;
        if (!open())
            return std::nullopt;
    }
    if (const auto position = rotator_.position()) {
        failedReads_ = 0;
        return position;
    }
    if (++failedReads_ == 1)
        log_.write(QCoreApplication::translate("RotatorKeeper", "Rotorposition nicht lesbar."));
    if (failedReads_ >= failuresBeforeReopen) {
        log_.write(
            QCoreApplication::translate("RotatorKeeper", "Verbindung zum Rotor verloren; er wird neu geöffnet."));
        rotator_.close();
        failedReads_ = 0;
        // Counted as one failed opening, so the first new attempt follows after the first pause.
        failedOpens_ = 1;
        sinceAttempt_.start();
    }
    return std::nullopt;
}

bool RotatorKeeper::takeOpened()
{
    const bool opened = opened_;
    opened_ = false;
    return opened;
}
