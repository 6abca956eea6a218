// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

#include <thread>

class DecodedBitmaps;

// Decodes the map the Mercator window shows at start into bitmaps on a thread of its own, begun
// before the windows are made: the window then takes the decoded bitmap instead of decoding its
// tens of megabytes itself. Nothing is read ahead when the beam map is shown at
// start. The destructor waits for the thread.
class MapReadAhead {
public:
    MapReadAhead(const QString& executableFolder, DecodedBitmaps& bitmaps);
    ~MapReadAhead();

    MapReadAhead(const MapReadAhead&) = delete;
    MapReadAhead& operator=(const MapReadAhead&) = delete;

private:
    std::thread thread_;
};
