#include "mercator/TForm1.h"

#include "app/Basis.h"
#include "app/ImageWidget.h"
#include "app/SettingsFile.h"
#include "app/TFormA.h"
#include "entry/Positions.h"
#include "geo/CoordinateText.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

TForm1* Form1 = nullptr;
int cityMarkerSize = 3;
double azimuthDisplayOffset = 0;

namespace {
const QString mercator = QStringLiteral("Mercator");
}

TForm1::TForm1()
{
    Form1 = this;
    setWindowFlags(Qt::FramelessWindowHint);
    Karte = new ImageWidget(this);
    Karte->setObjectName(QStringLiteral("Karte"));
    FormCreate();
}

void TForm1::FormCreate()
{
    target = {};
    drawState.mercatorLineDrawn = false;

    // One surface as large as the screen, so the image can grow without a new surface.
    const QSize screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size() : QSize(1920, 1080);
    QImage surface(screen, QImage::Format_RGB32);
    surface.fill(Qt::white);
    Karte->setCanvas(surface);
    Karte->resize(IniFile->readInteger(mercator, QStringLiteral("Breit"), 600),
                  IniFile->readInteger(mercator, QStringLiteral("Hoch"), 300));

    ownPosition.longitude = parseDecimal(IniFile->readString(QStringLiteral("Locator"), QStringLiteral("U_Länge"), QStringLiteral("0")));
    ownPosition.latitude = parseDecimal(IniFile->readString(QStringLiteral("Locator"), QStringLiteral("U_Breite"), QStringLiteral("0")));

    currentMapName = IniFile->readString(mercator, QStringLiteral("aktuelle Karte"), QStringLiteral("Welt"));
    LocatorPos_X = IniFile->readInteger(mercator, QStringLiteral("LocatorPos_X"), 5);
    LocatorPos_Y = IniFile->readInteger(mercator, QStringLiteral("LocatorPos_Y"), 350);
    FadenkreuzAnzeigePos_X = IniFile->readInteger(mercator, QStringLiteral("FadenkreuzAnzeigePos_X"), 5);
    FadenkreuzAnzeigePos_Y = IniFile->readInteger(mercator, QStringLiteral("FadenkreuzAnzeigePos_Y"), 350);
    cityMarkerSize = IniFile->readInteger(QStringLiteral("Parameter"), QStringLiteral("Anzeige Staedte/Inseln Durchmesser"), cityMarkerSize);
    const bool mercatorShown = IniFile->readBool(QStringLiteral("Main"), QStringLiteral("Mercatorkarte"), true);

    Karte->setParent(FormA->clientArea());
    Karte->move(0, 0);
    Karte->setVisible(mercatorShown);
    resize(FormA->clientWidth(), FormA->clientHeight());
    move(0, 0);
    if (FormA->isStayOnTop())
        FormA->StayOnTop1->setChecked(true);
}

void TForm1::FormDestroy()
{
    IniFile->writeInteger(mercator, QStringLiteral("Hoch"), Karte->height());
    IniFile->writeInteger(mercator, QStringLiteral("Breit"), Karte->width());
    IniFile->writeString(mercator, QStringLiteral("aktuelle Karte"), currentMapName);
    IniFile->writeInteger(mercator, QStringLiteral("LocatorPos_X"), LocatorPos_X);
    IniFile->writeInteger(mercator, QStringLiteral("LocatorPos_Y"), LocatorPos_Y);
    IniFile->writeInteger(mercator, QStringLiteral("FadenkreuzAnzeigePos_X"), FadenkreuzAnzeigePos_X);
    IniFile->writeInteger(mercator, QStringLiteral("FadenkreuzAnzeigePos_Y"), FadenkreuzAnzeigePos_Y);
}

void TForm1::RedrawMap()
{
    if (!hasMapBitmap() || zoomStack.empty())
        return;
    QPainter painter(&Karte->canvas());
    painter.drawImage(QRect(0, 0, Karte->width(), Karte->height()), mapBitmap);
    Karte->update();
}

void TForm1::Zoom1Click()
{
    if (zoomStack.size() > 1)
        zoomStack.pop_back();
    RedrawMap();
}
