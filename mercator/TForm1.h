#pragma once

#include "geo/MapView.h"

#include <QImage>
#include <QWidget>

#include <vector>

class ImageWidget;

// The Mercator map window. The form itself is never shown; its image Karte lives in the main
// window's client area.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    TForm1();

    void FormCreate();
    void FormDestroy();

    bool hasMapBitmap() const { return !mapBitmap.isNull(); }
    int zoomDepth() const { return int(zoomStack.size()); }
    void RedrawMap();
    void Zoom1Click();

    ImageWidget* Karte = nullptr;
    int LocatorPos_X = 5, LocatorPos_Y = 350;                    // screen pixels
    int FadenkreuzAnzeigePos_X = 5, FadenkreuzAnzeigePos_Y = 350;  // screen pixels
    QImage mapBitmap;
    std::vector<MapView> zoomStack;
};

extern TForm1* Form1;
// Pen width of the city and island markers on both maps, pixels.
extern int cityMarkerSize;
// Degrees added to the rotor azimuth before the antenna line is drawn.
extern double azimuthDisplayOffset;
