// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// Cost of the geodesy routines that run under the moving mouse and for every target.

#include "geo/CountryLookup.h"
#include "geo/GreatCircle.h"
#include "geo/NearestCity.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

namespace {

struct Point {
    double latitude, longitude;  // degrees
};

// Fixed random positions, uniform on the sphere.
std::vector<Point> randomPoints(std::size_t count, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<Point> points(count);
    for (Point& p : points)
        p = {std::asin(2.0 * unit(random) - 1.0) * 180.0 / M_PI, 360.0 * unit(random) - 180.0};
    return points;
}

const std::vector<Point>& targets()
{
    static const std::vector<Point> points = randomPoints(4096, 1);
    return points;
}

void BM_GreatCircleDistance(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        const Point& t = targets()[i++ & 4095];
        benchmark::DoNotOptimize(greatCircleDistance(7.0, 51.5, t.longitude, t.latitude));
    }
}
BENCHMARK(BM_GreatCircleDistance);

void BM_GreatCircleBearing(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        const Point& t = targets()[i++ & 4095];
        benchmark::DoNotOptimize(greatCircleBearing(7.0, 51.5, t.longitude, t.latitude));
    }
}
BENCHMARK(BM_GreatCircleBearing);

void BM_LookupCountry(benchmark::State& state)
{
    auto raster = std::make_unique<CountryRaster>();
    std::mt19937 random(2);
    for (std::size_t b = 0; b < CountryRaster::byteCount; ++b)
        raster->data()[b] = static_cast<std::uint8_t>(random() % 256);
    QStringList countryList;
    for (int n = 0; n < 256; ++n)
        countryList << QStringLiteral("Land %1;P%1").arg(n);
    const CountryLookup lookup(*raster, countryList);

    std::size_t i = 0;
    QString name, prefix;
    for (auto _ : state) {
        const Point& t = targets()[i++ & 4095];
        lookup.lookupCountry(t.longitude, t.latitude, name, prefix);
        benchmark::DoNotOptimize(prefix);
    }
}
BENCHMARK(BM_LookupCountry);

void BM_FindNearestCity(benchmark::State& state)
{
    std::vector<CityRecord> cities;
    for (const Point& p : randomPoints(static_cast<std::size_t>(state.range(0)), 3))
        cities.push_back({QStringLiteral("Stadt"), p.latitude, p.longitude});

    std::size_t i = 0;
    int lastIndex = 0;
    for (auto _ : state) {
        const Point& t = targets()[i++ & 4095];
        const auto found = findNearestCity(cities, t.latitude, t.longitude, lastIndex);
        lastIndex = found->index;
        benchmark::DoNotOptimize(lastIndex);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FindNearestCity)->Arg(5000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
