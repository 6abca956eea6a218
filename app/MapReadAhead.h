// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

#include <thread>

// Decodes the map the Mercator window shows at start on a thread of its own, begun before the
// connection to the display: the window then takes the decoded bitmap (DecodedBitmaps) instead of
// decoding its tens of megabytes itself. Nothing is read ahead when the beam map is shown at
// start. The destructor waits for the thread.
class MapReadAhead {
public:
    explicit MapReadAhead(const QString& executableFolder);
    ~MapReadAhead();

    MapReadAhead(const MapReadAhead&) = delete;
    MapReadAhead& operator=(const MapReadAhead&) = delete;

private:
    std::thread thread_;
};
