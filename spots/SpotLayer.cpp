// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "spots/SpotLayer.h"

#include "geo/MapProjection.h"
#include "spots/SpotService.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>

#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

const QColor heardColour(255, 255, 0);  // yellow: worked before, or no log chosen
const QColor newColour(255, 64, 255);   // magenta: an entity the own log lacks
constexpr int opacitySteps = 8;         // fading in steps: fewer changes of the painter's state

} // namespace

SpotLayer::SpotLayer(const SpotService& spots, std::function<void(const QString&)> picked)
    : spots_(spots), picked_(std::move(picked))
{
}

bool SpotLayer::takeClick(QPoint pixel, const MapProjection& projection) const
{
    if (!picked_)
        return false;
    // The freshest marker under the mouse, a pixel or two around it included.
    const Spot* hit = nullptr;
    for (const Spot& spot : spots_.spots().markers()) {
        const QPoint at = projection.pixelOf(spot.place);
        if (std::abs(at.x() - pixel.x()) <= markerSize && std::abs(at.y() - pixel.y()) <= markerSize
            && (!hit || spot.heardAt > hit->heardAt))
            hit = &spot;
    }
    if (!hit)
        return false;
    picked_(hit->placedByGrid ? hit->grid : hit->call);
    return true;
}

void SpotLayer::draw(QPainter& painter, const MapProjection& projection) const
{
    const auto& markers = spots_.spots().markers();
    if (markers.empty())
        return;
    const qint64 now = spots_.now();
    const QRect picture = painter.viewport();
    for (auto& labels : labels_)
        if (labels.size() > 2 * int(markers.size()) + 256)
            labels.clear();  // calls no longer heard
    painter.save();
    // Faintest first, so that fresh spots lie on top.
    for (int step = 1; step <= opacitySteps; ++step) {
        bool opacitySet = false;
        for (const Spot& spot : markers) {
            const int spotStep = int(std::ceil(SpotList::opacity(spot, now) * opacitySteps));
            if (spotStep != step)
                continue;
            const QPoint at = projection.pixelOf(spot.place);
            if (!picture.adjusted(-60, -10, 10, 10).contains(at))
                continue;
            if (!opacitySet) {
                painter.setOpacity(double(step) / opacitySteps);
                opacitySet = true;
            }
            const bool isNew = spots_.isNew(spot);
            painter.fillRect(at.x() - markerSize / 2, at.y() - markerSize / 2, markerSize, markerSize,
                             isNew ? newColour : heardColour);
            // Right of the marker, or left of it where the call would run off the picture's edge.
            const QImage& call = label(spot.call, isNew, painter.font());
            const int right = at.x() + markerSize;  // pixels
            painter.drawImage(right + call.width() > picture.right() + 1 ? at.x() - markerSize - call.width() : right,
                              std::max(picture.top(), at.y() - markerSize - 4), call);
        }
    }
    painter.restore();
}

const QImage& SpotLayer::label(const QString& call, bool isNew, const QFont& font) const
{
    QHash<QString, QImage>& labels = labels_[isNew ? 1 : 0];
    auto found = labels.find(call);
    if (found != labels.end())
        return *found;
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(call) + 2, metrics.height() + 1, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    // A dark shadow keeps the call readable on light land and bright day alike.
    painter.setPen(Qt::black);
    painter.drawText(1, metrics.ascent() + 1, call);
    painter.setPen(isNew ? newColour : heardColour);
    painter.drawText(0, metrics.ascent(), call);
    painter.end();
    return *labels.insert(call, image);
}
