// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "readout/ShownMap.h"

#include <QDateTime>
#include <QWidget>

#include <functional>

class MainWindowSettings;
class Session;

class QGroupBox;
class QLabel;
class QPushButton;
class WindowTimer;

// The crosshair data window: coordinates, locator, distance and bearing of the current target,
// its country and prefix and the nearest city; it comes up whenever a target is set. Chooses the
// crosshair colour both maps draw with; closing it clears the target.
class TForm2 : public QWidget {
    Q_OBJECT
    // What this window works with, handed in by the program.
    Session& session_;
    const ShownMap shownMap_;
    MapPlaces& places_;
    MainWindowSettings& mainSettings_;  // the crosshair colour is kept with the main window

public:
    TForm2(Session& session, ShownMap shownMap, MapPlaces& places, MainWindowSettings& mainSettings);

    void FormCreate();

    // Fills every label from the session's target and brings the window to the front. A partner
    // known by its callsign brings its entity's name and prefix, shown instead of the country
    // raster's.
    void ShowTargetData(const QString& country = QString(), const QString& prefix = QString());
    void Label_Stadt_zeigen_Click();
    void Button1Click();
    void PositionstimerTimer();
    // Sunrise, sunset and the greyline for the clock's moment; the program calls it every minute.
    void showSun();
    // UTC now; tests give a fixed moment.
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

    // Into the city table, found by the last fill.
    int nearestCityIndex() const { return nearestCityIndex_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormClose();
    // A target set anew is shown, with the name its callsign brought.
    void showNewTarget();

    int nearestCityIndex_ = 0;
    QGroupBox* GroupBox1 = nullptr;  // "Basisdaten"
    QGroupBox* GroupBox2 = nullptr;  // "Cursorposition"
    QLabel* Label1 = nullptr;        // longitude, degrees east
    QLabel* Label2 = nullptr;        // latitude, degrees north
    QLabel* Label3 = nullptr;        // locator
    QLabel* Label4 = nullptr;        // distance, km
    QLabel* Label5 = nullptr;        // bearing, degrees
    QLabel* longDistance = nullptr;  // the long path's distance, km
    QLabel* longBearing = nullptr;   // the long path's bearing, degrees
    QGroupBox* sunGroup = nullptr;   // "Sonne (UTC)"
    QLabel* ownSun = nullptr;        // sunrise / sunset at the own station today, UTC
    QLabel* targetSun = nullptr;     // the same at the target
    QLabel* greyline = nullptr;      // the bearings along the greyline while the own station is in twilight
    QLabel* Label11 = nullptr;       // country
    QLabel* Label14 = nullptr;       // prefix
    QLabel* Label32 = nullptr;       // caption "Stadt:"
    QLabel* Label12 = nullptr;       // nearest city
    QLabel* Label13 = nullptr;       // distance to the nearest city, km
    QPushButton* Button1 = nullptr;
    WindowTimer* Positionstimer = nullptr;  // remembers the window position while shown, 100 ms
    std::function<QDateTime()> clock_ = [] { return QDateTime::currentDateTimeUtc(); };
};
