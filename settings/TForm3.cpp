#include "settings/TForm3.h"

#include "app/Basis.h"
#include "app/SettingsFile.h"
#include "mercator/TForm1.h"

TForm3* Form3 = nullptr;
double overlapAngle = 0;
double elevationDefault = 3;

namespace {
const QString parameter = QStringLiteral("Parameter");
}

TForm3::TForm3()
{
    Form3 = this;
    setWindowTitle(QStringLiteral("Parameter"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    FormCreate();
}

void TForm3::FormCreate()
{
    move(IniFile->readInteger(parameter, QStringLiteral("Links"), 100), IniFile->readInteger(parameter, QStringLiteral("Oben"), 150));
    mouseDisplayIndex = IniFile->readInteger(parameter, QStringLiteral("MausAnzeige_EIN_AUS"), 1);
    cityMarkersIndex = IniFile->readInteger(parameter, QStringLiteral("Staedte/Inseln_EIN_AUS"), 1);
    elevationAtStart = IniFile->readBool(parameter, QStringLiteral("Elev_Grundst"), false);
    elevationText = IniFile->readString(parameter, QStringLiteral("Elevation"), elevationText);
    overlapText = IniFile->readString(parameter, QStringLiteral("Ueberlappung"), QStringLiteral("10"));
    displayOffsetText = IniFile->readString(parameter, QStringLiteral("Anzeigefehler"), QString());
    locatorGridIndex = IniFile->readInteger(parameter, QStringLiteral("LocatorRaster"), 1);
    rotorStartAtOnce = IniFile->readBool(parameter, QStringLiteral("RotorSofortstart"), true);
    optimisedPath = IniFile->readBool(parameter, QStringLiteral("Fahrwegoptimierung"), true);
}

void TForm3::FormDestroy()
{
    IniFile->writeInteger(parameter, QStringLiteral("Links"), x());
    IniFile->writeInteger(parameter, QStringLiteral("Oben"), y());
    IniFile->writeInteger(parameter, QStringLiteral("MausAnzeige_EIN_AUS"), mouseDisplayIndex);
    IniFile->writeInteger(parameter, QStringLiteral("Staedte/Inseln_EIN_AUS"), cityMarkersIndex);
    IniFile->writeInteger(parameter, QStringLiteral("Anzeige Staedte/Inseln Durchmesser"), cityMarkerSize);
    IniFile->writeBool(parameter, QStringLiteral("Elev_Grundst"), elevationAtStart);
    IniFile->writeString(parameter, QStringLiteral("Elevation"), elevationText);
    IniFile->writeString(parameter, QStringLiteral("Ueberlappung"), overlapText);
    IniFile->writeString(parameter, QStringLiteral("Anzeigefehler"), displayOffsetText);
    IniFile->writeInteger(parameter, QStringLiteral("LocatorRaster"), locatorGridIndex);
    IniFile->writeBool(parameter, QStringLiteral("RotorSofortstart"), rotorStartAtOnce);
    IniFile->writeBool(parameter, QStringLiteral("Fahrwegoptimierung"), optimisedPath);
}
