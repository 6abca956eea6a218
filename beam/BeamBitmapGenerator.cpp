#include "beam/BeamBitmapGenerator.h"

#include "beam/BeamView.h"
#include "beam/BorderFill.h"
#include "geo/MapTransforms.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <thread>
#include <vector>

BeamBitmapGenerator::BeamBitmapGenerator(const GeoPosition& own, const QImage& worldMap, const MapView& whole,
                                         QRgb polarColour, int side)
    : projection_(own), worldMap_(worldMap), whole_(whole), polarColour_(polarColour), side_(side), centre_(side / 2),
      pixelsPerKm_(centre_ / AzimuthalProjection::antipodeKm)
{
}

bool BeamBitmapGenerator::colourAt(int x, int y, QRgb& colour) const
{
    const long double dx = x - centre_, dy = centre_ - y;  // pixels, north up
    const long double distance = std::sqrt(dx * dx + dy * dy) / pixelsPerKm_;  // km
    if (distance >= discLimitKm)
        return false;
    const AzimuthalProjection::Point point =
        projection_.pointAt(AzimuthalProjection::screenBearing(dx, dy), distance);
    if (point.latitude > northernmostLatitude || point.latitude < southernmostLatitude) {
        colour = polarColour_;
        return true;
    }
    const int column = lonToMapBitmapX(whole_, worldMap_.width(), AzimuthalProjection::sampledLongitude(point.longitude));
    const int row = latToMapBitmapY(whole_, worldMap_.height(), point.latitude);
    // A map that does not reach this far (a regional map in place of the world) has nothing here.
    if (!worldMap_.valid(column, row))
        return false;
    colour = worldMap_.pixel(column, row);
    return true;
}

void BeamBitmapGenerator::fillRow(QRgb* line, int y) const
{
    for (int x = 0; x < side_; ++x) {
        QRgb colour;
        if (colourAt(x, y, colour))
            line[x] = colour;
    }
}

QImage BeamBitmapGenerator::rows(int firstRow, int rowCount, int threads) const
{
    QImage part(side_, rowCount, QImage::Format_RGB32);
    part.fill(Qt::white);
    // Detached once here; the workers then write disjoint rows of the same memory.
    uchar* const bits = part.bits();
    const qsizetype bytesPerLine = part.bytesPerLine();
    const auto work = [&](int worker, int workers) {
        for (int i = worker; i < rowCount; i += workers)
            fillRow(reinterpret_cast<QRgb*>(bits + i * bytesPerLine), firstRow + i);
    };
    const int workers = std::clamp(threads, 1, std::max(1, rowCount));
    std::vector<std::thread> started;
    for (int worker = 1; worker < workers; ++worker)
        started.emplace_back(work, worker, workers);
    work(0, workers);
    for (std::thread& thread : started)
        thread.join();
    return part;
}

void BeamBitmapGenerator::finish(QImage& picture, QRgb outside)
{
    const int centre = picture.width() / 2;  // pixels
    QPolygon rim;
    rim << QPoint(centre, 0);
    for (int degrees = 0; degrees <= 360; ++degrees)
        rim << BeamView::polar(centre, degrees, centre);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawPolyline(rim);
    }
    const int right = picture.width() - 10, bottom = picture.height() - 10;  // pixels
    for (const QPoint seed : {QPoint(10, 10), QPoint(right, 10), QPoint(10, bottom), QPoint(right, bottom)})
        BorderFill::fill(picture, seed, qRgb(0, 0, 0), outside);
}

int BeamBitmapGenerator::availableThreads()
{
    return int(std::clamp(std::thread::hardware_concurrency(), 1u, 16u));
}
