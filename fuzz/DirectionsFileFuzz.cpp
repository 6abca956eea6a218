// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// Data.txt of the directions list. Properties: a list read and written again reads back the
// same lines; every field a click reads
// is at most 50 characters; a number the record editor takes is finite.
#include "FuzzCheck.h"
#include "FuzzFolder.h"

#include "base/AppError.h"
#include "rotor/DirectionLine.h"
#include "rotor/DirectionsFile.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    const FuzzFolder& folder = FuzzFolder::instance();
    const auto lines = DirectionsFile::read(folder.write(DirectionsFile::fileName, bytes));
    FUZZ_CHECK(lines.has_value());
    const QString copy = folder.path(QStringLiteral("Kopie.txt"));
    DirectionsFile::write(copy, *lines);
    FUZZ_CHECK(DirectionsFile::read(copy) == lines);
    for (const QString& line : *lines) {
        FUZZ_CHECK(DirectionLine::clickAzimuth(line).size() <= 50 && DirectionLine::clickElevation(line).size() <= 50);
        const DirectionLine::Fields fields = DirectionLine::editFields(line);
        if (const auto number = DirectionLine::editorNumber(fields.azimuth))
            FUZZ_CHECK(std::isfinite(*number));
    }
    QStringList sorted = *lines;
    DirectionLine::sort(sorted);
    FUZZ_CHECK(sorted.size() == lines->size());
    return 0;
}
