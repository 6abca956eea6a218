// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/MapLayer.h"
#include "settings/ParameterSettings.h"
#include "spots/SpotFilter.h"

#include <QHash>
#include <QImage>
#include <QString>

#include <functional>

class SpotService;

// The stations heard on the air drawn over a map: a small square at each place with the call
// beside it, fading as the spot ages, in a colour of its own for an entity the own log lacks.
// Only the spots the map's filter passes are drawn and answer clicks. Calls never overlap, never
// cover a marker and are never cut by the picture's edge: each goes to a free side of its marker
// (LabelPlacer), the entities the log lacks first, then the freshest; a call with no free side is
// left out, its marker stays. Written once for both maps; the projection says where each place lies.
class SpotLayer : public MapLayer {
public:
    static constexpr int markerSize = 5;  // pixels

    // picked: what a click on a marker hands on, the square the station gave or else its call.
    // filter: asked at every redraw; without one every band is drawn and the last 15 minutes, as a
    // map shows them by default.
    explicit SpotLayer(const SpotService& spots, std::function<void(const QString& partner)> picked = {},
                       std::function<SpotFilter()> filter = {});

    Stage stage() const override { return Stage::marks; }
    void draw(QPainter& painter, const MapProjection& projection) const override;
    bool takeClick(QPoint pixel, const MapProjection& projection) const override;

private:
    // The call written once in its colour, then copied at every redraw: a map full of spots is
    // redrawn at every change, and laying out text costs several times a copy.
    const QImage& label(const QString& call, bool isNew, const QPainter& onto) const;
    SpotFilter filter() const
    {
        return filter_ ? filter_() : SpotFilter(QString(), ParameterSettings::defaultMapAgeMinutes);
    }

    const SpotService& spots_;
    std::function<void(const QString&)> picked_;
    std::function<SpotFilter()> filter_;
    mutable QHash<QString, QImage> labels_[2];  // by call: [0] heard before, [1] new
    mutable qreal labelRatio_ = 1;              // the device pixel ratio the labels were drawn at
};
