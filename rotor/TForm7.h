// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "rotor/DirectionsList.h"

#include <QString>
#include <QWidget>

class Session;
class TF_Rotor;

class QAction;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QPushButton;

// The directions list "Richtungen": fixed stations with their azimuth and elevation, kept in
// Data.txt in the rotor program's folder. A click on an entry turns the antenna there, a double
// click opens it in the record editor, "Neu" starts a new record.
class TForm7 : public QWidget {
    Q_OBJECT
    // What this window works with, handed in by the program.
    Session& session_;
    TF_Rotor* rotorLink_;

public:
    TForm7(Session& session, TF_Rotor* rotorLink);

    void FormCreate();
    void FormActivate();
    // The main window's "Feststationen": shows the window with the keyboard on the list, or hides it.
    void toggleFromMenu();
    // Reloads the list from the rotor program's folder; called at creation and after every save
    // and delete. Never throws: a file that cannot be read leaves the list empty and blocks
    // saving until it can be read again.
    void LoadDirections();
    // The reload at every connection attempt of the rotor link: reads the file only when it changed
    // (path, time or size) since the last load, or when that load failed, so a long list does
    // not stall the window every 2 s while the link is down.
    void LoadDirectionsIfChanged();
    // The list's shorter-way rule for an azimuth, degrees (OptimisedPath::listTarget).
    double OptimiseListTarget(double azimuth) const;

    void RGClick();
    void RGDblClick();
    void Neu1Click();
    void RotorSTOP1Click();
    void SpeichernClick();
    void AbbrechenClick();
    void LoeschenClick();
    void CapClick();

    // The file the list lives in: the rotor program's folder, or the working folder while that
    // is not known yet.
    QString dataPath() const;
    // The row selected in RG, -1 for none.
    int selectedRow() const;
    // The records the list shows.
    const DirectionsList& directions() const { return directions_; }

protected:
    bool event(QEvent* event) override;

private:
    QListWidget* RG = nullptr;  // the identifiers, row for row as in the records
    QMenuBar* MainMenu1 = nullptr;
    QAction* Neu2 = nullptr;
    QAction* RotorSTOP1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;  // the record editor "Datensatz"
    QCheckBox* Cap = nullptr;
    QLineEdit* E_Kennung = nullptr;
    QLineEdit* E_Azimut = nullptr;    // degrees
    QLineEdit* E_Elevation = nullptr; // degrees
    QPushButton* Speichern = nullptr;
    QPushButton* Abbrechen = nullptr;
    QPushButton* B_Loeschen = nullptr;

    void buildControls();
    // Writes the lines as the new list and reloads it.
    void storeLines(const QStringList& lines);
    void selectRow(int row);
    void hideEditor();
    void withdrawTarget();

    DirectionsList directions_;
};
