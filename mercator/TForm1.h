// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/GeoPosition.h"
#include "geo/MapView.h"
#include "mercator/SampleGreatCircle.h"
#include "readout/MapWindow.h"

#include <QImage>
#include <QRect>

#include <memory>
#include <vector>

class DecodedBitmaps;
class Bmp24File;
class MercatorPicture;
class ParameterSettings;
class MainWindowSettings;
class MercatorSettings;
class QAction;
class QMouseEvent;

// The Mercator map window. The form itself is never shown; its image Karte lives in the host's
// (the main window's) client area. It loads the maps of the folder Karten, draws the current view
// with cities, locator grid, target line and antenna direction, and answers the mouse on the
// image. It redraws itself on the session's news while its image is shown.
class TForm1 : public MapWindow {
    Q_OBJECT
    // The crosshair data window, made after this window: the target is drawn while it is open.
    const QWidget* crosshairWindow_ = nullptr;

public:
    TForm1(Session& session, MapHost& host, MercatorSettings& settings, MainWindowSettings& mainSettings,
           const ParameterSettings& parameters, DecodedBitmaps& bitmaps);
    ~TForm1() override;
    // The crosshair data window, made after the map, once it exists.
    void setCrosshairWindow(const QWidget* crosshairWindow);

    void FormDestroy();

    // Loads the map pair Karten/name.bmp and name.inf; nothing for the map already loaded or a
    // missing file. A malformed pair throws and leaves the map loaded before in place.
    void LoadMap(const QString& name);

    // The main window's menu chose this map: it is shown at its own size.
    void showInMainWindow();
    // Only shows or hides the image; the beam map does so when it takes over or gives way.
    void setMapShown(bool shown);
    void RedrawMap();
    void DrawDirectionLine();
    void EraseDirectionLine();
    // Back to the view before the last zoom.
    void Zoom1Click();

    // A map is loaded: its bitmap decoded, or its file read where needed until then.
    bool hasMap() const { return !mapBitmap_.isNull() || pendingFile_; }
    // Null while the bitmap's decoding is put off.
    const QImage& mapBitmap() const { return mapBitmap_; }
    // Pixels of the loaded map, decoded or not.
    QSize bitmapSize() const;
    int zoomDepth() const { return int(zoomStack_.size()); }
    // The view shown; only while a map is loaded.
    const MapView& shownView() const { return zoomStack_.back(); }
    // The maps of the folder Karten as the menu lists them.
    const std::vector<QAction*>& mapItems() const { return mapItems_; }

signals:
    // A click on the map made its point the target.
    void targetClicked();

private:
    MercatorSettings& settings_;
    MainWindowSettings& mainSettings_;  // which map the main window shows
    void FormCreate();
    // Decodes the bitmap whose decoding was put off; throws AppError when it cannot be read.
    void loadPutOff() override;
    void buildMapMenu(const QString& wantedName);
    void KartenwahlClick(QAction* sender);
    std::unique_ptr<MapProjection> projection() override;
    void redraw() override { RedrawMap(); }
    void drawAntennaLine() override { DrawDirectionLine(); }
    void eraseAntennaLine() override;
    std::optional<QSize> filledSize(QSize clientArea) const override;
    MercatorPicture picture();

    void KarteMouseMove(QMouseEvent* event);
    void KarteMouseDown(QMouseEvent* event);
    void KarteMouseUp(QMouseEvent* event);
    // Removes the zoom rectangle shown, by inverting it once more.
    void removeDragRect();

    DecodedBitmaps& bitmaps_;  // shared with the beam map's generator
    ImageWidget* Karte = nullptr;
    QImage mapBitmap_;                     // RGB32
    std::vector<MapView> zoomStack_;       // entry 0 the whole map, the last the current view
    bool mapStartup_ = true;               // a load during creation does not redraw
    int dragStartX_ = 0, dragStartY_ = 0;  // image pixels where the left button went down
    QRect dragRect_;                       // zoom rectangle now shown; empty when none
    // The file of a map loaded without its bitmap yet: at start until the map's first paint,
    // its pixels are taken straight from the file.
    std::unique_ptr<Bmp24File> pendingFile_;

    GeoPosition drawnLineStart_;      // own station the drawn direction line starts from
    std::vector<QAction*> mapItems_;  // the maps in the main window's menu
    QString wantedMapName_;           // the map chosen in the settings at start
    bool showingFallback_ = false;    // the world map shown because the chosen one could not be loaded
};
