// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "spots/SpotLayer.h"

#include "geo/MapProjection.h"
#include "spots/LabelPlacer.h"
#include "spots/SpotService.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

const QColor heardColour(255, 255, 0);  // yellow: worked before, or no log chosen
const QColor newColour(255, 64, 255);   // magenta: an entity the own log lacks
constexpr int opacitySteps = 8;         // fading in steps: fewer changes of the painter's state

// A marker's square around its centre pixel.
QRect square(QPoint at)
{
    return {at.x() - SpotLayer::markerSize / 2, at.y() - SpotLayer::markerSize / 2, SpotLayer::markerSize,
            SpotLayer::markerSize};
}

} // namespace

SpotLayer::SpotLayer(const SpotService& spots, std::function<void(const QString&)> picked,
                     std::function<SpotFilter()> filter)
    : spots_(spots), picked_(std::move(picked)), filter_(std::move(filter))
{
}

bool SpotLayer::takeClick(QPoint pixel, const MapProjection& projection) const
{
    if (!picked_)
        return false;
    // The freshest marker under the mouse, a pixel or two around it included.
    const SpotFilter shown = filter();
    const qint64 now = spots_.now();
    const Spot* hit = nullptr;
    for (const Spot& spot : spots_.spots().markers()) {
        const QPoint at = projection.pixelOf(spot.place);
        if (std::abs(at.x() - pixel.x()) <= markerSize && std::abs(at.y() - pixel.y()) <= markerSize
            && (!hit || spot.heardAt > hit->heardAt) && shown.passes(spot, now))
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
    const QRect picture = painter.hasClipping() ? painter.clipBoundingRect().toAlignedRect() : painter.viewport();
    const SpotFilter shown = filter();
    for (auto& labels : labels_)
        if (labels.size() > 2 * int(markers.size()) + 256)
            labels.clear();  // calls no longer heard
    struct Drawn {
        const Spot* spot;
        QPoint at;
        int step;  // of opacity, 1 to opacitySteps
        bool isNew;
        QRect label;  // null while the call has no place
    };
    std::vector<Drawn> drawn;
    drawn.reserve(markers.size());
    for (const Spot& spot : markers) {
        const QPoint at = projection.pixelOf(spot.place);
        const int step = int(std::ceil(SpotList::opacity(spot, now, shown.fadeSeconds()) * opacitySteps));
        if (step > 0 && picture.contains(at) && shown.passes(spot, now))
            drawn.push_back({&spot, at, step, spots_.isNew(spot), QRect()});
    }
    // Faintest first, so that fresh markers lie on top.
    std::stable_sort(drawn.begin(), drawn.end(), [](const Drawn& a, const Drawn& b) { return a.step < b.step; });
    // The calls find their places in the order of precedence: the entities the log lacks, then the freshest.
    std::vector<Drawn*> byPrecedence;
    byPrecedence.reserve(drawn.size());
    for (Drawn& marker : drawn)
        byPrecedence.push_back(&marker);
    std::stable_sort(byPrecedence.begin(), byPrecedence.end(), [](const Drawn* a, const Drawn* b) {
        return a->isNew != b->isNew ? a->isNew : a->spot->heardAt > b->spot->heardAt;
    });
    // No call hides a marker, its own or another's. Each place once: spots without a square of
    // their own share their entity's centre by the hundred.
    std::vector<QPoint> places;
    places.reserve(drawn.size());
    for (const Drawn& marker : drawn)
        places.push_back(marker.at);
    const auto byRow = [](QPoint a, QPoint b) { return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x(); };
    std::sort(places.begin(), places.end(), byRow);
    places.erase(std::unique(places.begin(), places.end()), places.end());
    LabelPlacer placer(picture, markerSize);
    for (const QPoint at : places)
        placer.reserve(square(at));
    for (Drawn* marker : byPrecedence)
        if (const auto place =
                placer.place(marker->at, label(marker->spot->call, marker->isNew, painter).deviceIndependentSize().toSize()))
            marker->label = *place;

    painter.save();
    int opacityStep = 0;
    const auto setOpacity = [&](int step) {
        if (step != opacityStep)
            painter.setOpacity(double(step) / opacitySteps);
        opacityStep = step;
    };
    for (const Drawn& marker : drawn) {
        setOpacity(marker.step);
        painter.fillRect(square(marker.at), marker.isNew ? newColour : heardColour);
    }
    for (const Drawn& marker : drawn)
        if (!marker.label.isNull()) {
            setOpacity(marker.step);
            painter.drawImage(marker.label.topLeft(), label(marker.spot->call, marker.isNew, painter));
        }
    painter.restore();
}

const QImage& SpotLayer::label(const QString& call, bool isNew, const QPainter& onto) const
{
    // Drawn at the surface's device pixel ratio, so that calls are as sharp as the screen.
    const qreal ratio = onto.device()->devicePixelRatioF();
    if (ratio != labelRatio_) {
        for (auto& labels : labels_)
            labels.clear();
        labelRatio_ = ratio;
    }
    QHash<QString, QImage>& labels = labels_[isNew ? 1 : 0];
    auto found = labels.find(call);
    if (found != labels.end())
        return *found;
    const QFont& font = onto.font();
    // Cut to the ink of the call: capitals and digits leave much of the font's line empty, room
    // that neighbouring calls can use. One pixel more on each side for the halo.
    const QFontMetrics metrics(font);
    const QRect ink = metrics.tightBoundingRect(call);
    // Rounded up, so that the label's logical size never falls short of its ink.
    QImage image(int(std::ceil((ink.width() + 2) * ratio)), int(std::ceil((ink.height() + 2) * ratio)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    // A dark halo all round keeps the call readable on light land, sea, day and night alike.
    const QPoint at(1 - ink.left(), 1 - ink.top());
    painter.setPen(Qt::black);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx != 0 || dy != 0)
                painter.drawText(at + QPoint(dx, dy), call);
    painter.setPen(isNew ? newColour : heardColour);
    painter.drawText(at, call);
    painter.end();
    return *labels.insert(call, image);
}
