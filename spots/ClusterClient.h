// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "spots/ClusterLine.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <vector>

class QTcpSocket;
class QTimer;

// The telnet link to a DX cluster: connects, answers the login prompt with the operator's call,
// reads the spot lines and hands each readable one on. After a drop or a failed connection it
// tries again by itself, first after 1 s, then 2 s, then every 30 s, until stopped. Lines longer
// than ClusterLine::maximumBytes are dropped unread, so a hostile or broken peer cannot make it
// hold more than that.
class ClusterClient : public QObject {
    Q_OBJECT
public:
    enum class State { Off, Connecting, Connected, Waiting };

    // Waits between attempts, milliseconds; the last repeats.
    explicit ClusterClient(std::vector<int> retryDelays = {1000, 2000, 30000}, QObject* parent = nullptr);
    ~ClusterClient() override;

    // Connects to host:port and logs in as call; an empty host or port 0 switches the link off.
    void start(const QString& host, quint16 port, const QString& call);
    void stop();
    State state() const { return state_; }

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
    std::vector<int> retryDelays_;
    std::size_t attempt_ = 0;  // failed attempts since the last good connection
    QString host_, call_;
    quint16 port_ = 0;
    QByteArray pending_;         // bytes of a line not yet ended
    bool discarding_ = false;    // inside an over-long line, up to its end
    bool loggedIn_ = false;
    State state_ = State::Off;
};
