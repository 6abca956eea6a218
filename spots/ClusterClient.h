// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "spots/ClusterLine.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QTcpSocket;
class QTimer;

// The cluster link's waits; tests shorten them.
struct ClusterTiming {
    int firstWaitMs = 1000;         // ms
    int longestWaitMs = 5 * 60000;  // ms
    int shortSessionMs = 30000;     // ms: a session ending sooner counts as a failure
};

// The telnet link to a DX cluster: connects, answers the login prompt with the operator's call,
// reads the spot lines and hands each readable one on. Without a call it does not connect at
// all: a cluster takes no empty login. After a failed connection, or a session that ended
// sooner than shortSessionMs (a cluster refusing the login closes at once), it tries again after
// a wait that doubles from firstWaitMs up to longestWaitMs (1 s to 5 min); a longer
// session starts the waits from the first again. Lines longer than ClusterLine::maximumBytes are
// dropped unread, so a hostile or broken peer cannot make it hold more than that.
class ClusterClient : public QObject {
    Q_OBJECT
public:
    enum class State { Off, NoCall, Connecting, Connected, Waiting };

    explicit ClusterClient(ClusterTiming timing = {}, QObject* parent = nullptr);
    ~ClusterClient() override;

    // Connects to host:port and logs in as call; an empty host or port 0 switches the link off,
    // an empty call leaves it in NoCall.
    void start(const QString& host, quint16 port, const QString& call);
    void stop();
    State state() const { return state_; }
    // The state as the parameter window shows it, in German; empty for Off.
    static QString stateText(State state);

signals:
    void spotReceived(const ClusterLine& spot);
    void stateChanged(ClusterClient::State state);

private:
    void connectNow();
    void readLines();
    void dropped();
    void setState(State state);

    QTcpSocket* socket_;
    QTimer* retryTimer_;
    ClusterTiming timing_;
    int nextWaitMs_ = 0;       // ms before the next attempt after a failure
    QElapsedTimer session_;    // since the connection opened; invalid while none is open
    QString host_, call_;
    quint16 port_ = 0;
    QByteArray pending_;         // bytes of a line not yet ended
    bool discarding_ = false;    // inside an over-long line, up to its end
    bool loggedIn_ = false;
    State state_ = State::Off;
};
