// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "rotor/DirectionsList.h"
#include "rotorbridge/BeamPicture.h"
#include "rotorbridge/Endpoint.h"
#include "rotorbridge/LoginThrottle.h"
#include "rotorbridge/WebSessions.h"

#include <QHttpServer>
#include <QObject>
#include <QPointer>
#include <QTcpSocket>
#include <QThreadPool>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class BridgeLog;
class QWebSocket;
class RotorCommands;

// The rotor's web page: a browser logs in with the stored password and then sees the azimuth live
// and turns, stops and parks the antenna through the same rules as every other client. Every file
// comes from the program itself under a strict Content-Security-Policy; every request that
// changes something needs the session cookie, the session's token in the X-Corvane-Token header and
// an Origin of the page itself, else it gets 401 or 403 and changes nothing.
class WebFace : public QObject {
    Q_OBJECT
public:
    struct Setup {
        QString passwordPath;             // the stored key of the password
        std::function<qint64()> clock;    // ms, never going back
        // Where a locator or callsign typed into the page goes (Corvane makes it the partner and
        // turns there); empty: only azimuths are taken.
        std::function<void(const QString&)> partner;
        // The TLS pair the user gave; empty: the one made for the page (WebCertificate).
        QString certificatePath;
        QString keyPath;
        QString beamMapPath;     // Corvane's beam map (BMP); empty or missing: none on the page
        QString directionsPath;  // the directions list (Data.txt), the page's presets
    };
    static const QByteArray tokenHeader;

    WebFace(RotorCommands& commands, Setup setup, BridgeLog& log, QObject* parent = nullptr);
    ~WebFace() override;

    // Serves the page there; returns why not, empty on success. Beyond the loopback only with a
    // password set and only over HTTPS; on the loopback over HTTPS too when a certificate is given.
    QString listen(const Endpoint& endpoint);
    bool secure() const { return secure_; }
    quint16 port() const { return port_; }
    // Sends the rotor's state to every open page; the program calls it at every reading.
    void publish();
    // Whether the page asks for no password: on the loopback while none is set, as the other
    // clients' ports.
    bool open() const;
    // Logins whose password is being checked or waits for its check.
    int loginsWaiting() const { return int(pendingLogins_.size()); }

private:
    // The session a request belongs to; null without a live one.
    const WebSessions::Session* sessionOf(const QHttpServerRequest& request);
    // Why a changing request is refused: 401 without a session, 403 without its token or with
    // a foreign Origin; nothing when it may go ahead.
    std::optional<QHttpServerResponse> refusal(const QHttpServerRequest& request);
    bool sameOrigin(const QByteArray& origin, const QByteArray& host) const;
    // A login is checked on a thread of its own (the key derivation takes a good part of a second,
    // which the rotor's readings and stops must not wait for) and answered when it is done.
    void login(const QHttpServerRequest& request, QHttpServerResponder&& responder);
    void loginChecked(int id, bool right);
    // Answers through the responder with the headers every answer has.
    static void reply(QHttpServerResponder& responder, const QHttpServerResponse& response,
                      const QByteArray& cookie = QByteArray());
    QHttpServerResponse turn(const QHttpServerRequest& request, bool longPath);
    // The directions list, read again when its file has changed.
    const DirectionsList& directions();
    // The directions list's entries as the page's presets: name, azimuth and elevation texts.
    QHttpServerResponse presets();
    QHttpServerResponse turnToPreset(const QHttpServerRequest& request);
    QHttpServerResponse answer(const QString& refused) const;
    QByteArray stateJson() const;
    void takeWebSocket();
    void addRoutes();

    RotorCommands& commands_;
    Setup setup_;
    BridgeLog& log_;
    QHttpServer server_;
    WebSessions sessions_;
    LoginThrottle throttle_;
    Endpoint endpoint_;
    quint16 port_ = 0;
    bool secure_ = false;
    std::vector<std::unique_ptr<QWebSocket>> live_;
    BeamPicture beamPicture_;
    DirectionsList directions_;
    bool elevated_ = false;  // whether the rotator turns in elevation too
    struct PendingLogin {
        QHttpServerResponder responder;
        QPointer<QTcpSocket> socket;  // gone when the browser went away meanwhile
        QHostAddress from;
    };
    std::map<int, std::unique_ptr<PendingLogin>> pendingLogins_;
    int nextLogin_ = 0;
    // Last, so that it is gone first: its threads end before the logins they answer.
    QThreadPool checker_;
};
