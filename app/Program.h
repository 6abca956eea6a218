// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "logger/Logger32Link.h"
#include "rotor/TF_Rotor.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class DecodedBitmaps;
class LaterWindows;
class MapLayer;
class MapPlaces;
class MinuteTicker;
class RotorSetupWindow;
class SpotService;
class DxSpotsWindow;
class ClusterClient;
class AdifWatcher;
class ParameterSettings;
class PartnerLinks;
class QObject;
class Session;
class TForm1;
class TForm10;
class TForm2;
class TForm3;
class TForm4;
class TForm6;
class TForm7;
class TFormA;
class TFormHelpAbout;
class TFormHilfe;

// The program entry: makes the session, then creates the eleven windows (the rotor link among
// them) in their fixed order, each handed what it works with and running its creation handler
// before the next exists, and destroys them in the reverse order, each writing its settings while
// the settings file is still open. The partner inputs from outside (WSJT-X, the session bus) come
// up after the windows and go before them. The windows hidden at start (about card, help and the
// tool windows) and the partner inputs are made after the main window's first paint, so that they
// do not delay it, yet keep their place in that order.
class Program {
public:
    // The links' waits and intervals; tests shorten them.
    struct Timing {
        RotorLinkTiming rotorLink;
        Logger32Timing logger32Link;
    };

    explicit Program(QString executableFolder, Timing timing = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    void createWindows();
    // Runs the message loop until the main window closes; returns the loop's exit code.
    int run();
    void destroyWindows();

    // The parts of the run; a window is null before createWindows, after destroyWindows and when
    // its creation failed. The windows hidden at start (about, help, crosshair data, parameters,
    // the rotor panel, the directions list, and the position entry but at the first run) are made
    // after the main window's first paint, or here when asked for earlier.
    Session& session() const { return *session_; }
    Logger32Link& logger32Link() const { return *logger32Link_; }
    MapPlaces& mapPlaces() const { return *mapPlaces_; }
    ParameterSettings& parameters() const { return *parameters_; }
    TFormA* mainWindow() const { return mainWindow_; }
    TFormHelpAbout* aboutWindow() const;
    TForm1* mercatorWindow() const { return mercatorWindow_; }
    TForm10* beamWindow() const { return beamWindow_; }
    TF_Rotor* rotorLink() const { return rotorLink_; }
    TFormHilfe* helpWindow() const;
    TForm2* crosshairWindow() const;
    TForm3* parameterWindow() const;
    TForm4* entryWindow() const;
    TForm6* rotorPanel() const;
    TForm7* directionsWindow() const;
    // Made after the first paint too, or here when asked for earlier; the spots' sources with them.
    PartnerLinks* partnerLinks() const;
    SpotService* spots() const;

private:
    // Creates one window from its collaborators; its pointer here is cleared again when it is
    // destroyed.
    template <typename Window, typename... Collaborators>
    void create(Window*& instance, Collaborators&&... collaborators);
    // Keeps the window's place in the order of windows, and creates it there later.
    template <typename Window, typename... Collaborators>
    void createLater(Window*& instance, Collaborators... collaborators);
    // A part made after the first paint, made first when it is still put off.
    template <typename Part> Part* made(Part* const& part) const;
    template <typename Window, typename... Collaborators>
    void createInSlot(std::size_t slot, Window*& instance, Collaborators&&... collaborators);
    // The subscriptions that must wait for windows created later: the maps' to the target and to
    // the parameters after the crosshair window's.
    void connectWindows();
    // The main window's menu to the tool windows that answer it, made first when still put off.
    void connectToolWindows();
    // The entry window's first-run prompt to the main window, and a click on the map that hides it.
    void connectEntryWindow();
    // Wires the partner inputs to the windows that take partners and keep the WSJT-X settings.
    void connectPartnerLinks();
    // The main window's extras: rotor set-up, park and keys; the sun on the maps; the spots.
    void connectExtras();
    // The layers drawn over both maps, each while its setting is on.
    void addMapLayers();
    // The DX cluster and the own log, as the parameters name them.
    void connectSpotSources();
    void watchOwnLog();

    struct Created {
        // None for a window not made (yet).
        QObject* window = nullptr;
        std::function<void()> formDestroy;  // empty for windows that keep no settings
        std::function<void()> forget;       // clears the window's pointer here
    };

    QString executableFolder_;
    Timing timing_;
    // The maps decoded once per run, shared by both map windows.
    std::unique_ptr<DecodedBitmaps> bitmaps_;
    std::unique_ptr<Session> session_;  // made before the windows, gone after them
    std::unique_ptr<Logger32Link> logger32Link_;  // made before the windows, gone after them
    std::unique_ptr<MapPlaces> mapPlaces_;  // the tool windows' places, shared by the maps and those windows
    // Read once the main window has opened the settings file; the parameter window writes them back.
    std::unique_ptr<ParameterSettings> parameters_;
    // In the order of creation at start, which shut-down reverses.
    std::vector<Created> windows_;
    std::unique_ptr<LaterWindows> laterWindows_;
    TFormA* mainWindow_ = nullptr;
    TFormHelpAbout* aboutWindow_ = nullptr;
    TForm1* mercatorWindow_ = nullptr;
    TForm10* beamWindow_ = nullptr;
    TF_Rotor* rotorLink_ = nullptr;
    TFormHilfe* helpWindow_ = nullptr;
    TForm2* crosshairWindow_ = nullptr;
    TForm3* parameterWindow_ = nullptr;
    TForm4* entryWindow_ = nullptr;
    TForm6* rotorPanel_ = nullptr;
    TForm7* directionsWindow_ = nullptr;
    std::unique_ptr<PartnerLinks> partnerLinks_;
    std::vector<std::unique_ptr<MapLayer>> mapLayers_;  // made before the maps draw them, gone after the maps
    std::unique_ptr<MinuteTicker> minuteTicker_;
    std::unique_ptr<SpotService> spots_;
    std::unique_ptr<DxSpotsWindow> dxSpotsWindow_;
    std::unique_ptr<ClusterClient> cluster_;
    std::unique_ptr<AdifWatcher> ownLog_;  // made when a log is first chosen: it needs the callsign table
    std::unique_ptr<RotorSetupWindow> rotorSetupWindow_;  // made when first asked for
};
