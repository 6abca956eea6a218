// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "settings/WsjtxSettings.h"

#include <QObject>
#include <QString>
#include <QTimer>

class QUdpSocket;
struct WsjtxMessage;

// Listens for the UDP messages of WSJT-X and JTDX, passes on what they decode, and announces the
// station being worked once it has settled. WSJT-X sends a status for every key typed into its DX call field, so a partner
// counts only after it has stayed the same for settleTime: the rotor never chases "VK2", "VK2A",
// "VK2AB" on the way to "VK2ABC". The partner is the DX grid when it is a locator, else the DX
// call when the grid is empty. A unicast port is bound exclusively: a second program (or a second
// copy of this one) that binds it later fails visibly instead of silently taking the datagrams.
// A multicast group shares its address and port, so that other listeners (GridTracker, a logger)
// can join beside it; it is joined on the loopback interface unless the settings name another.
// Every datagram that does not decode is dropped.
class WsjtxLink : public QObject {
    Q_OBJECT
public:
    static constexpr int defaultSettleTime = 1000;  // ms
    static constexpr int datagramsPerTurn = 64;  // read before the event loop gets a turn

    explicit WsjtxLink(QObject* parent = nullptr);

    // Closes the socket and, when enabled, binds it anew (joining the group for a multicast
    // address); false when that fails, for example for an address that is not this machine's.
    bool listen(const WsjtxSettings& settings);
    bool isListening() const;
    quint16 localPort() const;
    // Whether datagrams from other machines reach the link: listening on an address other than
    // the loopback, or on a group joined beyond it.
    bool isOpenToNetwork() const { return isListening() && openToNetwork_; }
    // Why the last listen() failed when another socket holds the port: "Port 2237 belegt von
    // wsjtx (PID 4711)" or "Port 2237 belegt"; empty otherwise.
    const QString& portTaken() const { return portTaken_; }
    // The socket's receive buffer as the kernel granted it, bytes.
    int receiveBufferSize() const;

    int settleTime = defaultSettleTime;  // ms; tests shorten it

signals:
    // A locator (4 or 6 characters) or a callsign, once per change of the settled partner.
    void partnerSettled(const QString& partner);
    // A message decoded from the air by the instance clientId ("CQ DL1ABC JO31").
    void decoded(const QString& clientId, const QString& text);
    // The instance cleared its band activity.
    void cleared(const QString& clientId);
    // The instance's status: its radio is tuned to that dial frequency, kHz.
    void tuned(const QString& clientId, double dialFrequencyKhz);

private:
    bool bind(const WsjtxSettings& settings);
    void readPending();
    void take(const WsjtxMessage& message);
    void settle();

    QUdpSocket* socket_;
    QTimer settleTimer_;
    QString pending_;  // partner of the latest status, empty for none
    QString settled_;  // partner last announced
    bool openToNetwork_ = false;
    QString portTaken_;
};
