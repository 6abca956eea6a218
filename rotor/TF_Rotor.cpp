// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/TF_Rotor.h"

#include "platform/DdeClientConversation.h"
#include "platform/DdeNames.h"
#include "platform/DdeServer.h"
#include "platform/NamedMutex.h"
#include "platform/Registry.h"
#include "platform/RegistryKeys.h"
#include "rotor/OptimisedPath.h"
#include "rotor/RotorMacros.h"
#include "session/Session.h"
#include "widgets/ErrorBox.h"
#include "widgets/GuardedConnection.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QFileInfo>
#include <QDBusPendingCallWatcher>
#include <QProcess>
#include <QTimer>

const QString TF_Rotor::serverTopic = QStringLiteral("AntDaten");
const QString TF_Rotor::rotorTopic = QStringLiteral("RotServConv");
const QString TF_Rotor::mutexName = QStringLiteral("KQ_DDE_used");

TF_Rotor::TF_Rotor(Session& session, RotorLinkTiming timing)
    : session_(session),
      Timer1(new QTimer(this)),
      AntDaten(new DdeServer(QDBusConnection::sessionBus(), DdeNames::ownService(QCoreApplication::applicationFilePath()),
                             serverTopic,
                             [this](const QString& sender, const QString& macro) {
                                 // A transaction whose handling runs to its end is acknowledged.
                                 bool handled = false;
                                 ErrorBox::guard([&] {
                                     AntDatenExecuteMacro(sender, RotorMacros::lines(macro));
                                     handled = true;
                                 });
                                 return handled;
                             },
                             this)),
      DdeClientConv1(new DdeClientConversation(QDBusConnection::sessionBus(), this)),
      timing_(timing)
{
    Timer1->setInterval(timing_.connectInterval);
    connectGuarded(Timer1, &QTimer::timeout, this, &TF_Rotor::Timer1Timer);
    // Only the rotor program's own departure ends the link: any other program may call AntDaten
    // and leave the bus again.
    connect(AntDaten, &DdeServer::conversationClosed, this, [this](const QString& sender) {
        if (session_.rotorState().rotorConnected && sender == DdeClientConv1->serverConnection())
            DdeClientConv1Close();
    });
    connect(DdeClientConv1, &DdeClientConversation::closed, this, [this] { DdeClientConv1Close(); });
    ErrorBox::guard([this] { FormCreate(); });
}

TF_Rotor::~TF_Rotor() = default;

void TF_Rotor::FormCreate()
{
    session_.setRotorState(RotorState());  // no azimuth until the first status
    targetAzimuth_ = 0;
    targetElevation_ = 0;
    sendPending_ = false;
    foreignGoal_.reset();
    rotorMacroLines.clear();
    Timer1->start();
    // Without a session bus the program runs as a pure calculator, without a rotor.
    AntDaten->registerService();
}

void TF_Rotor::FormDestroy()
{
    Timer1->stop();
    DdeClientConv1->disconnectFromServer();
    AntDaten->unregisterService();
    rotorMutex.reset();
    rotorMacroLines.clear();
}

void TF_Rotor::Timer1Timer()
{
    // A rotor program that still owns its name but sends nothing is as good as gone.
    if (session_.rotorState().rotorConnected && sinceStatus_.elapsed() > timing_.silenceLimit)
        DdeClientConv1Close();
    if (session_.rotorState().rotorConnected)
        return;
    // The own service may have been taken by another program at start: without it no status
    // could reach this program, so the attempt waits until the name is ours.
    if (!AntDaten->isRegistered() && !AntDaten->registerService())
        return;
    rotorMutex = std::make_unique<NamedMutex>(mutexName);
    // Another program holds the name: it has the link to the rotor program; skip this tick.
    if (rotorMutex->tryLock())
        ConnectRotor();
    if (!session_.rotorState().rotorConnected)
        rotorMutex.reset();
}

void TF_Rotor::ConnectRotor()
{
    if (session_.rotorState().rotorConnected)
        return;
    const QString path = Registry::readString(RegistryKeys::Rotor::company, RegistryKeys::Rotor::program);
    if (path.isEmpty())
        return;
    const QFileInfo program(path);
    RotorState state = session_.rotorState();
    state.rotorProgramFolder = program.path() + u'/';
    session_.setRotorState(state);
    emit connecting();
    const QString service = DdeNames::programService(path);
    DdeClientConv1->disconnectFromServer();
    if (!DdeClientConv1->connectTo(service, rotorTopic) && startRotorProgram(path))
        DdeClientConv1->connectTo(service, rotorTopic);
    if (!DdeClientConv1->isConnected())
        return;  // the next tick tries again
    rotorMacroLines = RotorMacros::helloLines(RotorMacros::applicationTitle(QCoreApplication::applicationFilePath()));
    state.rotorConnected = DdeClientConv1->executeAsync(RotorMacros::text(rotorMacroLines));
    session_.setRotorState(state);
    sinceStatus_.start();
}

bool TF_Rotor::startRotorProgram(const QString& path)
{
    if (lastStart_.isValid() && lastStart_.elapsed() < timing_.restartPause)
        return false;
    lastStart_.start();
    // Detached, with no pipe of ours kept open in it.
    QProcess process;
    process.setProgram(path);
    process.setWorkingDirectory(QFileInfo(path).path());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

void TF_Rotor::AntDatenExecuteMacro(const QString& sender, const QStringList& macro)
{
    RotorState state = session_.rotorState();
    const RotorMacros::StatusResult result = RotorMacros::parseStatus(macro, state);
    if (result == RotorMacros::StatusResult::Complete)
        state.rotorForeignGoal = foreignGoal_.update(state.rotorGoalAzimuth, state.rotorGoalCount,
                                                     state.rotorMinAzimuth, state.rotorMaxAzimuth);
    if (result != RotorMacros::StatusResult::Complete) {
        session_.setRotorState(state);
        return;
    }
    if (sender == DdeClientConv1->serverConnection())
        sinceStatus_.start();
    session_.takeRotorStatus(state);
    if (!sendPending_)
        return;
    sendPending_ = false;
    // A reply that cannot be built (a target beyond the integer range) or sent (the client
    // conversation is closed) is dropped silently.
    try {
        rotorMacroLines = RotorMacros::targetLines(targetAzimuth_, targetElevation_);
        if (DdeClientConv1->executeAsync(RotorMacros::text(rotorMacroLines)))
            foreignGoal_.sent(targetAzimuth_);
    } catch (const std::exception&) {
    }
}

void TF_Rotor::DdeClientConv1Close()
{
    RotorState state = session_.rotorState();
    const bool wasConnected = state.rotorConnected;
    DdeClientConv1->disconnectFromServer();
    state.rotorConnected = false;
    state.rotorForeignGoal.reset();
    foreignGoal_.reset();
    rotorMutex.reset();
    // No status will come: nothing may go on showing the last one.
    if (wasConnected)
        session_.loseRotorLink(state);
    else
        session_.setRotorState(state);
}

bool TF_Rotor::callRotorProgram(const QString& method, std::function<void(const QDBusError&)> answered)
{
    const QString path = Registry::readString(RegistryKeys::Rotor::company, RegistryKeys::Rotor::program);
    if (path.isEmpty() || !session_.rotorState().rotorConnected)
        return false;
    const QString service = DdeNames::busName(DdeNames::programService(path));
    QDBusMessage call = QDBusMessage::createMethodCall(service, QStringLiteral("/Rotor"), QStringLiteral("corvane.Rotor"),
                                                       method);
    auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, answered = std::move(answered)] {
        watcher->deleteLater();
        answered(watcher->error());
    });
    return true;
}

void TF_Rotor::park()
{
    // The park position is the rotor program's choice, but the target is this program's own.
    foreignGoal_.expectOwn();
    const auto refused = [this](const QString& reason) {
        emit parkRefused(QCoreApplication::translate("TF_Rotor", "Parken nicht möglich: %1").arg(reason));
    };
    if (!callRotorProgram(QStringLiteral("Park"), [refused](const QDBusError& error) {
            if (error.isValid())
                refused(error.message());
        }))
        refused(QCoreApplication::translate("TF_Rotor", "Kein Rotorprogramm verbunden"));
}

double TF_Rotor::OptimiseRotorTarget(double azimuth, double overlap, bool optimise) const
{
    return OptimisedPath::rotorTarget(azimuth, OptimisedPath::Travel::of(session_.rotorState()), overlap, optimise);
}

void TF_Rotor::turnTo(double azimuth)
{
    targetAzimuth_ = azimuth;
    sendPending_ = true;
}

void TF_Rotor::stop()
{
    // The rotor program stops the rotator at once, outside the pace of the targets; a target
    // falling back to an older reading would turn the antenna back a little. A rotor program
    // without that call gets the reported azimuth as its target, as with every rotor program.
    cancelTarget();
    const bool asked = callRotorProgram(QStringLiteral("Stop"), [this](const QDBusError& error) {
        if (error.type() == QDBusError::UnknownObject || error.type() == QDBusError::UnknownInterface ||
            error.type() == QDBusError::UnknownMethod) {
            withdrawTarget();
            sendPending_ = true;
        }
    });
    if (!asked)
        sendPending_ = true;
}

void TF_Rotor::withdrawTarget()
{
    // Without a reading there is no place to fall back to: the target stays.
    if (const auto azimuth = session_.rotorState().rotorAzimuth)
        targetAzimuth_ = *azimuth;
}

void TF_Rotor::cancelTarget()
{
    withdrawTarget();
    sendPending_ = false;
}

void TF_Rotor::setTargetElevation(double elevation)
{
    targetElevation_ = elevation;
}
