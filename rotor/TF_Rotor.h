// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "rotor/ForeignGoal.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

class Session;

class DdeClientConversation;
class QDBusError;
class DdeServer;
class NamedMutex;
class QTimer;

// The rotor link's intervals, ms; tests shorten them.
struct RotorLinkTiming {
    int connectInterval = 2000;  // one connection attempt per interval while not connected
    // Pause between two starts of the rotor program: one that cannot open its rotator ends at
    // once and must not be started again at every tick.
    qint64 restartPause = 30000;
    qint64 silenceLimit = 10000;  // without a status from the rotor program, a link counts as lost
};

// The rotor link: the DDE link to the rotor-control program. As client it sends the hello and the
// targets on the topic "RotServConv"; as server it takes the rotor program's status macros on the
// topic "AntDaten" into the session's rotor state, which tells the windows, and answers each with
// the pending target. It alone writes the session's rotor state; the windows ask it to turn or stop.
class TF_Rotor : public QObject {
    Q_OBJECT
    // What this window works with, handed in by the program.
    Session& session_;

public:
    static const QString serverTopic;  // "AntDaten"
    static const QString rotorTopic;   // "RotServConv"
    static const QString mutexName;    // "KQ_DDE_used"

    explicit TF_Rotor(Session& session, RotorLinkTiming timing = {});
    ~TF_Rotor() override;

    void FormDestroy();

    // The azimuth to command for a target azimuth, degrees: the shorter way round, through the
    // overlap beyond the travel ends (degrees), when optimise is set (OptimisedPath::rotorTarget).
    // The caller hands in the parameters in force, so that a change takes effect at the next target.
    double OptimiseRotorTarget(double azimuth, double overlap, bool optimise) const;
    // The rotor turns to the azimuth: it goes out with the reply to the next status, degrees.
    void turnTo(double azimuth);
    // The rotor stops where it stands: its reported azimuth goes out as the target.
    void stop();
    // The target falls back to where the rotor stands, without sending it.
    void withdrawTarget();
    // As withdrawTarget, and a target not yet sent stays unsent.
    void cancelTarget();
    // The elevation that goes out with every target, degrees.
    void setTargetElevation(double elevation);
    double targetAzimuth() const { return targetAzimuth_; }      // degrees
    double targetElevation() const { return targetElevation_; }  // degrees
    bool sendPending() const { return sendPending_; }
    // Asks the rotor program to park the rotator (its registered park position, or the rotator's
    // own); a refusal comes as parkRefused.
    void park();

signals:
    // An attempt to link up begins; rotorState.rotorProgramFolder names the rotor program's folder.
    void connecting();
    // The rotor program did not park: why, in German, for a box ("Parken nicht möglich: …").
    void parkRefused(const QString& message);

private:
    // Tests deliver statuses and ticks as the bus and the timer would (tests/support).
    friend class RotorLinkProbe;

    void FormCreate();
    // One connection attempt per connectInterval while not connected.
    void Timer1Timer();
    void ConnectRotor();
    // Handles one status macro; sender is the bus name of the program that sent it.
    void AntDatenExecuteMacro(const QString& sender, const QStringList& macro);
    // Either conversation has closed: the link is lost.
    void DdeClientConv1Close();
    bool startRotorProgram(const QString& path);
    // Calls a method of the linked rotor program's "/Rotor" interface without waiting; answered
    // gets its error (none when it did what was asked). False, and no call, while no rotor
    // program is linked.
    bool callRotorProgram(const QString& method, std::function<void(const QDBusError&)> answered);

    QTimer* Timer1;
    DdeServer* AntDaten;
    DdeClientConversation* DdeClientConv1;
    const RotorLinkTiming timing_;

    std::unique_ptr<NamedMutex> rotorMutex;  // held while connected
    QElapsedTimer lastStart_;                // since the last start of the rotor program
    QElapsedTimer sinceStatus_;              // since the hello or the rotor program's last status
    QStringList rotorMacroLines;             // the outgoing macro being built
    double targetAzimuth_ = 0;               // degrees
    double targetElevation_ = 0;             // degrees
    bool sendPending_ = false;               // the target goes out with the next reply
    ForeignGoal foreignGoal_;                // tells this program's targets from other clients'
};
