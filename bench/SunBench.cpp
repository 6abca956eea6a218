// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// Cost of the twilight shading added to a map redraw: a full-screen Mercator picture and the
// largest beam map, on the calling thread only.

#include "sun/SolarPosition.h"
#include "sun/TwilightShade.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

// 2026-12-21 08:00 UTC: the terminator crosses Europe, Africa and Asia.
const SolarPosition& sun()
{
    static const SolarPosition position = SolarPosition::at(1797840000.0);
    return position;
}

void BM_ShadeMercator1920x1080(benchmark::State& state)
{
    constexpr int width = 1920, height = 1080;
    std::vector<double> longitudes(width), latitudes(height);
    for (int x = 0; x < width; ++x)
        longitudes[x] = -180 + 360.0 * (x + 0.5) / width;
    for (int y = 0; y < height; ++y)
        latitudes[y] = 90 - 180.0 * (y + 0.5) / height;
    std::vector<std::uint32_t> pixels(std::size_t(width) * height, 0xFF336699u);
    const TwilightShade shade(sun());
    for (auto _ : state) {
        shade.shadeGrid(pixels.data(), width, height, width, longitudes.data(), latitudes.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ShadeMercator1920x1080)->Unit(benchmark::kMillisecond);

void BM_ShadeBeam2500(benchmark::State& state)
{
    constexpr int size = 2500;
    std::vector<std::uint32_t> pixels(std::size_t(size) * size, 0xFF336699u);
    const TwilightShade shade(sun());
    for (auto _ : state) {
        shade.shadeDisc(pixels.data(), size, size, size, {7.0, 51.5}, size / 2.0, size / 2.0, size / 2.0);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ShadeBeam2500)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
