#pragma once

#include "geo/GeoPosition.h"
#include "geo/TargetInfo.h"
#include "rotor/RotorState.h"
#include "session/DrawState.h"
#include "session/ProgramFolders.h"
#include "session/ReferenceData.h"

#include <QObject>
#include <QString>

class SettingsFile;

// What the windows of one run share: the two stations, the target, the rotor's values, the
// display settings, the program's folders and its reference data. One instance, made by the
// program entry before the windows; they learn of changes through its signals instead of telling
// each other.
class Session : public QObject {
    Q_OBJECT
public:
    Session();
    ~Session() override;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    GeoPosition ownPosition;      // read at start from the settings
    GeoPosition partnerPosition;  // the last partner entered
    TargetInfo target;            // all zero means none
    // Entity name and prefix of a target named by its callsign; empty when the raster names it.
    QString targetCountry;
    QString targetPrefix;

    RotorState rotorState;  // as the rotor program reports it, and the target to send it
    DrawState drawState;

    int cityMarkerSize = 3;              // pen width of the city and island markers on both maps, pixels
    double azimuthDisplayOffset = 0;     // added to the rotor azimuth before the antenna line is drawn, degrees
    int circleSpacingKm = 5000;          // spacing of the distance circles on the beam map, km
    unsigned crosshairColor = 0xFFFFFF;  // target crosshair and path on both maps, Windows colour 0x00BBGGRR
    double overlapAngle = 0;             // rotor overlap beyond one full turn, degrees; 0 until loaded
    double elevationDefault = 3;         // basic setting of the elevation rotor, degrees

    ProgramFolders folders;
    SettingsFile* IniFile = nullptr;  // open from the main window's creation to its destruction
    QString currentMapName;           // Mercator map now loaded; empty before the first load
    ReferenceData referenceData;

    // The own station moved; a target keeps its place and takes its bearing and distance from
    // the new station.
    void setOwnPosition(const GeoPosition& position);
    void setPartnerPosition(const GeoPosition& position);
    // Makes the point the target, bearing and distance seen from the own station (degrees east
    // and north); country and prefix come with a partner named by its callsign.
    void setTarget(double longitude, double latitude, const QString& country = QString(),
                   const QString& prefix = QString());
    // A target whose bearing and distance were measured on a picture.
    void setTarget(const TargetInfo& measured);
    void clearTarget();
    void setCityMarkerSize(int pixels);
    void setCircleSpacingKm(int km);
    void setCrosshairColor(unsigned color);

signals:
    // Tells of the target too, which moves with the own station.
    void ownPositionChanged();
    void partnerPositionChanged();
    // Set or cleared.
    void targetChanged();
    // The rotor program sent a complete status (rotorState).
    void rotorStatusChanged();
    // The link to the rotor program that was up is lost: no status will come.
    void rotorLinkLost();
    // Marker size, circle spacing or crosshair colour changed.
    void displayChanged();
};

// The one session of the run; null before the program entry makes it and after it is gone.
extern Session* session;
