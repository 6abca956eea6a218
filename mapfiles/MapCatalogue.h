// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/MapView.h"
#include "mapfiles/Bmp24File.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class DecodedBitmaps;

// The maps in the folder Karten: each a bitmap name.bmp with its calibration text name.inf.
class MapCatalogue {
public:
    // A map read from its two files: the bitmap in RGB32 and the whole map's rectangle.
    struct Map {
        QImage bitmap;  // null while its decoding is put off
        MapView whole;
        std::unique_ptr<Bmp24File> file;  // with the decoding put off: the bitmap's file, its headers read
    };

    // Menu captions, one per ".inf" file of the folder (hidden ones included), sorted by file name:
    // the file name up to its first ".".
    static QStringList menuCaptions(const QString& kartenFolder);
    // The name as the folder spells it: map names from a settings file written on a system whose
    // file names ignore letter case ("welt", "EUROPA") find their files. The name itself when
    // no map of that name is there.
    static QString spelledAsInFolder(const QString& kartenFolder, const QString& name);

    // Reads kartenFolder + name + ".inf" and ".bmp", the bitmap through bitmaps. Nothing when
    // either file is missing; throws AppError when the calibration is malformed or the bitmap
    // cannot be read, so a caller keeps the map it has. With decodeLater, a bitmap that Bmp24File
    // takes is only opened, not decoded: the caller reads its pixels from the file, and decodes it
    // when it first needs the bitmap.
    static std::optional<Map> read(DecodedBitmaps& bitmaps, const QString& kartenFolder, const QString& name,
                                   bool decodeLater = false);
    // The map bitmap at bmpPath through bitmaps; throws AppError when it cannot be read.
    static QImage decode(DecodedBitmaps& bitmaps, const QString& bmpPath);
};
