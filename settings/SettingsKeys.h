// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

// The section and key names of the settings file Corvane.ini, one namespace per section. The
// spelling is the file's (Windows-1252, umlauts included); names match without regard to case,
// but each is written exactly as it stands here. Window places and sizes are screen pixels.
namespace SettingsKeys {

// The main window, and which map it shows.
namespace Main {
inline const QString section = QStringLiteral("Main");
inline const QString left = QStringLiteral("Links");                   // window's left edge, pixels
inline const QString top = QStringLiteral("Oben");                     // window's top edge, pixels
inline const QString width = QStringLiteral("Breit");                  // pixels
inline const QString height = QStringLiteral("Hoch");                  // pixels
inline const QString stayOnTop = QStringLiteral("StayOnTop");          // 1: above the other programs' windows
inline const QString mercatorShown = QStringLiteral("Mercatorkarte");  // 1: the Mercator map, 0: the beam map
// Colour of the crosshair and the target marks, a Windows colour 0x00BBGGRR.
inline const QString crosshairColour = QStringLiteral("Fadenkreuzfarbe");
}

// The own station in decimal degrees, east and north positive, as the position entry window shows
// them (the system's decimal separator).
namespace Locator {
inline const QString section = QStringLiteral("Locator");
inline const QString longitude = QStringLiteral("U_Länge");
inline const QString latitude = QStringLiteral("U_Breite");
}

// The Mercator map window, and where the tool windows stand while it is shown.
namespace Mercator {
inline const QString section = QStringLiteral("Mercator");
inline const QString width = QStringLiteral("Breit");             // map image, pixels
inline const QString height = QStringLiteral("Hoch");             // map image, pixels
inline const QString mapName = QStringLiteral("aktuelle Karte");  // file name in Karten/ without ".bmp"
inline const QString locatorX = QStringLiteral("LocatorPos_X");   // position entry window, pixels
inline const QString locatorY = QStringLiteral("LocatorPos_Y");
inline const QString crosshairX = QStringLiteral("FadenkreuzAnzeigePos_X");  // crosshair data window, pixels
inline const QString crosshairY = QStringLiteral("FadenkreuzAnzeigePos_Y");
}

// The beam map window, where the tool windows stand while it is shown, and the centre of the
// cached beam map Karten/BeamKarte.bmp.
namespace Beam {
inline const QString section = QStringLiteral("Beam");
inline const QString width = QStringLiteral("Breit");            // map image, pixels
inline const QString height = QStringLiteral("Hoch");            // map image, pixels
inline const QString zoom = QStringLiteral("Zoom");              // bitmap pixels cut from each side when shown
inline const QString locatorX = QStringLiteral("LocatorPos_X");  // position entry window, pixels
inline const QString locatorY = QStringLiteral("LocatorPos_Y");
// Crosshair data window, pixels; spelled with a small "a", unlike the Mercator section's key.
inline const QString crosshairX = QStringLiteral("FadenkreuzanzeigePos_X");
inline const QString crosshairY = QStringLiteral("FadenkreuzanzeigePos_Y");
// The own station the cached beam map was drawn for, degrees, shortest text that reads back exactly.
inline const QString centreLongitude = QStringLiteral("Mittelpunkt_Länge");
inline const QString centreLatitude = QStringLiteral("Mittelpunkt_Breite");
}

// The parameter window and the values it sets.
namespace Parameter {
inline const QString section = QStringLiteral("Parameter");
inline const QString left = QStringLiteral("Links");                         // window's left edge, pixels
inline const QString top = QStringLiteral("Oben");                           // window's top edge, pixels
inline const QString mousePosition = QStringLiteral("MausAnzeige_EIN_AUS");  // 0: cursor panel on, 1: off
inline const QString cities = QStringLiteral("Staedte/Inseln_EIN_AUS");      // 0: city marks on, 1: off
inline const QString cityMarkerSize = QStringLiteral("Anzeige Staedte/Inseln Durchmesser");  // pixels
inline const QString distanceCircles = QStringLiteral("Kreise");  // spacing of the beam map's circles, km
// 1: the elevation rotor goes to its basic setting at start.
inline const QString elevationAtStart = QStringLiteral("Elev_Grundst");
inline const QString elevation = QStringLiteral("Elevation");           // basic elevation, degrees
inline const QString overlap = QStringLiteral("Ueberlappung");          // rotor overlap beyond a full turn, degrees
inline const QString displayOffset = QStringLiteral("Anzeigefehler");   // rotor's display deviation, degrees
inline const QString locatorGrid = QStringLiteral("LocatorRaster");     // 0 none, 1 fields, 2 squares, 3 subsquares
inline const QString rotorAtOnce = QStringLiteral("RotorSofortstart");  // 1: turn as soon as a locator is entered
// 1: the rotor takes the shorter way round, through the overlap where needed.
inline const QString optimisedPath = QStringLiteral("Fahrwegoptimierung");
// 1: night and twilight darkened on both maps, with the greyline's bearings on the beam map.
inline const QString greyline = QStringLiteral("Graulinie");
// 1: the own station marked on the Mercator map, compass, spoke bearings and circle distances on
// the beam map.
inline const QString mapLabels = QStringLiteral("Kartenbeschriftung");
// The antenna's opening angle, degrees, drawn as a sector around the antenna line on both maps;
// 0: none.
inline const QString openingAngle = QStringLiteral("Oeffnungswinkel");
// The language of the user interface from the next start: "Deutsch" (also when missing) or "English".
inline const QString language = QStringLiteral("Sprache");
inline const QString german = QStringLiteral("Deutsch");
inline const QString english = QStringLiteral("English");
}

// The DX cluster and the own log, for the stations heard on the air.
namespace DxCluster {
inline const QString section = QStringLiteral("DX-Cluster");
inline const QString host = QStringLiteral("Host");            // empty: no cluster
inline const QString port = QStringLiteral("Port");            // TCP port of the cluster's telnet service
inline const QString call = QStringLiteral("Rufzeichen");      // the login call
inline const QString log = QStringLiteral("Logbuch");          // path of the own log, ADIF; empty: none
inline const QString mapBand = QStringLiteral("Kartenband");    // the one band the maps show spots of; empty: all
inline const QString mapAge = QStringLiteral("Kartenalter");    // the maps show spots heard within it, minutes; 0: any
}

// The help window.
namespace Hilfe {
inline const QString section = QStringLiteral("Hilfe");
inline const QString left = QStringLiteral("Links");    // pixels
inline const QString top = QStringLiteral("Top");       // pixels
inline const QString width = QStringLiteral("Breite");  // pixels
inline const QString height = QStringLiteral("Höhe");   // pixels
}

// The WSJT-X / JTDX link.
namespace Wsjtx {
inline const QString section = QStringLiteral("WSJT-X");
inline const QString enabled = QStringLiteral("Empfang");  // 1: listen for partners
inline const QString address = QStringLiteral("Adresse");  // IPv4 or IPv6, unicast or a multicast group
inline const QString port = QStringLiteral("Port");        // UDP port 1 to 65535
// The network interface a multicast group is joined on ("eth0"); missing: the loopback only.
inline const QString multicastInterface = QStringLiteral("Schnittstelle");
}

}
