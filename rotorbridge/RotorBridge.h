#pragma once

#include "rotorbridge/HamlibRotator.h"

#include <QDBusConnection>
#include <QObject>
#include <QTimer>

class DdeClientConversation;
class DdeServer;

// The rotor program's link to Corvane: serves the topic "RotServConv" under its own service;
// on a hello "ZD <title>" it opens a conversation to (title, "AntDaten"), sends the rotator's
// status there every 500 ms and turns the rotator to the targets it receives.
class RotorBridge : public QObject {
    Q_OBJECT
public:
    // Travel ends in whole degrees, as reported to Corvane and enforced on targets.
    RotorBridge(QDBusConnection bus, const QString& service, HamlibRotator& rotator, int minAzimuth, int maxAzimuth,
                QObject* parent = nullptr);

    // False when another program already serves the service.
    bool start();

signals:
    void busLost();

private:
    bool executeMacro(const QString& macro);
    void sendStatus();

    QDBusConnection bus_;
    HamlibRotator& rotator_;
    int minAzimuth_;
    int maxAzimuth_;
    DdeServer* server_;
    DdeClientConversation* corvane_;
    QTimer statusTimer_;
    std::optional<double> lastAzimuth_;  // degrees, from the previous status
    bool positionFailed_ = false;        // reported once per failure spell
};
