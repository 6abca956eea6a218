#include "beam/TForm10.h"

#include "app/Basis.h"
#include "app/ImageWidget.h"
#include "app/SettingsFile.h"
#include "app/TFormA.h"

TForm10* Form10 = nullptr;
int circleSpacingKm = 5000;

namespace {
const QString beam = QStringLiteral("Beam");
}

TForm10::TForm10()
{
    Form10 = this;
    setWindowFlags(Qt::FramelessWindowHint);
    BeamKarte = new ImageWidget(this);
    BeamKarte->setObjectName(QStringLiteral("BeamKarte"));
    FormCreate();
}

void TForm10::FormCreate()
{
    BeamKarte->resize(IniFile->readInteger(beam, QStringLiteral("Breit"), 500),
                      IniFile->readInteger(beam, QStringLiteral("Hoch"), 500));
    zoomMargin = IniFile->readInteger(beam, QStringLiteral("Zoom"), 0);
    locatorPosX = IniFile->readInteger(beam, QStringLiteral("LocatorPos_X"), 5);
    locatorPosY = IniFile->readInteger(beam, QStringLiteral("LocatorPos_Y"), 350);
    crosshairPosX = IniFile->readInteger(beam, QStringLiteral("FadenkreuzanzeigePos_X"), 5);
    crosshairPosY = IniFile->readInteger(beam, QStringLiteral("FadenkreuzanzeigePos_Y"), 350);
    circleSpacingKm = IniFile->readInteger(QStringLiteral("Parameter"), QStringLiteral("Kreise"), 5000);
    const bool mercatorShown = IniFile->readBool(QStringLiteral("Main"), QStringLiteral("Mercatorkarte"), true);
    BeamKarte->setParent(FormA->clientArea());
    BeamKarte->move(0, 0);
    BeamKarte->setVisible(!mercatorShown);
}

void TForm10::FormDestroy()
{
    IniFile->writeInteger(beam, QStringLiteral("Hoch"), BeamKarte->height());
    IniFile->writeInteger(beam, QStringLiteral("Breit"), BeamKarte->width());
    IniFile->writeInteger(beam, QStringLiteral("Zoom"), zoomMargin);
    IniFile->writeInteger(QStringLiteral("Parameter"), QStringLiteral("Kreise"), circleSpacingKm);
    IniFile->writeInteger(beam, QStringLiteral("LocatorPos_X"), locatorPosX);
    IniFile->writeInteger(beam, QStringLiteral("LocatorPos_Y"), locatorPosY);
    IniFile->writeInteger(beam, QStringLiteral("FadenkreuzanzeigePos_X"), crosshairPosX);
    IniFile->writeInteger(beam, QStringLiteral("FadenkreuzanzeigePos_Y"), crosshairPosY);
    beamBitmap = QImage();
}

void TForm10::RedrawBeamMap()
{
    BeamKarte->update();
}

void TForm10::Beamkarte1Click()
{
}

void TForm10::ZoomPlusClick()
{
}

void TForm10::ZoomMinusClick()
{
}
