// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// Status and target macros from the rotor program. Properties: a status that is taken leaves the
// travel ends in order; the rotor panel's and the directions list's targets from it are finite;
// a target read from a macro is written back to the same lines.
#include "FuzzCheck.h"

#include "rotor/OptimisedPath.h"
#include "rotor/RotorMacros.h"
#include "session/RotorState.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), int(size));
    const QStringList lines = RotorMacros::lines(text);

    RotorState state;
    state.rotorMinAzimuth = -180;
    state.rotorMaxAzimuth = 540;
    const RotorState before = state;
    const auto result = RotorMacros::parseStatus(lines, state);
    FUZZ_CHECK(state.rotorMinAzimuth <= state.rotorMaxAzimuth);
    if (result == RotorMacros::StatusResult::Ignored)
        FUZZ_CHECK(state.rotorAzimuth == before.rotorAzimuth && state.rotorMinAzimuth == before.rotorMinAzimuth);
    const OptimisedPath::Travel travel = OptimisedPath::Travel::of(state);
    for (const double bearing : {0.0, 90.5, 180.0, 359.9}) {
        for (const bool optimise : {false, true})
            FUZZ_CHECK(std::isfinite(OptimisedPath::rotorTarget(bearing, travel, 10, optimise)));
        FUZZ_CHECK(std::isfinite(OptimisedPath::listTarget(bearing, travel)));
        const double inRange = OptimisedPath::intoRange(bearing, state.rotorMinAzimuth, state.rotorMaxAzimuth, 360);
        FUZZ_CHECK(std::isfinite(inRange));
    }

    if (const auto target = RotorMacros::parseTarget(lines)) {
        const QStringList back = RotorMacros::targetLines(target->azimuth, target->elevation);
        FUZZ_CHECK(RotorMacros::parseInteger(back[0]) == RotorMacros::parseInteger(lines[0]));
        FUZZ_CHECK(RotorMacros::parseInteger(back[1]) == RotorMacros::parseInteger(lines[1]));
    }
    return 0;
}
