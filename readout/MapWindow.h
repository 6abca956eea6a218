// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/MapLayer.h"
#include "readout/CursorReadout.h"
#include "session/DrawState.h"

#include <QColor>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class ImageWidget;
class MapProjection;
class ParameterSettings;
class QImage;
class Session;
class MapHost;

// What both map windows do, the Mercator map and the beam map: an image in the host's (the main
// window's) client area that fills it, the cursor panel over it, a click that makes
// a place the target, the antenna line that follows the rotor, the places the tool windows
// take while the map is shown, and the layers drawn over the map. Each map says how its pixels
// map to positions (projection) and how it draws.
class MapWindow : public QWidget {
    Q_OBJECT
public:
    // The image the map is drawn in; lives in the main window's client area.
    ImageWidget* image() const { return image_; }
    // The map image is the one shown in the main window.
    bool mapShown() const;
    void redrawIfShown();
    // A layer drawn over the map at every redraw, in the order added; the window does not own it.
    void addLayer(const MapLayer& layer);

    const DrawState& drawState() const { return drawState_; }
    // The host's client area has a new size; the image takes it while the map is shown.
    void fillClientArea();


signals:
    // The main window switched to this map: the tool windows take their places for it.
    void mapChosen();

protected:
    // The places are shared with the tool windows, which move to them while this map is shown.
    MapWindow(Session& session, MapHost& host, const ParameterSettings& parameters,
              const QString& imageName);

    // The pixels of the map now shown; null while there is no picture.
    virtual std::unique_ptr<MapProjection> projection() = 0;
    virtual void redraw() = 0;
    virtual void drawAntennaLine() = 0;
    // Takes the antenna line off the picture and forgets it.
    virtual void eraseAntennaLine() = 0;
    // The image size that fills a client area of this size, pixels; none while there is no map.
    virtual std::optional<QSize> filledSize(QSize clientArea) const = 0;

    // What the read-out does with the cursor panel besides filling its lines: show it for a while,
    // leave it as it is, or leave panel and lines alone.
    enum class PanelUse { show, follow, none };
    // The read-out of the mouse at an image pixel. A pixel that shows no place hides the panel.
    void readOut(QPoint mouse, const MapProjection& projection, PanelUse use);
    void placeCursorPanel(QPoint mouse);
    // Makes the place at an image pixel the target; false where the picture shows none.
    bool makeTarget(QPoint pixel, const MapProjection& projection);
    // Draws the layers of a stage onto the picture, in the order they were added.
    void drawLayers(QImage& canvas, const MapProjection& projection, MapLayer::Stage stage) const;

    // For a map hidden at start: its drawing surface and what loadPutOff() loads are made once the
    // main window has been painted, so that a picture nobody sees yet does not hold up the first.
    void putOffUntilFirstPaint();
    // For the map shown at start, whose first pictures come straight from its file: loadPutOff()
    // runs once its image has been painted. A failure is shown.
    void loadAfterFirstPaint();
    // Makes what was put off, once; the map calls it itself when it is needed before. A failure
    // is shown.
    void prepare();
    bool preparationDue() const { return preparationDue_; }

    // Draws the antenna's beam as it is now with fill(direction in degrees, colour): translucent
    // around the antenna's direction, and fainter at the opposite bearing, where the beam goes on
    // past the antipode, while the antenna points nearer the target's long path than its short one.
    // Nothing while no opening angle is set or the rotor gives no reading.
    void drawSector(const std::function<void(double, const QColor&)>& fill);
    // The beam in the picture no longer matches the antenna (it moved a degree or more, took or
    // left the long path, or is to go): a full redraw is due.
    bool sectorBehind() const;
    // Loads what the map put off (its picture's pixels); throws AppError when they cannot be read.
    virtual void loadPutOff() { }

    // What the map works with, handed in by the program.
    Session& session_;
    MapHost& host_;
    const ParameterSettings& parameters_;
    DrawState drawState_;  // the antenna line on this map's picture

private:
    // The antenna's beam as drawn: its direction and whether its long path is drawn too.
    struct Sector {
        double direction = 0;   // degrees clockwise from north
        bool longPath = false;  // the antenna serves the target's long path
        bool operator==(const Sector& other) const;
    };
    std::optional<Sector> wantedSector() const;
    std::optional<Sector> drawnSector_;  // the beam in the picture

    // Runs step on this map after the first paint of painted, unless the map is gone by then.
    void afterFirstPaint(QWidget* painted, void (*step)(MapWindow&));
    // Draws the antenna line of a rotor status, or erases it when the status has no reading.
    void followRotor();

    ImageWidget* image_ = nullptr;
    bool preparationDue_ = false;  // hidden at start: surface and picture not made yet
    std::vector<const MapLayer*> layers_;
    CursorReadout cursorReadout_;
};
