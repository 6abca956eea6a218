// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// Country numbers on a grid of 1023 meridians (runs) by 619 latitudes, exactly as stored in
// Landeskennung.arr: byte offset = run * 619 + cell. Zero means sea or no data; an unread raster
// is all zero, so every lookup on it is empty.
class CountryRaster {
public:
    static constexpr int runs = 1023;          // meridians, -180 .. +180 degrees
    static constexpr int cellsPerRun = 619;    // latitudes, -65.0857 .. +85.0 degrees
    static constexpr int equatorCell = 268;    // cell of latitude 0
    static constexpr int primeMeridianRun = 511;  // run of longitude 0
    static constexpr std::size_t byteCount = std::size_t(runs) * cellsPerRun;  // 633237

    std::uint8_t at(int run, int cell) const { return bytes_[std::size_t(run) * cellsPerRun + cell]; }
    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }
    void clear() { bytes_.fill(0); }

private:
    std::array<std::uint8_t, byteCount> bytes_{};
};
