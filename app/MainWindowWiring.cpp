// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "app/MainWindowWiring.h"

#include "app/TFormA.h"
#include "beam/TForm10.h"
#include "entry/TForm4.h"
#include "mercator/TForm1.h"
#include "rotor/TForm6.h"
#include "widgets/GuardedConnection.h"

void MainWindowWiring::subscribeMercatorMap(TFormA& main, TForm1& map)
{
    connectGuarded(&main, &TFormA::clientAreaResized, static_cast<MapWindow*>(&map), &MapWindow::fillClientArea);
    connectGuarded(&main, &TFormA::mercatorMapRequested, &map, &TForm1::showInMainWindow);
    connectGuarded(&main, &TFormA::mercatorZoomOutRequested, &map, &TForm1::Zoom1Click);
    // The beam map shows or hides the Mercator map's image through the main window, at its
    // creation too: subscribed before the beam map is made.
    QObject::connect(&main, &TFormA::mercatorImageShown, &map, &TForm1::setMapShown);
}

void MainWindowWiring::subscribeBeamMap(TFormA& main, TForm10& map)
{
    connectGuarded(&main, &TFormA::clientAreaResized, static_cast<MapWindow*>(&map), &MapWindow::fillClientArea);
    connectGuarded(&main, &TFormA::beamMapRequested, &map, &TForm10::Beamkarte1Click);
    connectGuarded(&main, &TFormA::beamZoomInRequested, &map, &TForm10::ZoomPlusClick);
    connectGuarded(&main, &TFormA::beamZoomOutRequested, &map, &TForm10::ZoomMinusClick);
    QObject::connect(&main, &TFormA::mercatorMapRequested, &map, &TForm10::hideMap);
}

void MainWindowWiring::subscribeRotorPanel(TFormA& main, TForm6& panel)
{
    main.keepWhole(&panel);
    QObject::connect(&main, &TFormA::clientAreaResized, &panel, &TForm6::centreInClientArea);
    QObject::connect(&panel, &TForm6::rotorDisplayShown, &main, &TFormA::showFixedStationsItem);
    panel.centreInClientArea();
}

void MainWindowWiring::subscribeEntryWindow(TFormA& main, TForm4& entry, TForm1* mercatorMap)
{
    QObject::connect(&entry, &TForm4::startPromptDue, &main, &TFormA::showStartPrompt);
    QObject::connect(&entry, &TForm4::startHintDue, &main, &TFormA::showStartHint);
    QObject::connect(&main, &TFormA::startPromptConfirmed, &entry, [&main, &entry] {
        if (!entry.isVisible())
            main.hideStartPrompt();
    });
    if (mercatorMap)
        QObject::connect(mercatorMap, &TForm1::targetClicked, &entry, &QWidget::hide);
}
