// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mercator/LocatorGrid.h"

namespace {

// Steps of one level in degrees, extended precision: longitude, latitude. Level none has none.
struct Steps {
    long double longitude;
    long double latitude;
};

bool stepsOf(int level, Steps& steps)
{
    switch (level) {
    case LocatorGrid::fields: steps = {20.0L, 10.0L}; return true;
    case LocatorGrid::squares: steps = {2.0L, 1.0L}; return true;
    case LocatorGrid::subsquares: steps = {1.0L / 12.0L, 1.0L / 24.0L}; return true;
    default: return false;
    }
}

// Values from start in steps while <= limit that lie strictly between low and high; the running
// value is a double, as the step sums are compared with the view's edges.
std::vector<double> linesBetween(double start, long double step, double limit, long double low, long double high)
{
    std::vector<double> lines;
    double value = start;
    do {
        if (low < value && value < high)
            lines.push_back(value);
        value = static_cast<double>(value + step);
    } while (value <= limit);
    return lines;
}

} // namespace

std::vector<double> LocatorGrid::meridians(const MapView& view, int level)
{
    Steps steps{};
    if (!stepsOf(level, steps))
        return {};
    return linesBetween(-180.0, steps.longitude, 180.0, view.left, view.right);
}

std::vector<double> LocatorGrid::parallels(const MapView& view, int level)
{
    Steps steps{};
    if (!stepsOf(level, steps))
        return {};
    return linesBetween(-80.0, steps.latitude, 85.0, view.bottom, view.top);
}
