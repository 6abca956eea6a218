// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "rotorbridge/HamlibRotator.h"

#include <QByteArray>

struct s_rot;

// Hamlib's texts about a rotator, worded as its rotctld words them, written without the C locale
// (numbers always with a point).
class HamlibTexts {
public:
    // Status flags (Hamlib's ROT_STATUS_*), each name followed by a blank: "MOVING MOVING_AZ ".
    static QByteArray status(unsigned flags);
    // The capabilities of the rotator's model as \dump_caps lists them, with the azimuths and
    // elevations given here in place of the model's own (degrees).
    static QByteArray capabilities(s_rot* rot, HamlibRotator::Range azimuth, HamlibRotator::Range elevation);
};
