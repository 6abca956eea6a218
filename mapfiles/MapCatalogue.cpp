// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mapfiles/MapCatalogue.h"

#include "base/AppError.h"
#include "mapfiles/Bmp24File.h"
#include "mapfiles/DecodedBitmaps.h"
#include "mapfiles/MapCalibration.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace {

// Every corner finite and on the globe: a corner of 400 digits reads as infinity, which passes
// the order check and then turns every pixel into NaN. Degrees.
bool onTheGlobe(const MapView& view)
{
    const auto within = [](long double value, long double limit) { return std::isfinite(value) && std::fabs(value) <= limit; };
    return within(view.top, 90) && within(view.bottom, 90) && within(view.left, 180) && within(view.right, 180);
}

} // namespace

QStringList MapCatalogue::menuCaptions(const QString& kartenFolder)
{
    QStringList captions;
    const QDir folder(kartenFolder);
    const QStringList files = folder.entryList({QStringLiteral("*.inf")},
                                               QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& file : files)
        captions << file.left(file.indexOf(u'.'));
    return captions;
}

QString MapCatalogue::spelledAsInFolder(const QString& kartenFolder, const QString& name)
{
    const QStringList captions = menuCaptions(kartenFolder);
    if (captions.contains(name))
        return name;
    for (const QString& caption : captions) {
        if (caption.compare(name, Qt::CaseInsensitive) == 0)
            return caption;
    }
    return name;
}

std::optional<MapCatalogue::Map> MapCatalogue::read(DecodedBitmaps& bitmaps, const QString& kartenFolder,
                                                  const QString& name, bool decodeLater)
{
    const QString base = kartenFolder + name;
    const QString infPath = base + QStringLiteral(".inf");
    const QString bmpPath = base + QStringLiteral(".bmp");
    if (!QFileInfo::exists(infPath) || !QFileInfo::exists(bmpPath))
        return std::nullopt;

    Map map;
    map.whole = MapCalibration::readFile(infPath);
    if (!onTheGlobe(map.whole) || map.whole.top <= map.whole.bottom || map.whole.right <= map.whole.left)
        throw AppError(
            QCoreApplication::translate("MapCatalogue", "Die Kalibrierdatei %1 beschreibt kein Kartenrechteck")
                .arg(infPath));
    if (decodeLater) {
        map.file = std::make_unique<Bmp24File>(bmpPath);
        if (map.file->isValid())
            return map;
        map.file.reset();
    }
    map.bitmap = decode(bitmaps, bmpPath);
    return map;
}

QImage MapCatalogue::decode(DecodedBitmaps& bitmaps, const QString& bmpPath)
{
    QImage bitmap = bitmaps.read(bmpPath);
    if (bitmap.isNull())
        throw AppError(
            QCoreApplication::translate("MapCatalogue", "Die Karte %1 kann nicht gelesen werden").arg(bmpPath));
    return bitmap;
}
