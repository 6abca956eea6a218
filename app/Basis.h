#pragma once

#include "geo/CityRecord.h"
#include "geo/CountryRaster.h"
#include "geo/TargetInfo.h"
#include "partner/CallsignTable.h"

#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <vector>

class NamedMutex;
class SettingsFile;

// Antenna-line drawing state shared by the two maps. Directions in degrees clockwise from north.
struct DrawState {
    double mercatorLineDirection = 0;  // direction of the inverted line now on the Mercator map
    bool mercatorLineDrawn = false;
    // Points of the Mercator direction line: 180 longitudes, then 180 latitudes, degrees.
    std::array<double, 360> directionLine{};       // the line being drawn
    std::array<double, 360> drawnDirectionLine{};  // the line on the picture now, to erase it
    double antennaDirection = 0;       // rotor azimuth plus display deviation, for the beam map
    double beamLineDirection = 0;      // direction of the inverted line now on the beam map
    bool beamLineDrawn = false;
};

// State owned by the main window's unit for the whole run; every window reads it.
extern QString programFolder;          // folder of the executable, with trailing "/"
extern QString dataFolder;             // Karten/ and Help/ are read here; see ProgramLayout
extern QString writableFolder;         // Corvane.ini and Karten/BeamKarte.bmp are written here
extern SettingsFile* IniFile;          // open from the main window's creation to its destruction
extern QString currentMapName;         // Mercator map now loaded; empty before the first load
extern TargetInfo target;              // current target; all zero means none
extern DrawState drawState;
extern std::unique_ptr<CountryRaster> countryRaster;  // all zero until read
extern QStringList countryList;
extern std::vector<CityRecord> cityTable;
extern CallsignTable callsignTable;  // empty when Karten/Rufzeichen.txt is missing
extern NamedMutex* instanceMutex;

// Display and rotor settings, kept by the parameter window and read by the maps and the rotor.
extern int cityMarkerSize;          // pen width of the city and island markers on both maps, pixels
extern double azimuthDisplayOffset; // degrees added to the rotor azimuth before the antenna line is drawn
extern int circleSpacingKm;         // spacing of the distance circles on the beam map, km
extern double overlapAngle;         // rotor overlap beyond one full turn, degrees; 0 until loaded
extern double elevationDefault;     // basic setting of the elevation rotor, degrees

// Clears the tables and names, as at the end of a run.
void finalizeBasis();
