// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QWidget>

#include <optional>

class Session;
class TF_Rotor;
class ParameterSettings;

class Logger32Link;
class QLabel;
class QLineEdit;
class QPushButton;
struct Partner;

// The rotor panel: a one-line strip at the bottom centre of the main window's client area. Its
// arrow panels turn the antenna to either end of the travel or stop it, "Ziel" turns it to the
// current target, and the direction field takes a bearing or a locator. Hidden until the rotor
// link is up and reporting. Its controls are its own: others reach them by their object names.
class TForm6 : public QWidget {
    Q_OBJECT
    // What this window works with, handed in by the program.
    Session& session_;
    QWidget* clientArea_;
    TF_Rotor* rotorLink_;
    const ParameterSettings& parameters_;

public:
    static constexpr int panelBorder = 3;  // pixels around the controls

    // The panel lies in clientArea, the main window's client area (none: a window of its own).
    TForm6(Session& session, QWidget* clientArea, TF_Rotor* rotorLink, const ParameterSettings& parameters,
           Logger32Link& logger32Link);

    // Makes the partner the target as a typed locator does: the crosshair window (with the
    // partner's country, when it came with one), the visible map, and the rotor at once when the
    // parameter window says so. The WSJT-X link and the partner interface on the bus come here.
    void takePartner(const Partner& partner);
    // Turns to the current target's bearing, or to its long path (the bearing plus 180 degrees),
    // as the "Ziel" control does; nothing without a target or a rotor.
    void turnToTarget(bool longPath);
    // Stops the rotor where it stands, as the "Stop" control does.
    void stopRotor();
    // Its own controls at the bottom centre of the client area, at every change of its size; the
    // foreign target beside "Grad" moves none of them.
    void centreInClientArea();

    int clientHeight() const { return height() - 2 * borderWidth(); }
    int borderWidth() const { return panelBorder; }

    // The user is typing into the direction field (yellow): statuses leave its text alone.
    bool isTyping() const;

signals:
    // The panel came up with the rotor link or went away: the main window shows or hides the
    // directions list's menu item with it.
    void rotorDisplayShown(bool shown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    // Mouse handlers of the three panels, dispatched on the sender's tag (1 "<<", 2 "Ziel"/"Stop",
    // 3 ">>"); only the left button acts.
    void PanelMouseDown(QLabel* sender, Qt::MouseButton button);
    void PanelMouseUp(QLabel* sender, Qt::MouseButton button);
    // Esc: starts a new entry in the direction field.
    void Button1Click();
    void Edit_AzimutKeyDown();
    // Takes the typed key as the field does (see AzimuthEntry::keptKey); on Enter the text is
    // taken as a locator, a bearing or else a callsign. Logger32 bearings arrive here as text and
    // Enter.
    void Edit_AzimutKeyPress(int& key);
    // Shows the rotor program's latest status, at every status of the rotor link.
    void UpdateRotorDisplay();
    // Hides the panel and tells so: the rotor program reported that it has no reading, or the
    // link to it is lost.
    void HideRotorDisplay();

    QLabel* PanelLinks = nullptr;
    QLabel* PanelStart = nullptr;
    QLabel* PanelRechts = nullptr;
    QLineEdit* Edit_Azimut = nullptr;
    QLabel* Label1 = nullptr;
    // Beside "Grad", only while another client's target is the rotor's goal: "Fremdziel 85°".
    QLabel* ForeignGoalLabel = nullptr;
    QPushButton* Button1 = nullptr;  // the cancel button, clicked by Esc

    bool rotorFirstStatus = true;

    QLabel* addPanel(const QString& name, const QString& caption, int left, int width, int tag);
    void setTyping(bool typing);
    // Shown yellow while true.
    bool typing_ = false;
    // The motion the arrow panels show from the last status (-1 left, 0 standing, +1 right): the
    // panel of the turn under way is green, a red one turns to its end of travel.
    int shownMotion_ = 0;
    static void setPanelColor(QLabel* panel, const QColor& color);
    // The direction field's text, confirmed: a locator or a callsign becomes the target, a
    // bearing the rotor target; anything else leaves the rotor where it stands.
    void takeLocator(const QString& locator);
    void takeBearing(int bearing);
    // The azimuth to command for a target azimuth, degrees.
    double rotorTargetFor(double azimuth) const;
    // A bearing from Logger32 takes the road of one typed and confirmed here, degrees.
    void takeLogger32Bearing(int bearing);
    void refuseEntry();
    void focusField();
    // Shows or hides the foreign target beside "Grad"; the panel widens by the label and back.
    void showForeignGoal(std::optional<double> goal);

    int ownControlsWidth_ = 0;  // the panel without the foreign target, pixels

    std::optional<double> pressedTarget_;  // chosen by the panel pressed last, degrees
};
