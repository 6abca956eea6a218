// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "app/WindowList.h"
#include "logger/Logger32Link.h"
#include "platform/ProgramLanguage.h"
#include "rotor/TF_Rotor.h"
#include "settings/SettingsStore.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class DecodedBitmaps;
class DxSpotsWindow;
class MapOverlays;
class MinuteTicker;
class PartnerLinks;
class RotorSetupWindow;
class Session;
class SettingsFile;
class SpotService;
class SpotSources;
class Startup;
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

// The program entry: makes the session, runs the start-up (folders, settings file, reference
// data), reads the settings, then creates the eleven windows (the rotor link among them) in their
// fixed order, each handed what it works with and running its creation handler before the next
// exists, and destroys them in the reverse order, each writing its settings, before the settings
// file is written once. The partner inputs from outside (WSJT-X, the session bus) come up after
// the windows and go before them. The windows hidden at start (about card, help and the tool
// windows) and the partner inputs are made after the main window's first paint, so that they do
// not delay it, yet keep their place in that order.
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

    // The settings file read, before any window: the language the windows speak is stored in it.
    // createWindows reads it when this was not called before.
    void loadSettings();
    Language storedLanguage();
    // Where the program's translations lie.
    QString translationsFolder();

    void createWindows();
    // Runs the message loop until the main window closes; returns the loop's exit code.
    int run();
    // Once: the windows go, the settings file is written, saved() runs (a new start may begin),
    // and only then is Logger32 left, which may take seconds.
    void destroyWindows(const std::function<void()>& saved = {});

    // The parts of the run; a window is null before createWindows, after destroyWindows and when
    // its creation failed. The windows hidden at start (about, help, crosshair data, parameters,
    // the rotor panel, the directions list, and the position entry but at the first run) are made
    // after the main window's first paint, or here when asked for earlier.
    Session& session() const { return *session_; }
    Logger32Link& logger32Link() const { return *logger32Link_; }
    SettingsStore& settings() const { return *settings_; }
    MapPlaces& mapPlaces() const { return settings_->places; }
    ParameterSettings& parameters() const { return settings_->parameters; }
    TFormA* mainWindow() const { return mainWindow_; }
    TFormHelpAbout* aboutWindow() const { return made(aboutWindow_); }
    TForm1* mercatorWindow() const { return mercatorWindow_; }
    TForm10* beamWindow() const { return beamWindow_; }
    TF_Rotor* rotorLink() const { return rotorLink_; }
    TFormHilfe* helpWindow() const { return made(helpWindow_); }
    TForm2* crosshairWindow() const { return made(crosshairWindow_); }
    TForm3* parameterWindow() const { return made(parameterWindow_); }
    TForm4* entryWindow() const { return made(entryWindow_); }
    TForm6* rotorPanel() const { return made(rotorPanel_); }
    TForm7* directionsWindow() const { return made(directionsWindow_); }
    // Made after the first paint too, or here when asked for earlier; the spots' sources with them.
    PartnerLinks* partnerLinks() const { return made(partnerLinks_).get(); }
    SpotService* spots() const { return made(spots_).get(); }

private:
    // A part made after the first paint, made first when it is still put off; read once it is made.
    template <typename Part> const Part& made(const Part& part) const
    {
        windows_->createAll();
        return part;
    }
    // The subscriptions that must wait for windows created later: the maps' redraws after the
    // crosshair window's.
    void connectMapRedraws();
    // The main window's menu to the tool windows that answer it, made first when still put off.
    void connectToolWindows();
    // One request of the menu to the window that answers it.
    template <typename Window, typename Action>
    void answer(void (TFormA::*request)(), Window* (Program::*window)() const, Action action)
    {
        QObject::connect(mainWindow_, request, mainWindow_, [this, window, action] {
            if (Window* made = (this->*window)())
                (made->*action)();
        });
    }
    // The entry window's first-run prompt to the main window, and a click on the map that hides it.
    void connectEntryWindow();
    // Wires the partner inputs to the windows that take partners and keep the WSJT-X settings.
    void connectPartnerLinks();
    // The main window's extras: rotor set-up, park and keys; the sun on the maps; the spots.
    void connectExtras();
    // The layers drawn over both maps, each while its setting is on.
    void addMapLayers();
    // A station clicked on a map or chosen among the spots, taken as if its square or call were typed.
    void takePartner(const QString& partner);
    // The DX cluster and the own log, as the parameters name them.
    void connectSpotSources();

    QString executableFolder_;
    Timing timing_;
    // The maps decoded once per run, shared by both map windows.
    std::unique_ptr<DecodedBitmaps> bitmaps_;
    std::unique_ptr<Session> session_;  // made before the windows, gone after them
    std::unique_ptr<Logger32Link> logger32Link_;  // made before the windows, gone after them
    std::unique_ptr<Startup> startup_;            // the folders, found before the settings are read
    std::unique_ptr<SettingsFile> settingsFile_;  // opened at start, written once at shut-down
    std::unique_ptr<SettingsStore> settings_;     // every section, read at start; gone before the file
    std::unique_ptr<WindowList> windows_;
    bool windowsCreated_ = false;
    bool shutDown_ = false;
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
    std::unique_ptr<MapOverlays> mapLayers_;  // made before the maps draw them, gone after the maps
    std::unique_ptr<MinuteTicker> minuteTicker_;
    std::unique_ptr<SpotService> spots_;
    std::unique_ptr<SpotSources> spotSources_;
    std::unique_ptr<DxSpotsWindow> dxSpotsWindow_;
    std::unique_ptr<RotorSetupWindow> rotorSetupWindow_;  // made when first asked for
};
