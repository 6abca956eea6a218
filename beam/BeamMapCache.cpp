// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "beam/BeamMapCache.h"

#include "base/AppError.h"
#include "base/FileReplacement.h"
#include "beam/BeamBitmapGenerator.h"
#include "mapfiles/BmpWriter.h"
#include "mapfiles/MapCatalogue.h"

#include <QCoreApplication>

namespace {

const QString world = QStringLiteral("Welt");

} // namespace

void BeamMapCache::build(QImage& picture, DecodedBitmaps& bitmaps, const QString& kartenFolder, const GeoPosition& own,
                         QRgb polarColour, QRgb outside, int side)
{
    // The decoded world map is shared with the Mercator window when it shows the same.
    const std::optional<MapCatalogue::Map> map = MapCatalogue::read(bitmaps, kartenFolder, world);
    if (!map)
        throw AppError(
            QCoreApplication::translate(
                "BeamMapCache", "Die Weltkarte %1Welt.bmp mit Welt.inf fehlt; die Beamkarte bleibt, wie sie ist")
                .arg(kartenFolder));
    const BeamBitmapGenerator generator(own, map->bitmap, map->whole, polarColour, side);
    generator.generate(picture, BeamBitmapGenerator::availableThreads());
    BeamBitmapGenerator::finish(picture, outside);
}

bool BeamMapCache::save(const QImage& picture, const QString& path, const std::atomic<bool>* abandon)
{
    // The rows are encoded straight into the temporary file, each write counted.
    return FileReplacement::write(
        path,
        [&](QIODevice& file) {
            switch (BmpWriter::write(picture, file, abandon)) {
            case BmpWriter::Outcome::written:
                return FileReplacement::Produced::whole;
            case BmpWriter::Outcome::abandoned:
                return FileReplacement::Produced::abandoned;
            case BmpWriter::Outcome::failed:
                break;
            }
            return FileReplacement::Produced::failed;
        },
        QCoreApplication::translate("BeamMapCache", "Die Beamkarte %1"));
}
