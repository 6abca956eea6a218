// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/GeoPosition.h"

#include <QImage>
#include <QString>

#include <atomic>
#include <optional>

class DecodedBitmaps;

// The cached beam bitmap Karten/BeamKarte.bmp and the own position it was built for, which the
// settings file keeps beside it, so that a picture never shows another station's view.
class BeamMapCache {
public:
    // The finished picture around own, side x side pixels, sampled from the world map "Welt" of
    // kartenFolder (decoded through bitmaps) on every core: polar caps in polarColour, the outside of the rim in outside.
    // Drawn into picture, whose memory is used again when it fits. Throws AppError, leaving
    // picture as it was, when the world map cannot be read.
    static void build(QImage& picture, DecodedBitmaps& bitmaps, const QString& kartenFolder, const GeoPosition& own,
                      QRgb polarColour, QRgb outside, int side);

    // Writes the picture as a BMP file through a temporary file, keeping the old one on failure;
    // throws AppError then. Once abandon is set the write stops and the old file stays: false.
    static bool save(const QImage& picture, const QString& path, const std::atomic<bool>* abandon = nullptr);
};
