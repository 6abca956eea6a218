// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "tools/mapgen/CountryRasterBuilder.h"

#include "base/Rounding.h"
#include "geo/GeoConstants.h"
#include "tools/mapgen/ShapePainter.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int samplesPerCell = 3;  // along each axis
constexpr double runSpacing = 180.0 / 511.0;  // degrees of longitude between runs
constexpr double cellSpacing = 17.0 / 70.0;   // degrees of latitude between cells
constexpr int sampleColumns = CountryRaster::runs * samplesPerCell;
constexpr int sampleRows = CountryRaster::cellsPerRun * samplesPerCell;
constexpr int lastCell = CountryRaster::cellsPerRun - 1;

double runLongitude(int run) { return (run - CountryRaster::primeMeridianRun) * runSpacing; }
double cellLatitude(int cell) { return (cell - CountryRaster::equatorCell) * cellSpacing; }

// Sample pixels are centred on the points cell centre + (-1, 0, +1) / 3 spacing; the sheet
// reaches half a cell beyond the outermost runs and cells. Row 0 is the north.
MapSheet sampleSheet()
{
    return MapSheet(QStringLiteral("samples"), cellLatitude(lastCell) + cellSpacing / 2,
                    cellLatitude(0) - cellSpacing / 2, runLongitude(0) - runSpacing / 2,
                    runLongitude(CountryRaster::runs - 1) + runSpacing / 2, QSize(sampleColumns, sampleRows));
}

QPointF samplePosition(int column, int row)
{
    static const MapSheet sheet = sampleSheet();
    return QPointF(sheet.left() + (column + 0.5) * runSpacing / samplesPerCell,
                   sheet.top() - (row + 0.5) * cellSpacing / samplesPerCell);
}

// A country with fewer samples than this in all (about five cells) is a small state.
constexpr long smallCountrySamples = 45;

// A small state takes every cell it has a sample in, so it does not vanish beside a large
// neighbour; otherwise the majority of the non-zero samples decides. Ties go to the country with
// fewer samples in all, then to the lower number.
std::uint8_t cellNumber(const std::array<std::uint8_t, 9>& samples, const std::vector<long>& totals)
{
    std::array<int, 256> counts{};
    for (std::uint8_t s : samples)
        if (s != 0)
            ++counts[s];
    int best = 0;
    for (int n = 1; n < 256; ++n) {
        if (counts[n] == 0)
            continue;
        const bool small = totals[n] < smallCountrySamples;
        const bool bestSmall = best != 0 && totals[best] < smallCountrySamples;
        if (best == 0 || (small && !bestSmall) || (small == bestSmall && counts[n] > counts[best])
            || (small == bestSmall && counts[n] == counts[best] && totals[n] < totals[best]))
            best = n;
    }
    return std::uint8_t(best);
}

} // namespace

CountryRasterBuilder::CountryRasterBuilder(const WorldShapes& world, const CountryCatalogue& catalogue)
    : world_(world), catalogue_(catalogue)
{
}

bool CountryRasterBuilder::cellOf(QPointF position, int& run, int& cell)
{
    run = roundHalfEven(position.x() * 511.0L / 180.0L) + CountryRaster::primeMeridianRun;
    cell = roundHalfEven(position.y() * 70.0L / 17.0L) + CountryRaster::equatorCell;
    return run >= 0 && run < CountryRaster::runs && cell >= 0 && cell < CountryRaster::cellsPerRun;
}

std::vector<std::uint8_t> CountryRasterBuilder::sampleNumbers() const
{
    QImage image(sampleColumns, sampleRows, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        // Outlines first, one sample wide, then the fills over them: a cell that a coastline
        // merely touches still counts as land, while inland the fills decide.
        const ShapePainter shapes(sampleSheet());
        QPainter painter(&image);
        for (bool outline : {true, false})
            for (std::size_t c = 0; c < world_.countries.size(); ++c)
                for (const ShapePolygon& polygon : world_.countries[c].polygons) {
                    const QColor colour(0, 0, catalogue_.numberOfPolygon(int(c), polygon));
                    const QPainterPath path = shapes.polygonPath(polygon);
                    if (outline)
                        painter.strokePath(path, QPen(colour, 0));
                    else
                        painter.fillPath(path, colour);
                }
    }

    std::vector<std::uint8_t> samples(std::size_t(sampleColumns) * sampleRows);
    for (int row = 0; row < sampleRows; ++row) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(row));
        for (int column = 0; column < sampleColumns; ++column)
            samples[std::size_t(row) * sampleColumns + column] = std::uint8_t(qBlue(line[column]));
    }

    for (const CountryCatalogue::Region& region : catalogue_.regions()) {
        if (region.wholePolygons)
            continue;
        const int from = catalogue_.numberOfCountry(region.country);
        for (int row = 0; row < sampleRows; ++row)
            for (int column = 0; column < sampleColumns; ++column) {
                std::uint8_t& s = samples[std::size_t(row) * sampleColumns + column];
                if (s == from) {
                    const QPointF p = samplePosition(column, row);
                    if (region.contains(p.x(), p.y()))
                        s = std::uint8_t(region.number);
                }
            }
    }
    return samples;
}

void CountryRasterBuilder::build(const std::vector<Capital>& capitals, CountryRaster& raster) const
{
    const std::vector<std::uint8_t> samples = sampleNumbers();
    std::vector<long> totals(256, 0);
    for (std::uint8_t s : samples)
        ++totals[s];
    for (int run = 0; run < CountryRaster::runs; ++run)
        for (int cell = 0; cell < CountryRaster::cellsPerRun; ++cell) {
            std::array<std::uint8_t, 9> cellSamples;
            for (int i = 0; i < 9; ++i) {
                const int column = run * samplesPerCell + i % 3;
                const int row = (lastCell - cell) * samplesPerCell + 2 - i / 3;
                cellSamples[i] = samples[std::size_t(row) * sampleColumns + column];
            }
            raster.data()[std::size_t(run) * CountryRaster::cellsPerRun + cell] = cellNumber(cellSamples, totals);
        }

    std::vector<bool> capitalCells(CountryRaster::byteCount, false);
    for (const Capital& capital : capitals) {
        int run, cell;
        if (capital.number == 0 || !cellOf(capital.position, run, cell))
            continue;
        const std::size_t offset = std::size_t(run) * CountryRaster::cellsPerRun + std::size_t(cell);
        if (offset >= CountryRaster::byteCount)
            continue;
        if (!capitalCells[offset])
            raster.data()[offset] = std::uint8_t(capital.number);
        capitalCells[offset] = true;
    }
    // After the capitals, so a country whose only cell a capital next door took gets another.
    stampSmallCountries(capitalCells, raster);
}

void CountryRasterBuilder::stampSmallCountries(const std::vector<bool>& capitalCells, CountryRaster& raster) const
{
    std::vector<bool> taken = capitalCells;  // a stamped cell is not stamped over again
    std::vector<bool> present(256, false);
    for (std::size_t i = 0; i < CountryRaster::byteCount; ++i)
        present[raster.data()[i]] = true;

    for (std::size_t c = 0; c < world_.countries.size(); ++c) {
        for (const ShapePolygon& polygon : world_.countries[c].polygons) {
            const int number = catalogue_.numberOfPolygon(int(c), polygon);
            if (present[number])
                continue;
            // The vertex mean of the first polygon of a country that won no cell: these are
            // islands and enclaves a few kilometres across.
            QPointF centre;
            for (const QPointF& p : polygon.front())
                centre += p;
            centre /= polygon.front().size();
            int run, cell;
            if (!cellOf(centre, run, cell))
                continue;
            // Nearest cell first among the centre's cell and its eight neighbours.
            std::vector<std::pair<double, std::size_t>> candidates;
            for (int dr = -1; dr <= 1; ++dr)
                for (int dc = -1; dc <= 1; ++dc) {
                    const int r = run + dr, k = cell + dc;
                    if (r < 0 || r >= CountryRaster::runs || k < 0 || k >= CountryRaster::cellsPerRun)
                        continue;
                    const double dx = (runLongitude(r) - centre.x()) * std::cos(centre.y() * double(degToRad));
                    const double dy = cellLatitude(k) - centre.y();
                    candidates.emplace_back(dx * dx + dy * dy, std::size_t(r) * CountryRaster::cellsPerRun + k);
                }
            std::sort(candidates.begin(), candidates.end());
            for (const auto& [distance, offset] : candidates) {
                if (!taken[offset]) {
                    raster.data()[offset] = std::uint8_t(number);
                    taken[offset] = true;
                    present[number] = true;
                    break;
                }
            }
        }
    }
}
