// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "rotor/RotorSetup.h"

#include <QProcess>
#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// "Rotor einrichten": the rotor program's registration in a window instead of a shell. The model
// comes from the list Hamlib itself reports (searchable by maker and model), then the device or
// host:port, serial speed, travel range and the options of the other programs' ports. "Prüfen"
// opens the rotator with these values and reads its position without storing anything;
// "Übernehmen" registers them exactly as "CorvaneRotor --register" does and restarts the rotor
// program with them. Every answer is the rotor program's own German text.
class RotorSetupWindow : public QWidget {
    Q_OBJECT
public:
    // rotorProgram: the CorvaneRotor executable to run.
    explicit RotorSetupWindow(QString rotorProgram, QWidget* parent = nullptr);

    // The rotor program registered last, or else the one beside this program.
    static QString registeredProgram();

    // Fills the fields from the registration and the model list from Hamlib, then shows the window.
    void open();

    // For tests and the keyboard: the actions behind the buttons.
    void check();
    void apply();
    bool busy() const { return process_.state() != QProcess::NotRunning; }
    QString answer() const;

signals:
    // A check or registration ended; succeeded when the rotor program said so.
    void finished(bool succeeded);

private:
    void showModels();
    void run(const QString& action);
    void ended(int exitCode, QProcess::ExitStatus status);
    RotorSetup edited() const;
    void fill(const RotorSetup& setup);

    // Ends the rotor program that runs now: the link to it starts the newly registered one.
    void endRunningRotorProgram() const;

    QString rotorProgram_;
    QProcess process_;
    QString action_;  // "--check" or "--register" while one runs
    std::vector<RotorSetup::Model> models_;
    RotorSetup shown_;  // what the fields were filled with: otherConf is kept from it

    QLineEdit* search_;
    QListWidget* modelList_;
    QLineEdit* device_;
    QComboBox* serialSpeed_;
    QLineEdit* minAzimuth_;
    QLineEdit* maxAzimuth_;
    QLineEdit* rotctld_;
    QLineEdit* web_;
    QLineEdit* pst_;
    QLineEdit* n1mm_;
    QLineEdit* parkAzimuth_;
    QLineEdit* parkElevation_;
    QLineEdit* deadBand_;
    QLineEdit* leastInterval_;
    QPushButton* checkButton_;
    QPushButton* applyButton_;
    QPlainTextEdit* answer_;
};
