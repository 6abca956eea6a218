// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "spots/HamBand.h"

namespace {

struct Band {
    const char* name;
    double lowKhz, highKhz;
};

constexpr Band bands[] = {
    {"160m", 1810, 2000},     {"80m", 3500, 3800},      {"60m", 5351.5, 5366.5}, {"40m", 7000, 7200},
    {"30m", 10100, 10150},    {"20m", 14000, 14350},    {"17m", 18068, 18168},   {"15m", 21000, 21450},
    {"12m", 24890, 24990},    {"10m", 28000, 29700},    {"6m", 50000, 52000},    {"4m", 70000, 70500},
    {"2m", 144000, 146000},   {"70cm", 430000, 440000},
};

} // namespace

QString HamBand::of(double frequencyKhz)
{
    for (const Band& band : bands)
        if (frequencyKhz >= band.lowKhz && frequencyKhz <= band.highKhz)
            return QString::fromLatin1(band.name);
    return QString();
}

QStringList HamBand::names()
{
    QStringList names;
    for (const Band& band : bands)
        names << QString::fromLatin1(band.name);
    return names;
}
