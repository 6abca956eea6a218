// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "entry/PositionTexts.h"
#include "geo/GeoPosition.h"
#include "readout/ShownMap.h"

#include <QSet>
#include <QWidget>

class OwnStationSettings;
class Session;

class QAction;
class QGroupBox;
class QLineEdit;
class QPoint;
class QTimer;
class WindowTimer;

// The position entry window: the own and the partner position, each as decimal degrees,
// degree-minute-second text and locator. Confirming one form rewrites the others; confirming a
// partner makes it the target. Until an own locator exists it asks for the first-run prompt.
class TForm4 : public QWidget {
    Q_OBJECT
    // What this window works with, handed in by the program.
    Session& session_;
    const ShownMap shownMap_;
    MapPlaces& places_;
    OwnStationSettings& ownStation_;

public:
    TForm4(Session& session, ShownMap shownMap, MapPlaces& places, OwnStationSettings& ownStation);

    void FormCreate();
    void FormDestroy();

    // Key handlers; key is the typed character code (13 Enter, 14 a locator that passed the
    // pattern test), set to 0 when the key is swallowed. The sender is an edit field or the window.
    void E_BreitDezKeyDown(QLineEdit* sender);
    void E_KeyPress(QObject* sender, int& key);
    void E_Locator2KeyPress(QLineEdit* sender, int& key);
    void E_Exit(QLineEdit* sender);
    void Timer1Timer();
    void PositionstimerTimer();
    // The window's context menu "Eigenen Standort ändern": shows the own group again, so that an
    // operator who goes portable can give a new own position.
    void ChangeOwnStation();
    // The menu's "Locatoreingabe": shows the window with the keyboard in the shown group's
    // locator field, or hides it.
    void toggleFromMenu();

    // Changed and not yet confirmed; such a field is shown yellow.
    bool isEdited(const QLineEdit* field) const;

signals:
    // The first-run prompt covers the main window while no own locator is given.
    void startPromptDue();
    // The own locator is given and the window closed: the prompt turns into the hint.
    void startHintDue();

protected:
    // Ctrl+V: the clipboard's text, character by character, as if typed.
    void paste(QLineEdit* field);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showFieldMenu(QLineEdit* field, const QPoint& at);

    QGroupBox* GroupBox1 = nullptr;  // own position
    QGroupBox* GroupBox2 = nullptr;  // partner position
    QLineEdit* E_LangDez = nullptr;
    QLineEdit* E_BreitDez = nullptr;
    QLineEdit* E_LangGrad = nullptr;
    QLineEdit* E_BreitGrad = nullptr;
    QLineEdit* E_Locator = nullptr;
    QLineEdit* E_LangDez2 = nullptr;
    QLineEdit* E_BreitDez2 = nullptr;
    QLineEdit* E_LangGrad2 = nullptr;
    QLineEdit* E_BreitGrad2 = nullptr;
    QLineEdit* E_Locator2 = nullptr;
    QTimer* Timer1 = nullptr;          // first-run prompt, 1000 ms
    WindowTimer* Positionstimer = nullptr;  // remembers the window position while shown, 100 ms
    QAction* OwnStationAction = nullptr;  // "Eigenen Standort ändern"

    struct Fields {
        QLineEdit*& longitudeDecimal;
        QLineEdit*& latitudeDecimal;
        QLineEdit*& longitudeDms;
        QLineEdit*& latitudeDms;
        QLineEdit*& locator;
    };
    QGroupBox* buildGroup(const QString& title, const Fields& fields, int locatorTag);
    static PositionTexts readTexts(const Fields& fields);
    static void showTexts(const PositionTexts& texts, const Fields& fields);
    void setEdited(QLineEdit* field, bool edited);
    bool isLocatorField(const QObject* object) const;
    Fields ownFields();
    Fields partnerFields();
    // A confirmed own field moved the own station: store it and make it the session's.
    void ownStationMoved(const GeoPosition& position);

    bool refused_ = false;  // the last confirm refused its value (an incomplete locator)
    QSet<const QLineEdit*> edited_;  // fields changed and not yet confirmed
};
