// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

struct RotorState;

// The way the rotor takes to a bearing. A rotor whose travel spans more than one turn (its ends
// may lie below 0 and above 360 degrees) can reach most bearings two ways; these rules pick the
// shorter one. All angles in degrees, in the rotor's own azimuth scale.
class OptimisedPath {
public:
    // The rotor's travel and where it stands now.
    struct Travel {
        double azimuth;  // current rotor azimuth
        int minAzimuth;  // left end of travel
        int maxAzimuth;  // right end of travel

        // As the rotor program last reported it.
        static Travel of(const RotorState& state);
    };

    // The rotor panel's rule: with optimisation on, a bearing more than half a turn away becomes
    // whichever of itself and one turn either way round is nearest to the rotor's azimuth and
    // within the travel ends widened by the overlap angle; it is then held 1 degree inside the
    // travel ends.
    static double rotorTarget(double bearing, const Travel& travel, double overlap, bool optimise);

    // The directions list's rule: the nearest of the azimuth and one turn either way round that
    // stays inside the travel ends; no overlap, no clamping.
    static double listTarget(double azimuth, const Travel& travel);

    // The value moved by whole periods until it is not above upper, then until it is not below
    // lower, as repeated subtraction and addition would, but in constant time for any size. A
    // value that is not finite is returned unchanged.
    static double intoRange(double value, double lower, double upper, double period);
};
