// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// The calibration file of a map beside a valid bitmap. Property: a map that is taken has four
// finite corners on the globe, north above south and east right of west; anything else is an
// AppError, never another failure.
#include "FuzzCheck.h"
#include "FuzzFolder.h"

#include "base/AppError.h"
#include "mapfiles/DecodedBitmaps.h"
#include "mapfiles/MapCatalogue.h"

#include <QImage>

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzFolder& folder = FuzzFolder::instance();
    static const bool bitmapWritten = [&] {
        QImage image(8, 4, QImage::Format_RGB32);
        image.fill(Qt::blue);
        return image.save(folder.path(QStringLiteral("Karte.bmp")), "BMP");
    }();
    FUZZ_CHECK(bitmapWritten);
    folder.write(QStringLiteral("Karte.inf"), QByteArray(reinterpret_cast<const char*>(data), int(size)));
    try {
        DecodedBitmaps bitmaps;  // fresh: a new input of the same size may carry the same time
        const auto map = MapCatalogue::read(bitmaps, folder.folder(), QStringLiteral("Karte"));
        FUZZ_CHECK(map.has_value());
        const MapView& v = map->whole;
        FUZZ_CHECK(std::isfinite(v.top) && std::isfinite(v.bottom) && std::isfinite(v.left) && std::isfinite(v.right));
        FUZZ_CHECK(v.top <= 90 && v.bottom >= -90 && v.left >= -180 && v.right <= 180);
        FUZZ_CHECK(v.top > v.bottom && v.right > v.left);
    } catch (const AppError&) {
    }
    return 0;
}
