#pragma once

#include <QImage>
#include <QWidget>

class BeamPicture;
class ImageWidget;
class QMouseEvent;
class QTimer;

// The beam map window: an azimuthal-equidistant map centred on the own station, built once from
// the world map and cached as Karten/BeamKarte.bmp. The form is never shown; its image BeamKarte
// lives in the main window's client area, in turn with the Mercator map's image.
class TForm10 : public QWidget {
    Q_OBJECT
public:
    TForm10();

    void FormCreate();
    void FormDestroy();

    // Shows the beam map, or offers to build it when the cache file is missing.
    void Beamkarte1Click();
    // Builds the beam bitmap for the own station, saves it and ends the program.
    void GenerateBeamMap();

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
    static QString beamMapPath();

    ImageWidget* BeamKarte = nullptr;
    QTimer* MouseMoveTimer = nullptr;  // hides the cursor panel 400 ms after the last update
    QImage beamBitmap;                 // RGB32; empty until loaded or generated
    bool beamMapLoaded = false;        // the drawing operations do nothing while false
    int beamBitmapSize = 2500;         // side of a generated beam bitmap, pixels; tests use less
    int zoomMargin = 0;                // bitmap pixels cut from each side of beamBitmap when shown
    int locatorPosX = 5, locatorPosY = 350;      // screen pixels
    int crosshairPosX = 5, crosshairPosY = 350;  // screen pixels

private:
    BeamPicture picture();
    // The margin actually cut: a hand-edited setting outside 0 .. 4/10 of the bitmap is kept within.
    int shownMargin() const;
    void generate();

    bool generating_ = false;
};

extern TForm10* Form10;
// Spacing of the distance circles on the beam map, km.
extern int circleSpacingKm;
