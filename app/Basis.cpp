#include "app/Basis.h"

#include "app/SettingsFile.h"
#include "platform/NamedMutex.h"

QString programFolder;
QString dataFolder;
QString writableFolder;
SettingsFile* IniFile = nullptr;
QString currentMapName;
TargetInfo target;
DrawState drawState;
std::unique_ptr<CountryRaster> countryRaster = std::make_unique<CountryRaster>();
QStringList countryList;
std::vector<CityRecord> cityTable;
CallsignTable callsignTable;
NamedMutex* instanceMutex = nullptr;
int cityMarkerSize = 3;
double azimuthDisplayOffset = 0;
int circleSpacingKm = 5000;
double overlapAngle = 0;
double elevationDefault = 3;

void finalizeBasis()
{
    delete instanceMutex;
    instanceMutex = nullptr;
    countryRaster->clear();
    countryList.clear();
    cityTable.clear();
    callsignTable = CallsignTable();
    programFolder.clear();
    dataFolder.clear();
    writableFolder.clear();
    currentMapName.clear();
    target = {};
    drawState = {};
}
