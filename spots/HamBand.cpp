// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "spots/HamBand.h"

namespace {

struct Band {
    const char* name;
    double lowKhz, highKhz;
};

// The ADIF band table, kHz. 5 m starts a hair above 54 MHz, where 6 m ends.
constexpr Band bands[] = {
    {"2190m", 135.7, 137.8},       {"630m", 472, 479},           {"560m", 501, 504},
    {"160m", 1800, 2000},          {"80m", 3500, 4000},          {"60m", 5060, 5450},
    {"40m", 7000, 7300},           {"30m", 10100, 10150},        {"20m", 14000, 14350},
    {"17m", 18068, 18168},         {"15m", 21000, 21450},        {"12m", 24890, 24990},
    {"10m", 28000, 29700},         {"8m", 40000, 45000},         {"6m", 50000, 54000},
    {"5m", 54000.001, 69900},      {"4m", 70000, 71000},         {"2m", 144000, 148000},
    {"1.25m", 222000, 225000},     {"70cm", 420000, 450000},     {"33cm", 902000, 928000},
    {"23cm", 1240000, 1300000},    {"13cm", 2300000, 2450000},   {"9cm", 3300000, 3500000},
    {"6cm", 5650000, 5925000},     {"3cm", 10000000, 10500000},  {"1.25cm", 24000000, 24250000},
    {"6mm", 47000000, 47200000},   {"4mm", 75500000, 81000000},  {"2.5mm", 119980000, 123000000},
    {"2mm", 134000000, 149000000}, {"1mm", 241000000, 250000000}, {"submm", 300000000, 7500000000},
};

} // namespace

QString HamBand::of(double frequencyKhz)
{
    for (const Band& band : bands)
        if (Range {band.lowKhz, band.highKhz}.contains(frequencyKhz))
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

std::optional<HamBand::Range> HamBand::range(const QString& name)
{
    for (const Band& band : bands)
        if (name.compare(QLatin1String(band.name), Qt::CaseInsensitive) == 0)
            return Range {band.lowKhz, band.highKhz};
    return std::nullopt;
}
