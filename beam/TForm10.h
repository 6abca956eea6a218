#pragma once

#include <QImage>
#include <QWidget>

class ImageWidget;

// The beam map window: an azimuthal-equidistant map centred on the own station. The form is
// never shown; its image BeamKarte lives in the main window's client area.
class TForm10 : public QWidget {
    Q_OBJECT
public:
    TForm10();

    void FormCreate();
    void FormDestroy();

    void RedrawBeamMap();
    void Beamkarte1Click();
    void ZoomPlusClick();
    void ZoomMinusClick();

    ImageWidget* BeamKarte = nullptr;
    QImage beamBitmap;
    int zoomMargin = 0;                        // pixels cut from each side of beamBitmap
    int locatorPosX = 5, locatorPosY = 350;    // screen pixels
    int crosshairPosX = 5, crosshairPosY = 350;  // screen pixels
};

extern TForm10* Form10;
// Spacing of the distance circles on the beam map, km.
extern int circleSpacingKm;
