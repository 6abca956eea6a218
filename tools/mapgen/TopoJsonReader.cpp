// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "tools/mapgen/TopoJsonReader.h"

#include "base/AppError.h"
#include "tools/mapgen/AntimeridianRing.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

// Arcs in degrees: positions are integer deltas scaled and translated by the topology transform.
std::vector<QPolygonF> decodeArcs(const QJsonObject& topology)
{
    const QJsonObject transform = topology.value("transform").toObject();
    const QJsonArray scale = transform.value("scale").toArray();
    const QJsonArray translate = transform.value("translate").toArray();
    const double sx = scale.at(0).toDouble(), sy = scale.at(1).toDouble();
    const double tx = translate.at(0).toDouble(), ty = translate.at(1).toDouble();

    std::vector<QPolygonF> arcs;
    for (const QJsonValue& arcValue : topology.value("arcs").toArray()) {
        QPolygonF points;
        double x = 0, y = 0;
        for (const QJsonValue& delta : arcValue.toArray()) {
            const QJsonArray d = delta.toArray();
            x += d.at(0).toDouble();
            y += d.at(1).toDouble();
            points.append(QPointF(x * sx + tx, y * sy + ty));
        }
        arcs.push_back(points);
    }
    return arcs;
}

// A negative index ~i means arc i walked backwards; consecutive arcs share their joint point.
QPolygonF joinRing(const QJsonArray& arcIndices, const std::vector<QPolygonF>& arcs, std::vector<int>& used)
{
    QPolygonF ring;
    for (const QJsonValue& value : arcIndices) {
        const int index = value.toInt();
        const int arc = index >= 0 ? index : ~index;
        if (arc < 0 || arc >= int(arcs.size()))
            throw AppError(QStringLiteral("TopoJSON: Bogen %1 fehlt").arg(arc));
        used.push_back(arc);
        QPolygonF piece = arcs[arc];
        if (index < 0)
            std::reverse(piece.begin(), piece.end());
        if (!ring.isEmpty())
            piece.removeFirst();
        ring += piece;
    }
    return ring;
}

ShapePolygon readPolygon(const QJsonArray& rings, const std::vector<QPolygonF>& arcs, std::vector<int>& used)
{
    ShapePolygon polygon;
    for (const QJsonValue& ring : rings)
        polygon.push_back(AntimeridianRing::closedRing(joinRing(ring.toArray(), arcs, used)));
    return polygon;
}

} // namespace

WorldShapes TopoJsonReader::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Datei %1 kann nicht gelesen werden").arg(path));
    const QJsonObject topology = QJsonDocument::fromJson(file.readAll()).object();
    const QJsonArray geometries =
        topology.value("objects").toObject().value("countries").toObject().value("geometries").toArray();
    if (geometries.isEmpty())
        throw AppError(QStringLiteral("%1 enthält keine Länder").arg(path));

    const std::vector<QPolygonF> arcs = decodeArcs(topology);
    WorldShapes world;
    world.arcs.resize(arcs.size());
    for (const QJsonValue& value : geometries) {
        const QJsonObject geometry = value.toObject();
        CountryShape country;
        country.numericId = geometry.value("id").toString();
        country.name = geometry.value("properties").toObject().value("name").toString();
        std::vector<int> used;
        const QString type = geometry.value("type").toString();
        const QJsonArray parts = geometry.value("arcs").toArray();
        if (type == "Polygon") {
            country.polygons.push_back(readPolygon(parts, arcs, used));
        } else if (type == "MultiPolygon") {
            for (const QJsonValue& part : parts)
                country.polygons.push_back(readPolygon(part.toArray(), arcs, used));
        }

        const int index = int(world.countries.size());
        std::sort(used.begin(), used.end());
        used.erase(std::unique(used.begin(), used.end()), used.end());
        for (int arc : used)
            world.arcs[arc].countries.push_back(index);
        world.countries.push_back(country);
    }
    for (std::size_t i = 0; i < arcs.size(); ++i)
        world.arcs[i].points = AntimeridianRing::continuous(arcs[i]);
    return world;
}
