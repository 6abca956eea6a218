// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/GeoPosition.h"

#include <QWidget>

#include <functional>

class ParameterSettings;
class QComboBox;
class QTableWidget;
class SpotService;

// "DX-Spots": the last 200 spots of the DX cluster, newest first: UTC, frequency, call, country,
// bearing and distance from the own station, an entity the own log lacks marked "neu"; a band
// filter for the list. Beside it the filter of the maps' spots, kept in the parameters: one band
// or all, and an age limit. A double click, or Enter on the chosen row, makes the spotted station
// the partner.
class DxSpotsWindow : public QWidget {
    Q_OBJECT
public:
    DxSpotsWindow(const SpotService& spots, ParameterSettings& parameters, std::function<GeoPosition()> ownPosition,
                  QWidget* parent = nullptr);

    // Fills the list anew from the spots; called on every change while the window is shown.
    void refresh();

signals:
    // The grid square the spot gave, or else the call: as typed into the rotor panel.
    void partnerChosen(const QString& partner);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void choose(int row);
    // The maps' filter as the parameters hold it.
    void showMapFilter();

    const SpotService& spots_;
    ParameterSettings& parameters_;
    std::function<GeoPosition()> ownPosition_;
    QComboBox* band_;
    QComboBox* mapBand_;
    QComboBox* mapAge_;
    QTableWidget* table_;
};
