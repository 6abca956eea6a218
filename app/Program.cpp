// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "app/Program.h"

#include "app/MainWindowWiring.h"
#include "app/MapOverlays.h"
#include "app/MapRedraws.h"
#include "app/TFormA.h"
#include "beam/TForm10.h"
#include "entry/TForm4.h"
#include "help/TFormHelpAbout.h"
#include "help/TFormHilfe.h"
#include "logger/Logger32Link.h"
#include "mapfiles/DecodedBitmaps.h"
#include "mercator/TForm1.h"
#include "mercator/TForm2.h"
#include "partner/PartnerLinks.h"
#include "partner/WsjtxLink.h"
#include "readout/ShownMap.h"
#include "rotor/RotorSetupWindow.h"
#include "rotor/TF_Rotor.h"
#include "rotor/TForm6.h"
#include "rotor/TForm7.h"
#include "session/Session.h"
#include "settings/LanguageMenu.h"
#include "settings/SettingsFile.h"
#include "settings/TForm3.h"
#include "spots/DxSpotsWindow.h"
#include "spots/SpotService.h"
#include "spots/SpotSources.h"
#include "startup/Startup.h"
#include "sun/MinuteTicker.h"
#include "widgets/AfterFirstPaint.h"
#include "widgets/GuardedConnection.h"

#include <QApplication>
#include <QDateTime>

#include <utility>

Program::Program(QString executableFolder, Timing timing)
    : executableFolder_(std::move(executableFolder)),
      timing_(timing),
      bitmaps_(std::make_unique<DecodedBitmaps>()),
      session_(std::make_unique<Session>()),
      logger32Link_(std::make_unique<Logger32Link>(timing_.logger32Link)),
      settings_(std::make_unique<SettingsStore>()),
      windows_(std::make_unique<WindowList>())
{
}

Program::~Program()
{
    destroyWindows();
}

void Program::loadSettings()
{
    if (settingsFile_)
        return;
    startup_ = std::make_unique<Startup>(executableFolder_);
    // The settings exist from here on, also when a step of the start-up fails: every window reads
    // and writes its sections through them.
    settingsFile_ = std::make_unique<SettingsFile>(startup_->settingsPath());
    settings_->load(*settingsFile_);
}

Language Program::storedLanguage()
{
    loadSettings();
    return settings_->parameters.language();
}

QString Program::translationsFolder()
{
    loadSettings();
    return startup_->folders().translationsFolder();
}

void Program::createWindows()
{
    Session& shared = *session_;
    SettingsStore& stored = *settings_;
    WindowList& windows = *windows_;
    windowsCreated_ = true;
    loadSettings();
    const Startup& startup = *startup_;
    shared.setFolders(startup.folders());
    shared.setOwnPosition(stored.ownStation.position());
    windows.create(mainWindow_, *logger32Link_, stored.mainWindow);
    TFormA* main = mainWindow_;
    ErrorBox::guard([&] {
        startup.run(shared, *settingsFile_,
                    {[main] {
                         if (main)
                             main->restorePlace();
                     },
                     [this] { logger32Link_->ConnectLogger32(); }});
    });
    windows.createLater(aboutWindow_, main ? TFormHelpAbout::ClientArea([main] {
        return QRect(main->pos(), QSize(main->clientWidth(), main->clientHeight()));
    }) : TFormHelpAbout::ClientArea());
    windows.create(mercatorWindow_, shared, *mainWindow_, stored.mercator, stored.mainWindow, stored.parameters,
                   *bitmaps_);
    if (mercatorWindow_)
        MainWindowWiring::subscribeMercatorMap(*mainWindow_, *mercatorWindow_);
    windows.create(beamWindow_, shared, *mainWindow_, stored.beam, stored.mainWindow, stored.parameters, *bitmaps_);
    if (beamWindow_)
        MainWindowWiring::subscribeBeamMap(*mainWindow_, *beamWindow_);
    windows.create(rotorLink_, shared, timing_.rotorLink);
    windows.createLater(helpWindow_, std::ref(shared), std::ref(stored.help));
    // The tool windows hidden at start, and what only they and the partners need, come after the
    // first paint, in the order they were made in before; the maps take the crosshair window and
    // subscribe to the session after it, as when it was made here.
    const ShownMap shownMap(mercatorWindow_, beamWindow_);
    windows.createLater(crosshairWindow_, std::ref(shared), shownMap, std::ref(stored.places),
                        std::ref(stored.mainWindow));
    windows.addLater([this] {
        if (mercatorWindow_)
            mercatorWindow_->setCrosshairWindow(crosshairWindow_);
    });
    windows.createLater(parameterWindow_, std::ref(shared), std::ref(stored.parameters));
    windows.addLater([this] {
        if (parameterWindow_ && rotorLink_) {
            QObject::connect(parameterWindow_, &TForm3::targetElevationChosen, rotorLink_, &TF_Rotor::setTargetElevation);
            QObject::connect(parameterWindow_, &TForm3::rotorTargetWithdrawn, rotorLink_, &TF_Rotor::withdrawTarget);
        }
    });
    // At the first run (no own station yet) the entry window asks for it at once.
    const GeoPosition own = shared.ownPosition();
    if (own.longitude == 0.0 && own.latitude == 0.0) {
        windows.create(entryWindow_, shared, shownMap, stored.places, stored.ownStation);
        connectEntryWindow();
    } else {
        windows.createLater(entryWindow_, std::ref(shared), shownMap, std::ref(stored.places),
                            std::ref(stored.ownStation));
        windows.addLater([this] { connectEntryWindow(); });
    }
    // The rotor panel is hidden until the rotor program answers.
    windows.createLater(rotorPanel_, std::ref(shared), main ? main->clientArea() : nullptr, rotorLink_,
                        std::cref(stored.parameters), std::ref(*logger32Link_));
    windows.addLater([this] {
        if (rotorPanel_ && mainWindow_)
            MainWindowWiring::subscribeRotorPanel(*mainWindow_, *rotorPanel_);
    });
    windows.createLater(directionsWindow_, std::ref(shared), rotorLink_);
    connectToolWindows();
    ErrorBox::guard([this] {
        addMapLayers();
        connectExtras();
    });
    // The Mercator map shown at start is in the window's first picture, not only in the picture of
    // the first relayout after it.
    if (mercatorWindow_)
        ErrorBox::guard([this] { mercatorWindow_->redrawIfShown(); });
    windows.addLater([this] {
        connectMapRedraws();
        ErrorBox::guard([this] {
            partnerLinks_ = std::make_unique<PartnerLinks>(*session_);
            connectPartnerLinks();
        });
        ErrorBox::guard([this] { connectSpotSources(); });
    });
    if (!main) {
        windows.createAll();
        return;
    }
    windows.createAfterFirstPaint(main);
    // What the first picture does not need comes after it: the city list (unless a picture showed
    // the cities before), the callsign table, then the own log, which needs it.
    AfterFirstPaint::run(main, [this] {
        session_->referenceData().cityTable.startReading();
        session_->referenceData().callsignTable.startReading();
        if (spotSources_)
            spotSources_->watchOwnLog();
    });
}

// A map redraws for a new target or own station after the crosshair window, made after it, has
// come up for them (slots run in the order they were connected): it draws the target only while
// that window is open.
void Program::connectMapRedraws()
{
    for (MapWindow* map : std::initializer_list<MapWindow*> {mercatorWindow_, beamWindow_})
        if (map)
            MapRedraws::follow(*map, *session_, settings_->parameters, spots_.get(), minuteTicker_.get());
}

void Program::connectToolWindows()
{
    TFormA* main = mainWindow_;
    if (!main)
        return;
    // A request that comes before the first paint makes the windows put off until then.
    answer(&TFormA::locatorEntryRequested, &Program::entryWindow, &TForm4::toggleFromMenu);
    answer(&TFormA::fixedStationsRequested, &Program::directionsWindow, &TForm7::toggleFromMenu);
    answer(&TFormA::parametersRequested, &Program::parameterWindow, &TForm3::toggleFromMenu);
    answer(&TFormA::helpRequested, &Program::helpWindow, &TFormHilfe::showHelpPage);
    answer(&TFormA::aboutRequested, &Program::aboutWindow, &TFormHelpAbout::show);
}

void Program::connectEntryWindow()
{
    if (mainWindow_ && entryWindow_)
        MainWindowWiring::subscribeEntryWindow(*mainWindow_, *entryWindow_, mercatorWindow_);
}

void Program::connectPartnerLinks()
{
    PartnerLinks* links = partnerLinks_.get();
    const ParameterSettings* parameters = &settings_->parameters;
    if (rotorPanel_)
        QObject::connect(links, &PartnerLinks::partnerNamed, rotorPanel_, &TForm6::takePartner);
    QObject::connect(parameters, &ParameterSettings::wsjtxChanged, links,
                     [links, parameters] { links->listen(parameters->wsjtx()); });
    if (parameterWindow_)
        QObject::connect(links, &PartnerLinks::wsjtxStateChanged, parameterWindow_, &TForm3::showWsjtxState);
    if (spots_) {
        QObject::connect(links->wsjtxLink, &WsjtxLink::decoded, spots_.get(), &SpotService::takeDecode);
        QObject::connect(links->wsjtxLink, &WsjtxLink::cleared, spots_.get(), &SpotService::takeClear);
        QObject::connect(links->wsjtxLink, &WsjtxLink::tuned, spots_.get(), &SpotService::takeTuning);
    }
    links->listen(parameters->wsjtx());
}

void Program::addMapLayers()
{
    Session& session = *session_;
    spots_ = std::make_unique<SpotService>([&session]() -> const CallsignTable& { return session.referenceData().callsignTable; },
                                           [] { return QDateTime::currentSecsSinceEpoch(); });
    // A click on a marker makes that station the partner as if its square or call were typed.
    mapLayers_ = std::make_unique<MapOverlays>(session, settings_->parameters, *spots_, [this](const QString& partner) { takePartner(partner); });
    for (MapWindow* map : std::initializer_list<MapWindow*> {mercatorWindow_, beamWindow_})
        if (map)
            mapLayers_->addTo(*map);
}

void Program::connectExtras()
{
    TFormA* main = mainWindow_;
    if (!main)
        return;
    QObject::connect(main, &TFormA::rotorSetupRequested, main, [this] {
        if (!rotorSetupWindow_) {
            rotorSetupWindow_ = std::make_unique<RotorSetupWindow>(RotorSetupWindow::registeredProgram());
            // Opened from the menu, it comes above the tool windows, which stay on top.
            rotorSetupWindow_->setWindowFlag(Qt::WindowStaysOnTopHint);
        }
        rotorSetupWindow_->open();
    });
    QObject::connect(main, &TFormA::rotorTurnRequested, main, [this](bool longPath) {
        if (TForm6* panel = rotorPanel())
            panel->turnToTarget(longPath);
    });
    QObject::connect(main, &TFormA::rotorStopRequested, main, [this] {
        if (TForm6* panel = rotorPanel())
            panel->stopRotor();
    });
    if (rotorLink_) {
        QObject::connect(main, &TFormA::rotorParkRequested, rotorLink_, &TF_Rotor::park);
        QObject::connect(rotorLink_, &TF_Rotor::parkRefused, main, [](const QString& message) { ErrorBox::show(message); });
    }
    ParameterSettings* parameters = &settings_->parameters;
    // The language from the next start, under a caption that reads the same in both.
    main->addExtrasMenu(new LanguageMenu(*parameters, startup_->folders().translationsFolder(), main));
    main->showGreylineChecked(parameters->greylineShown());
    QObject::connect(main, &TFormA::greylineToggled, parameters, &ParameterSettings::setGreylineShown);
    QObject::connect(parameters, &ParameterSettings::greylineShownChanged, main,
                     [main, parameters] { main->showGreylineChecked(parameters->greylineShown()); });
    // Once a minute the sun has moved on; the maps follow it too (connectMapRedraws).
    minuteTicker_ = std::make_unique<MinuteTicker>([] { return QDateTime::currentMSecsSinceEpoch(); });
    QObject::connect(minuteTicker_.get(), &MinuteTicker::tick, main, [this] {
        if (crosshairWindow_ && crosshairWindow_->isVisible())
            crosshairWindow_->showSun();
    });
    minuteTicker_->setRunning(true);
    if (spots_)
        // Made when first asked for: hidden until then, it keeps no place.
        QObject::connect(main, &TFormA::dxSpotsRequested, main, [this, main] {
            if (!dxSpotsWindow_) {
                dxSpotsWindow_ = std::make_unique<DxSpotsWindow>(*spots_, settings_->parameters,
                                                                 [this] { return session_->ownPosition(); });
                dxSpotsWindow_->setWindowFlag(Qt::WindowStaysOnTopHint);
                QObject::connect(dxSpotsWindow_.get(), &DxSpotsWindow::partnerChosen, main,
                                 [this](const QString& partner) { takePartner(partner); });
            }
            dxSpotsWindow_->show();
            dxSpotsWindow_->raise();
            dxSpotsWindow_->activateWindow();
        });
}

void Program::takePartner(const QString& partner)
{
    if (partnerLinks_)
        partnerLinks_->take(partner);
}

void Program::connectSpotSources()
{
    if (!spots_)
        return;
    spotSources_ = std::make_unique<SpotSources>(*spots_, settings_->parameters,
                                                 [this]() -> const CallsignTable& { return session_->referenceData().callsignTable; });
    if (TForm3* window = parameterWindow_) {
        QObject::connect(spotSources_.get(), &SpotSources::clusterStateChanged, window, &TForm3::showClusterState);
        QObject::connect(spotSources_.get(), &SpotSources::logStateChanged, window, &TForm3::showLogState);
    }
    spotSources_->start();
}

int Program::run()
{
    // Only closing the main window ends the run, not closing the last tool window.
    QApplication::setQuitOnLastWindowClosed(false);
    mainWindow_->show();
    mainWindow_->allWindowsCreated();
    return QApplication::exec();
}

void Program::destroyWindows(const std::function<void()>& saved)
{
    // A run that ends before its windows (asked for its options only) writes nothing.
    if (shutDown_ || !windowsCreated_)
        return;
    shutDown_ = true;
    // A window never made saves its place as one made at start does.
    windows_->createAll();
    // The extras go first: they listen to windows about to go.
    minuteTicker_.reset();
    spotSources_.reset();
    dxSpotsWindow_.reset();
    rotorSetupWindow_.reset();
    // Every window saves its place on the way out: the file is written once, at the end.
    if (settingsFile_)
        settingsFile_->holdWrites();
    partnerLinks_.reset();
    windows_->destroyAll();
    if (!settingsFile_)
        return;
    ErrorBox::guard([this] { settingsFile_->flush(); });
    if (saved)
        saved();
    logger32Link_->shutdown();
}
