#pragma once

#include "beam/AzimuthalProjection.h"
#include "geo/GeoPosition.h"
#include "readout/CursorReadout.h"
#include "session/DrawState.h"

#include <QImage>
#include <QWidget>

#include <optional>

class Session;
class MapPlaces;
class TFormA;
class TForm3;

class BeamPicture;
class ImageWidget;
class QMouseEvent;
class QTimer;

// The beam map window: an azimuthal-equidistant map centred on the own station, built from the
// world map and cached as Karten/BeamKarte.bmp, and built again when the own station moves. The
// form is never shown; its image BeamKarte lives in the main window's client area, in turn with
// the Mercator map's image. It redraws itself on the session's news while its image is shown.
class TForm10 : public QWidget {
    Q_OBJECT
    // What this window works with, handed in by the program.
    Session& session_;
    TFormA* mainWindow_;
    MapPlaces& places_;  // read and written with the map's section
    TForm3* parameterWindow_ = nullptr;  // made after this window; handed in by the program

public:
    TForm10(Session& session, TFormA* mainWindow, MapPlaces& places);
    // The parameter window, made after the map.
    void setParameterWindow(TForm3* parameterWindow);

    void FormCreate();
    void FormDestroy();

    // Shows the beam map, built first when the cache file is missing or made for another position.
    void Beamkarte1Click();
    // Builds the beam bitmap for the own station from the world map, saves it and records the
    // position beside it; throws AppError, keeping the file, when the world map cannot be read.
    void GenerateBeamMap();

    // The beam image is the one shown in the main window.
    bool mapShown() const;
    void redrawIfShown();
    // Full redraw; while the beam map is shown, a bitmap made for another position is built anew
    // first.
    void RedrawBeamMap();
    void DrawTargetPath();
    void DrawBeamLine();
    void EraseBeamLine();
    void ZoomPlusClick();
    void ZoomMinusClick();

    void BeamKarteMouseMove(QMouseEvent* event);
    void BeamKarteMouseDown(QMouseEvent* event);
    void MouseMoveTimerTimer();

    // Program folder path of the cache file.
    QString beamMapPath() const;
    const DrawState& drawState() const { return drawState_; }

    ImageWidget* BeamKarte = nullptr;
    QTimer* MouseMoveTimer = nullptr;  // hides the cursor panel 400 ms after the last update
    QImage beamBitmap;                 // RGB32; empty until loaded or generated
    bool beamMapLoaded = false;        // the drawing operations do nothing while false
    int beamBitmapSize = 2500;         // side of a generated beam bitmap, pixels; tests use less
    int zoomMargin = 0;                // bitmap pixels cut from each side of beamBitmap when shown

signals:
    // The main window switched to this map: the tool windows take their places for it.
    void mapChosen();

private:
    BeamPicture picture();
    // The main window's client area has a new size; the image takes its height as a square while
    // the map is shown.
    void fillClientArea();
    // Draws the antenna line of a rotor status, or drops it when the status has no reading.
    void followRotor();
    // Erases the antenna line and forgets it.
    void dropBeamLine();
    // The margin actually cut: a hand-edited setting outside 0 .. 4/10 of the bitmap is kept within.
    int shownMargin() const;
    // Makes beamBitmap the picture for the own station, building it when it is missing or made for
    // another position; a failure is shown. False when there is no picture to show.
    bool currentBitmap();

    bool generating_ = false;
    std::optional<GeoPosition> failedFor_;  // the position whose picture could not be built
    // The projection around the own station of the last mouse read-out, kept while the station stays.
    std::optional<AzimuthalProjection> readoutProjection_;
    CursorReadout cursorReadout_;
    DrawState drawState_;
};
