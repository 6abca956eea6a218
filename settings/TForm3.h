// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QWidget>

#include <array>

class ParameterSettings;
class Session;

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RadioGroup;

// The parameter window: shows the display and rotor choices of a ParameterSettings and writes the
// user's edits into it; whoever needs a choice asks that object, not this window. It writes the
// settings back at shut-down, its own place among them. Closing it only hides it.
class TForm3 : public QWidget {
    Q_OBJECT
    // What this window works with, handed in by the program.
    Session& session_;
    ParameterSettings& settings_;

public:
    TForm3(Session& session, ParameterSettings& settings);
    ~TForm3() override;

    void FormCreate();
    void FormDestroy();
    void FormClose();
    // The main window's menu item: shows it with the keyboard in it, or hides it.
    void toggleFromMenu();

    // The two rotor groups show while the rotor panel does; hidden ones leave their space empty.
    void showRotorGroups(bool visible);
    // The cluster link's and the log's state, in German, below their fields: one line each,
    // so that the cluster's changes leave the log's word standing; empty for none.
    void showClusterState(const QString& state);
    void showLogState(const QString& state);
    // Tells in the group whether the link listens, and whether other machines reach it; when it
    // does not listen because its port is taken, portTaken says so ("Port 2237 belegt").
    void showWsjtxState(bool enabled, bool listening, bool openToNetwork = false, const QString& portTaken = QString());

signals:
    // The elevation the rotor is to take with every target from now on, degrees; the program
    // hands it to the rotor link.
    void targetElevationChosen(double elevation);
    // Only the elevation is to move: the pending azimuth falls back to where the rotor stands.
    void rotorTargetWithdrawn();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    // Shows each setting now and again whenever it changes.
    void followSettings();
    template <typename Show>
    void follow(void (ParameterSettings::*changed)(), Show show);

    // Handlers; the key handlers act on Enter, the shared key filter has already run.
    void keyPressed(QLineEdit* edit, int key);
    void Edit1KeyPress(int key);
    void Edit1Exit();
    void E_UeberlappungKeyPress(int key);
    // A field of a whole number: typing marks it, Enter applies an accepted text to the setting.
    void takeWholeNumber(QLineEdit* edit, int key, bool (*accepts)(const QString&), void (ParameterSettings::*set)(int));
    void EditElevationKeyPress(int key);
    void CB_ElevationClick();
    // The WSJT-X group: the box applies at once, address and port on Enter when usable (an
    // unusable one stays yellow and the link keeps listening where it did).
    void E_WsjtxAdresseKeyPress(int key);
    void E_WsjtxPortKeyPress(int key);
    void takeCluster();
    void applyDisplayOffset();
    // A status of the rotor link: the elevation shown and the one to send, and the rotor groups.
    void showRotorStatus();
    void showStates();

    // The fields under the shared key filter and the yellow-while-typing rule.
    std::array<QLineEdit*, 6> numberFields() const;

    QGroupBox* GroupBox1 = nullptr;  // "für beide Karten"
    RadioGroup* RG_MausPos = nullptr;        // 0 "Ein", 1 "Aus"
    RadioGroup* RG_StaedteInseln = nullptr;  // 0 "Ein", 1 "Aus"
    QGroupBox* GB_Staedtekreise = nullptr;
    QLineEdit* Edit2 = nullptr;      // city marker size, pixels
    QLineEdit* E_Oeffnung = nullptr;  // the antenna's opening angle, degrees
    QLineEdit* E_AziFehl = nullptr;  // display deviation of the rotor, degrees
    QGroupBox* GroupBox3 = nullptr;  // "Mercatorkarte"
    RadioGroup* GB_LocRaster = nullptr;  // 0 none, 1 fields, 2 squares, 3 subsquares
    QGroupBox* GroupBox2 = nullptr;  // "Beamkarte"
    QLineEdit* Edit1 = nullptr;      // distance circle spacing, km
    QGroupBox* GB_Azimut = nullptr;
    QCheckBox* CB_RotSofort = nullptr;
    QCheckBox* CB_Optimiert = nullptr;
    QLineEdit* E_Ueberlappung = nullptr;  // overlap angle, degrees
    QGroupBox* GB_Elevation = nullptr;
    QCheckBox* CB_Elevation = nullptr;
    QLineEdit* EditElevation = nullptr;   // basic elevation, degrees
    QLineEdit* E_IstElevation = nullptr;  // current rotor elevation, degrees
    QGroupBox* GB_Wsjtx = nullptr;  // "WSJT-X / JTDX"
    QCheckBox* CB_Wsjtx = nullptr;
    QGroupBox* GB_Sonne = nullptr;  // "Sonne und Beschriftung"
    QCheckBox* CB_Graulinie = nullptr;
    QCheckBox* CB_Beschriftung = nullptr;
    QGroupBox* GB_Cluster = nullptr;  // "DX-Cluster und Logbuch"
    QLineEdit* E_ClusterHost = nullptr;
    QLineEdit* E_ClusterPort = nullptr;
    QLineEdit* E_ClusterCall = nullptr;
    QLineEdit* E_Logbuch = nullptr;
    QPushButton* B_Logbuch = nullptr;
    QLabel* L_ClusterZustand = nullptr;  // the cluster's state, then the log's
    QString clusterState_, logState_;
    QLineEdit* E_WsjtxAdresse = nullptr;
    QLineEdit* E_WsjtxPort = nullptr;
    QLabel* L_WsjtxZustand = nullptr;
};
