// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <vector>

// The inverse projection of the beam bitmap for a run of pixels of one row, from the centre
// column rightwards, in double precision and in batches for the vector maths. Every angle comes
// with a bound on its distance from the extended-precision evaluation of the same pixel, so that a
// caller can tell where the two might decide differently.
class BeamRowKernel {
public:
    // A bound this large means the value is not known well enough to decide anything by.
    static constexpr double unknown = 1e30;

    // Results for the pixels dx = 0 .. count - 1 of a row, and the scratch that produces them.
    struct Row {
        std::vector<double> latitude, latitudeBound;                        // degrees
        std::vector<double> longitudeDifference, longitudeDifferenceBound;  // degrees east, 0 .. 180
        // 1 or -1 where the quotient whose arccosine is the longitude difference lies beyond 1 or
        // -1 for sure, so that its arccosine is exactly 0 or pi; 0 elsewhere.
        std::vector<double> quotientClamp;
        std::vector<double> delta, cosDelta, sinDelta, cosBearing, sinLatitude, numerator, numeratorBound;
        void resize(int count);
    };

    // sinOwnLatitude, cosOwnLatitude: the values the extended-precision projection works with;
    // rimRadius: pixels from the centre to the antipode.
    BeamRowKernel(long double sinOwnLatitude, long double cosOwnLatitude, int rimRadius);

    // dy: pixels above the centre (negative below); count: pixels from the centre column on.
    void evaluate(int dy, int count, Row& row) const;

private:
    void poleNumerators(int count, Row& row) const;

    double sinOwn_, cosOwn_;
    double radiansPerPixel_;
    // The own station exactly at a pole: the cosine of its latitude is only rounding noise there,
    // and the longitude difference follows the extended-precision rounding of that noise.
    bool atPole_;
};
