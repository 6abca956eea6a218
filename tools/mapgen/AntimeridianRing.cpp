// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "tools/mapgen/AntimeridianRing.h"

#include <cmath>

namespace {

constexpr double fullTurn = 360.0;  // degrees of longitude

} // namespace

QPolygonF AntimeridianRing::continuous(const QPolygonF& line)
{
    QPolygonF result;
    result.reserve(line.size());
    double shift = 0.0;
    for (int i = 0; i < line.size(); ++i) {
        QPointF p = line[i];
        if (i > 0) {
            const double step = p.x() + shift - result.back().x();
            shift -= fullTurn * std::round(step / fullTurn);
        }
        p.rx() += shift;
        result.append(p);
    }
    return result;
}

QPolygonF AntimeridianRing::closedRing(const QPolygonF& ring)
{
    QPolygonF result = continuous(ring);
    if (result.size() < 2)
        return result;

    const double drift = result.back().x() - result.front().x();
    if (std::abs(drift) > fullTurn / 2) {
        double latitudeSum = 0.0;
        for (const QPointF& p : result)
            latitudeSum += p.y();
        const double pole = latitudeSum < 0 ? -90.0 : 90.0;
        result.append(QPointF(result.back().x(), pole));
        result.append(QPointF(result.front().x(), pole));
    }

    const QRectF box = result.boundingRect();
    const double centreShift = -fullTurn * std::round(box.center().x() / fullTurn);
    if (centreShift != 0.0)
        result.translate(centreShift, 0.0);
    return result;
}
