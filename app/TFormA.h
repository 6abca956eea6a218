// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "readout/MapHost.h"

#include <QMainWindow>

class MainWindowSettings;

class CursorPanel;
class Logger32Link;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

// The main window: menu bar, cursor panel and first-run prompt; the map images of the two map
// windows and the rotor panel live in its client area. Its menu commands go out as signals to the
// windows they concern, which all come after it.
class TFormA : public QMainWindow, public MapHost {
    Q_OBJECT
    // What this window works with, handed in by the program.
    Logger32Link& logger32Link_;  // the "Logger32" menu item shows its state
    MainWindowSettings& settings_;

public:
    // Designed bounds, kept when the stored place cannot be taken.
    static constexpr int designedLeft = 313, designedTop = 179;   // screen pixels
    static constexpr int designedWidth = 870, designedHeight = 640;  // pixels

    TFormA(Logger32Link& logger32Link, MainWindowSettings& settings);

    // Takes the stored place; a start-up that fails before leaves the designed one.
    void restorePlace();
    // Writes the window's place and the stay-on-top choice.
    void FormDestroy();

    // The client area below the menu bar, where the map images are shown.
    QWidget* clientArea() const override { return client_; }
    int clientWidth() const;
    int clientHeight() const;
    void setClientSize(int width, int height) override;
    // The client area never gets smaller than this child of it (the rotor panel), so that the
    // child shows whole, whatever size it takes.
    void keepWhole(QWidget* child);
    CursorPanel& cursorPanel() override { return *P_Cursor; }
    void showMercatorImage(bool shown) override { emit mercatorImageShown(shown); }

    // The first-run prompt over the client area, while the own locator is missing; then the hint
    // on the menu, confirmed with its OK button.
    void showStartPrompt();
    void showStartHint();
    void hideStartPrompt();

    QAction* addMapMenuItem(const QString& caption) override;
    // A menu of its own at the end of the "Extras" menu, after a line.
    void addExtrasMenu(QMenu* menu);
    void showMercatorZoomOut(bool shown) override;
    void showFixedStationsItem(bool shown);
    // The check mark of the "Extras" menu's day-and-night item, as the parameters have it.
    void showGreylineChecked(bool shown);

    // Every window exists: the stay-on-top setting may be applied.
    void allWindowsCreated();
    // The first tick after that: applies the stay-on-top setting of the file.
    void Timer1Timer();
    bool isStayOnTop() const;
    void setStayOnTop(bool on);

signals:
    void parametersRequested();
    void locatorEntryRequested();
    void fixedStationsRequested();
    void mercatorMapRequested();
    void mercatorZoomOutRequested();
    void beamMapRequested();
    void beamZoomInRequested();
    void beamZoomOutRequested();
    void helpRequested();
    void aboutRequested();
    // OK on the first-run prompt.
    void startPromptConfirmed();
    void rotorSetupRequested();
    void rotorParkRequested();
    // Turn to the current target, the short or the long way round.
    void rotorTurnRequested(bool longPath);
    void rotorStopRequested();
    void greylineToggled(bool shown);
    void dxSpotsRequested();
    // The client area has kept its new size for a moment: the map shown fills it again.
    void clientAreaResized();
    void mercatorImageShown(bool shown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    void buildExtrasMenu();
    void FormResize();
    void ResizeTimerTimer();
    void Button1Click();
    void Parameter1Click();
    void Locator1Click();
    void Karten1Click();
    void Beamkarte1Click();
    void StayOnTop1Click();
    void Zoom1Click();
    void Zoom2Click();
    void ZoomMercatorClick();
    void Feststationen1Click();
    void Hilfe2Click();
    void About1Click();
    void Logger32Click();

    QWidget* client_ = nullptr;
    QWidget* keptWhole_ = nullptr;  // the client area's smallest size
    CursorPanel* P_Cursor = nullptr;
    QLabel* StartPanel = nullptr;
    QPushButton* Button1 = nullptr;
    QTimer* ResizeTimer = nullptr;
    QTimer* Timer1 = nullptr;

    QAction* Parameter1 = nullptr;
    QAction* Locator1 = nullptr;
    QMenu* Karten1 = nullptr;
    QAction* ZoomMercator = nullptr;
    QAction* Leer = nullptr;
    QMenu* Beamkarte1 = nullptr;
    QAction* Zoom1 = nullptr;
    QAction* Zoom2 = nullptr;
    QAction* Feststationen1 = nullptr;
    QAction* StayOnTop1 = nullptr;
    QAction* Logger32 = nullptr;
    // Beyond the menus above: the rotor's set-up, park and keys, the maps' extras.
    QMenu* extrasMenu = nullptr;
    QAction* rotorSetupItem = nullptr;
    QAction* rotorParkItem = nullptr;
    QAction* shortPathItem = nullptr;  // Alt+J in every window of the program
    QAction* longPathItem = nullptr;   // Alt+L
    QAction* rotorStopItem = nullptr;  // Ctrl+Alt+J
    QAction* greylineItem = nullptr;   // checkable, follows the parameter window's setting
    QAction* dxSpotsItem = nullptr;
    QAction* quitAction = nullptr;  // Ctrl+Q, no menu item
    QMenu* Hilfe1 = nullptr;
    QAction* About1 = nullptr;
    QAction* Hilfe2 = nullptr;
};
