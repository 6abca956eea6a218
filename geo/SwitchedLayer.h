// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/MapLayer.h"

#include <functional>
#include <utility>

// A layer drawn only while a setting says so: off, the map keeps every pixel it had without it.
class SwitchedLayer : public MapLayer {
public:
    SwitchedLayer(const MapLayer& layer, std::function<bool()> on) : layer_(layer), on_(std::move(on)) { }

    Stage stage() const override { return layer_.stage(); }

    void draw(QPainter& painter, const MapProjection& projection) const override
    {
        if (on_())
            layer_.draw(painter, projection);
    }

    bool takeClick(QPoint pixel, const MapProjection& projection) const override
    {
        return on_() && layer_.takeClick(pixel, projection);
    }

private:
    const MapLayer& layer_;
    std::function<bool()> on_;
};
