// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// The country list, and the country raster built by repeating the input's bytes. Properties: a
// list saved again with CR LF reads back the same; a lookup at a raster point names a country
// only where the raster holds a number with a line in the list, the name holds no ";" and the
// prefix at most 200 characters; a short raster file is refused and leaves the raster empty.
#include "FuzzCheck.h"
#include "FuzzFolder.h"

#include "startup/ReferenceDataLoader.h"
#include "base/AppError.h"
#include "geo/CountryLookup.h"
#include "text/Windows1252.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    const FuzzFolder& folder = FuzzFolder::instance();
    const QStringList list = ReferenceDataLoader::readCountryList(folder.write(QStringLiteral("Laenderliste.txt"), bytes));
    for (const QString& line : list)
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));
    const QByteArray saved = list.isEmpty() ? QByteArray() : Windows1252::encode(list.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    FUZZ_CHECK(ReferenceDataLoader::readCountryList(folder.write(QStringLiteral("Laenderliste.txt"), saved)) == list);

    static const auto raster = std::make_unique<CountryRaster>();
    if (bytes.isEmpty())
        return 0;
    try {
        ReferenceDataLoader::readCountryRaster(folder.write(QStringLiteral("Landeskennung.arr"), bytes), *raster);
        FUZZ_CHECK(size_t(bytes.size()) >= CountryRaster::byteCount);
    } catch (const AppError&) {
        FUZZ_CHECK(raster->at(size_t(size) % CountryRaster::runs, 0) == 0 && raster->at(CountryRaster::runs - 1, CountryRaster::cellsPerRun - 1) == 0);
    }
    QByteArray tiled = bytes.repeated(int(CountryRaster::byteCount / size + 1));
    tiled.truncate(int(CountryRaster::byteCount));
    ReferenceDataLoader::readCountryRaster(folder.write(QStringLiteral("Landeskennung.arr"), tiled), *raster);

    const CountryLookup lookup(*raster, list);
    for (int i = 0; i < 64; ++i) {
        const int run = int((i * 7919u + size) % CountryRaster::runs);
        const int cell = int((i * 104729u + size) % CountryRaster::cellsPerRun);
        const double longitude = (run - CountryRaster::primeMeridianRun) * 180.0 / CountryRaster::primeMeridianRun;
        const double latitude = (cell - CountryRaster::equatorCell) * 17.0 / 70.0;
        QString name, prefix;
        lookup.lookupCountry(longitude, latitude, name, prefix);
        const int number = raster->at(run, cell);
        FUZZ_CHECK(prefix.size() <= CountryLookup::maxPrefixLength);
        FUZZ_CHECK(!name.contains(u';'));
        if (!name.isEmpty() || !prefix.isEmpty())
            FUZZ_CHECK(number != 0 && number < list.size());
    }
    return 0;
}
