// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "beam/AzimuthalProjection.h"
#include "geo/GeoPosition.h"
#include "readout/MapWindow.h"

#include <QImage>

#include <memory>
#include <optional>

class BeamMapWriter;
class BeamSettings;
class DecodedBitmaps;
class MainWindowSettings;
class Bmp24File;
class BeamPicture;
class BeamView;
class QMouseEvent;

// The beam map window: an azimuthal-equidistant map centred on the own station, built from the
// world map and cached as Karten/BeamKarte.bmp, and built again when the own station moves. The
// form is never shown; its image BeamKarte lives in the host's (the main window's) client area,
// in turn with the Mercator map's image. It redraws itself on the session's news while its image
// is shown.
class TForm10 : public MapWindow {
    Q_OBJECT

public:
    static constexpr int defaultBitmapSide = 2500;  // pixels

    // bitmapSide: the side of a built beam bitmap, pixels; tests build smaller ones.
    TForm10(Session& session, MapHost& host, BeamSettings& settings, MainWindowSettings& mainSettings,
            const ParameterSettings& parameters, DecodedBitmaps& bitmaps, int bitmapSide = defaultBitmapSide);
    ~TForm10() override;

    void FormDestroy();

    // Shows the beam map, built first when the cache file is missing or made for another position.
    void Beamkarte1Click();
    // The main window shows the Mercator map instead.
    void hideMap();
    // Builds the beam bitmap for the own station from the world map and starts saving it; the
    // position is recorded beside the file once it is written. Throws AppError, keeping the
    // picture and the file, when the world map cannot be read.
    void GenerateBeamMap();

    // Full redraw; while the beam map is shown, a bitmap made for another position is built anew
    // first.
    void RedrawBeamMap();
    void DrawBeamLine();
    void EraseBeamLine();
    void ZoomPlusClick();
    void ZoomMinusClick();

    // Program folder path of the cache file.
    QString beamMapPath() const;
    // RGB32; empty until loaded or generated, and while the decoding of the file shown at start is
    // put off.
    const QImage& beamBitmap() const { return beamBitmap_; }
    bool beamMapLoaded() const { return beamMapLoaded_; }
    // Bitmap pixels cut from each side of the beam bitmap when shown.
    int zoomMargin() const { return zoomMargin_; }

private:
    BeamSettings& settings_;
    MainWindowSettings& mainSettings_;  // which map the main window shows
    void FormCreate();
    // Shows the Mercator map in place of the beam map.
    void hideBeamImage();
    // Loads the cached picture; false when there is none. Throws AppError when it cannot be read.
    // Put off, a file of the common kind is read where shown and its decoding left to loadPutOff().
    bool readCachedMap(bool putOff = false);
    // The cached picture of a beam map hidden at start, or the decoding of the one shown.
    void loadPutOff() override;
    int bitmapWidth() const;  // pixels
    BeamPicture picture();
    BeamView view() const;
    std::unique_ptr<MapProjection> projection() override;
    void redraw() override { RedrawBeamMap(); }
    void drawAntennaLine() override { DrawBeamLine(); }
    void eraseAntennaLine() override;
    // The image takes the client area's height as a square.
    std::optional<QSize> filledSize(QSize clientArea) const override;
    void DrawTargetPath();
    void BeamKarteMouseMove(QMouseEvent* event);
    void BeamKarteMouseDown(QMouseEvent* event);
    // The margin actually cut: a hand-edited setting outside 0 .. 4/10 of the bitmap is kept within.
    int shownMargin() const;
    // Makes beamBitmap the picture for the own station, building it when it is missing or made for
    // another position; a failure is shown. False when there is no picture to show.
    bool currentBitmap();

    // Saves the shown picture when the file does not hold it yet.
    void saveIfBehind();
    void fileWritten(const GeoPosition& own);

    DecodedBitmaps& bitmaps_;  // the world map, shared with the Mercator window
    ImageWidget* BeamKarte = nullptr;
    const int bitmapSide_;        // pixels
    QImage beamBitmap_;           // RGB32; empty until loaded or generated
    bool beamMapLoaded_ = false;  // the drawing operations do nothing while false
    int zoomMargin_ = 0;          // bitmap pixels cut from each side of beamBitmap_ when shown
    // The cached file shown at start, its pixels read from there until the map's first paint.
    std::unique_ptr<Bmp24File> shownFile_;

    bool generating_ = false;
    BeamMapWriter* writer_ = nullptr;
    std::optional<GeoPosition> bitmapFor_;  // the own position beamBitmap was made for
    bool fileBehind_ = false;               // the file does not hold beamBitmap yet
    std::optional<GeoPosition> failedFor_;  // the position whose picture could not be built
    // The projection around the own station of the last mouse read-out, kept while the station stays.
    std::optional<AzimuthalProjection> readoutProjection_;
};
