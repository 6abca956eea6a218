// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "rotorbridge/HamlibRotator.h"

#include <QElapsedTimer>

#include <array>
#include <optional>

class BridgeLog;

// Keeps a rotator readable: after a few failed readings (a restarted rotctld, a dropped TCP link,
// a cable pulled) it closes the rotator and opens it again, with a growing pause between the
// attempts, for as long as it takes. A rotator that cannot be opened at all is retried the same
// way.
class RotatorKeeper {
public:
    static constexpr int failuresBeforeReopen = 3;  // failed readings in a row
    // Pauses before the next opening attempt, ms: after one failed attempt in a row, after two,
    // and after three or more. Tests shorten them.
    using Pauses = std::array<qint64, 3>;
    static constexpr Pauses defaultPauses {1000, 2000, 5000};

    RotatorKeeper(HamlibRotator& rotator, BridgeLog& log, Pauses pauses = defaultPauses);

    // Pause before the next opening attempt after that many failed ones in a row, ms.
    static qint64 reopenPause(int failedOpens, const Pauses& pauses = defaultPauses);

    // Opens the rotator now; on failure the next attempt follows after the first pause.
    bool open();
    // Reads the rotator's position, reopening it when it is due; nothing while it cannot be read.
    std::optional<HamlibRotator::Position> read();
    // The rotator was opened since the last call (its accepted range may have changed).
    bool takeOpened();

private:
    HamlibRotator& rotator_;
    BridgeLog& log_;
    Pauses pauses_;
    int failedReads_ = 0;
    int failedOpens_ = 0;
    QElapsedTimer sinceAttempt_;  // since the last opening attempt
    bool opened_ = false;
    bool everOpened_ = false;
    QString lastOpenError_;  // reported once, not at every attempt
};
