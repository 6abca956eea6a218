#include "app/Basis.h"

#include "app/SettingsFile.h"
#include "platform/NamedMutex.h"

QString programFolder;
SettingsFile* IniFile = nullptr;
QString currentMapName;
TargetInfo target;
DrawState drawState;
std::unique_ptr<CountryRaster> countryRaster = std::make_unique<CountryRaster>();
QStringList countryList;
std::vector<CityRecord> cityTable;
CallsignTable callsignTable;
NamedMutex* instanceMutex = nullptr;

void finalizeBasis()
{
    delete instanceMutex;
    instanceMutex = nullptr;
    countryRaster->clear();
    countryList.clear();
    cityTable.clear();
    callsignTable = CallsignTable();
    programFolder.clear();
    currentMapName.clear();
    target = {};
    drawState = {};
}
