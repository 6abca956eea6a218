// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "partner/WsjtxSettings.h"

#include <QWidget>

#include <array>

class Session;
class TFormA;
class TF_Rotor;

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RadioGroup;

// The parameter window: display and rotor options. The map windows and the rotor panel read its
// choices through the typed getters when they need them; it loads them from section "Parameter"
// at creation and writes them back at shut-down. Closing it only hides it.
class TForm3 : public QWidget {
    Q_OBJECT
    // What this window works with, handed in by the program.
    Session& session_;
    TFormA* mainWindow_;
    TF_Rotor* rotorLink_;

public:
    // A choice of the "Ein" / "Aus" groups; none while the stored index selects neither button.
    enum class OnOff { on, off, none };

    TForm3(Session& session, TFormA* mainWindow, TF_Rotor* rotorLink);
    ~TForm3() override;

    void FormCreate();
    void FormDestroy();
    void FormClose();

    // The two rotor groups show while the rotor panel does; hidden ones leave their space empty.
    void showRotorGroups(bool visible);

    // Handlers; the key handlers act on Enter, the shared key filter has already run.
    void EditKeyDown(QLineEdit* edit);
    void Edit1KeyPress(int key);
    void Edit1Exit();
    void Edit2KeyPress(int key);
    void E_UeberlappungKeyPress(int key);
    void EditElevationKeyPress(int key);
    void CB_ElevationClick();
    void RG_StaedteInselnClick();
    void GB_LocRasterClick();
    // The WSJT-X group: the box applies at once, address and port on Enter when usable (an
    // unusable one stays yellow and the link keeps listening where it did).
    void CB_WsjtxClick();
    void E_WsjtxAdresseKeyPress(int key);
    void E_WsjtxPortKeyPress(int key);

    OnOff mousePositionShown() const;
    OnOff citiesShown() const;
    // LocatorGrid::Level of the Mercator map's grid; -1 while no level is chosen.
    int locatorGrid() const;
    bool rotorStartImmediately() const;
    bool optimisedPath() const;
    // The elevation rotor goes to the basic setting instead of staying where it stands.
    bool elevationEnabled() const;

    // The WSJT-X link's settings as last accepted here.
    const WsjtxSettings& wsjtxSettings() const { return wsjtx_; }
    // The DX cluster to read spots from; an empty host or port 0 means none.
    struct Cluster {
        QString host;
        quint16 port = 0;
        QString call;
    };
    Cluster cluster() const;
    // The own log (ADIF); empty for none.
    QString logPath() const;
    // The cluster link's and the log's state, in German, below their fields.
    void showClusterState(const QString& state);
    bool greylineShown() const;
    bool mapLabelsShown() const;
    void setGreylineShown(bool shown);
    // Tells in the group whether the link listens, and whether other machines reach it.
    void showWsjtxState(bool enabled, bool listening, bool openToNetwork = false);

    QGroupBox* GroupBox1 = nullptr;  // "für beide Karten"
    RadioGroup* RG_MausPos = nullptr;        // 0 "Ein", 1 "Aus"
    RadioGroup* RG_StaedteInseln = nullptr;  // 0 "Ein", 1 "Aus"
    QGroupBox* GB_Staedtekreise = nullptr;
    QLineEdit* Edit2 = nullptr;      // city marker size, pixels
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
    QLabel* L_ClusterZustand = nullptr;
    QLineEdit* E_WsjtxAdresse = nullptr;
    QLineEdit* E_WsjtxPort = nullptr;
    QLabel* L_WsjtxZustand = nullptr;

signals:
    // Cities shown or locator grid changed: the map shown draws anew.
    void mapLayersChanged();
    void greylineChanged(bool shown);
    void clusterSettingsChanged();
    void logChanged();
    // The WSJT-X link is to listen anew as wsjtxSettings() says.
    void wsjtxSettingsChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void keyPressed(QLineEdit* edit, int key);
    void applyDisplayOffset();
    // A status of the rotor link: the elevation shown and the one to send, and the rotor groups.
    void takeRotorStatus();

    // The fields under the shared key filter and the yellow-while-typing rule.
    std::array<QLineEdit*, 5> numberFields() const;
    void acceptWsjtx(QLineEdit* edit);

    WsjtxSettings wsjtx_;
};
