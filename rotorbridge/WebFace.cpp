// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/WebFace.h"

#include "rotor/DirectionLine.h"
#include "rotorbridge/BoundedSslServer.h"
#include "rotorbridge/BoundedTcpServer.h"
#include "rotorbridge/BridgeLog.h"
#include "rotorbridge/LenientNumber.h"
#include "rotorbridge/RotctldServer.h"
#include "rotorbridge/RotorCommands.h"
#include "rotorbridge/WebCertificate.h"
#include "rotorbridge/WebPage.h"
#include "rotorbridge/WebPassword.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSslConfiguration>
#include <QUrlQuery>
#include <QWebSocket>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int mostLivePages = 100;
constexpr size_t mostPendingLogins = 4;
const QString client = QStringLiteral("Web");

// Every answer: nothing from elsewhere may be loaded, framed or sniffed.
const std::pair<QByteArray, QByteArray> securityHeaders[] = {
    {"Content-Security-Policy",
     "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; connect-src 'self'; "
     "form-action 'self'; frame-ancestors 'none'; base-uri 'none'"},
    {"X-Content-Type-Options", "nosniff"},
    {"Referrer-Policy", "no-referrer"},
    {"Cache-Control", "no-store"},
    {"X-Frame-Options", "DENY"},
};

QHttpServerResponse staticFile(const QString& name, const QByteArray& type)
{
    QFile file(QStringLiteral(":/web/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return QHttpServerResponse(QHttpServerResponse::StatusCode::NotFound);
    return QHttpServerResponse(type, file.readAll());
}

QHttpServerResponse json(const QJsonObject& object, QHttpServerResponse::StatusCode status =
                                                        QHttpServerResponse::StatusCode::Ok)
{
    return QHttpServerResponse("application/json", QJsonDocument(object).toJson(QJsonDocument::Compact), status);
}

QHttpServerResponse refused(QHttpServerResponse::StatusCode status, const QString& why)
{
    return json({{QStringLiteral("error"), why}}, status);
}

}  // namespace

const QByteArray WebFace::tokenHeader = "X-Corvane-Token";

WebFace::WebFace(RotorCommands& commands, Setup setup, BridgeLog& log, QObject* parent)
    : QObject(parent), commands_(commands), setup_(std::move(setup)), log_(log), sessions_(setup_.clock),
      throttle_(setup_.clock), beamPicture_(setup_.beamMapPath)
{
    // One check at a time: a flood of logins costs one core at most.
    checker_.setMaxThreadCount(1);
    addRoutes();
    connect(&server_, &QHttpServer::newWebSocketConnection, this, &WebFace::takeWebSocket);
}

WebFace::~WebFace() = default;

QString WebFace::listen(const Endpoint& endpoint)
{
    endpoint_ = endpoint;
    const bool loopback = endpoint.address.isLoopback();
    if (!loopback && WebPassword::load(setup_.passwordPath).isEmpty())
        return QCoreApplication::translate("WebFace", "ohne Passwort (CorvaneRotor --set-web-password) nur auf dem eigenen Rechner");
    const ByteBound::Cut cut = [this](const QHostAddress& client) {
        log_.write(QCoreApplication::translate("WebFace", "Web: Verbindung von %1 getrennt, sie schickte mehr als 1 MiB.")
                       .arg(client.toString()));
    };
    std::unique_ptr<QTcpServer> tcp;
    if (WebCertificate::needed(endpoint.address, setup_.certificatePath)) {
        QString error;
        const auto pair = WebCertificate::obtain(setup_.certificatePath, setup_.keyPath, endpoint.address, &error);
        if (!pair)
            return error;
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setLocalCertificate(pair->certificate);
        tls.setPrivateKey(pair->key);
        tls.setProtocol(QSsl::TlsV1_2OrLater);
        tcp = std::make_unique<BoundedSslServer>(tls, ByteBound::defaultMaxBytes, cut);
        secure_ = true;
    } else {
        tcp = std::make_unique<BoundedTcpServer>(ByteBound::defaultMaxBytes, cut);
    }
    // Opened as the rotctld server opens its port: a port taken names its holder.
    if (const QString error = RotctldServer::listenOn(*tcp, endpoint); !error.isEmpty())
        return error;
    port_ = tcp->serverPort();
    const HamlibRotator::Range elevations = commands_.elevationRange();
    elevated_ = elevations.maximum > elevations.minimum;
    server_.bind(tcp.release());
    return QString();
}

void WebFace::addRoutes()
{
    using Method = QHttpServerRequest::Method;
    using Status = QHttpServerResponse::StatusCode;
    // The language is the run's: the document is filled in once.
    server_.route(QStringLiteral("/"), Method::Get, [page = WebPage::index()] { return QHttpServerResponse("text/html; charset=utf-8", page); });
    server_.route(QStringLiteral("/app.js"), Method::Get, [] { return staticFile(QStringLiteral("app.js"), "text/javascript; charset=utf-8"); });
    server_.route(QStringLiteral("/style.css"), Method::Get, [] { return staticFile(QStringLiteral("style.css"), "text/css; charset=utf-8"); });
    // The live readings' WebSocket: the server upgrades a request only once a route has taken
    // it, and answers nothing here; takeWebSocket then checks the session and Origin.
    server_.route(QStringLiteral("/live"), Method::Get, [](const QHttpServerRequest&, QHttpServerResponder&&) {});
    server_.route(QStringLiteral("/login"), Method::Post, [this](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
        login(request, std::move(responder));
    });
    server_.route(QStringLiteral("/api/session"), Method::Get, [this](const QHttpServerRequest& request) {
        const WebSessions::Session* session = sessionOf(request);
        if (!session)
            return refused(Status::Unauthorized, QCoreApplication::translate("WebFace", "Bitte anmelden"));
        QHttpServerResponse response = json({{QStringLiteral("token"), QString::fromLatin1(session->token)}});
        response.addHeader("Set-Cookie", WebSessions::cookie(*session, secure_));
        return response;
    });
    server_.route(QStringLiteral("/api/state"), Method::Get, [this](const QHttpServerRequest& request) {
        if (!sessionOf(request))
            return refused(Status::Unauthorized, QCoreApplication::translate("WebFace", "Bitte anmelden"));
        return QHttpServerResponse("application/json", stateJson());
    });
    server_.route(QStringLiteral("/beam.png"), Method::Get, [this](const QHttpServerRequest& request) {
        if (!sessionOf(request))
            return refused(Status::Unauthorized, QCoreApplication::translate("WebFace", "Bitte anmelden"));
        const QByteArray png = beamPicture_.png();
        if (png.isEmpty())
            return QHttpServerResponse(Status::NotFound);
        return QHttpServerResponse("image/png", png);
    });
    server_.route(QStringLiteral("/api/presets"), Method::Get, [this](const QHttpServerRequest& request) {
        if (!sessionOf(request))
            return refused(Status::Unauthorized, QCoreApplication::translate("WebFace", "Bitte anmelden"));
        return presets();
    });
    server_.route(QStringLiteral("/api/preset"), Method::Post, [this](const QHttpServerRequest& request) { return turnToPreset(request); });
    server_.route(QStringLiteral("/api/turn"), Method::Post, [this](const QHttpServerRequest& request) { return turn(request, false); });
    server_.route(QStringLiteral("/api/longpath"), Method::Post, [this](const QHttpServerRequest& request) { return turn(request, true); });
    server_.route(QStringLiteral("/api/stop"), Method::Post, [this](const QHttpServerRequest& request) {
        if (auto refusedNow = refusal(request))
            return std::move(*refusedNow);
        return answer(commands_.stop(client));
    });
    server_.route(QStringLiteral("/api/park"), Method::Post, [this](const QHttpServerRequest& request) {
        if (auto refusedNow = refusal(request))
            return std::move(*refusedNow);
        return answer(commands_.park(client));
    });
    server_.route(QStringLiteral("/logout"), Method::Post, [this](const QHttpServerRequest& request) {
        if (auto refusedNow = refusal(request))
            return std::move(*refusedNow);
        sessions_.close(WebSessions::idIn(request.value("Cookie")));
        QHttpServerResponse response(Status::NoContent);
        response.addHeader("Set-Cookie", WebSessions::endingCookie(secure_));
        return response;
    });
    server_.afterRequest([](QHttpServerResponse&& response) {
        for (const auto& [name, value] : securityHeaders)
            response.setHeader(name, value);
        return std::move(response);
    });
}

const WebSessions::Session* WebFace::sessionOf(const QHttpServerRequest& request)
{
    if (const WebSessions::Session* session = sessions_.use(WebSessions::idIn(request.value("Cookie"))))
        return session;
    // Without a password the page needs no login: a session is made for it.
    return open() ? &sessions_.open() : nullptr;
}

bool WebFace::open() const
{
    return endpoint_.address.isLoopback() && WebPassword::load(setup_.passwordPath).isEmpty();
}

// The page's own scheme and the host the browser asked for; a page elsewhere names its own.
bool WebFace::sameOrigin(const QByteArray& origin, const QByteArray& host) const
{
    return !host.isEmpty() && origin == (secure_ ? "https://" : "http://") + host;
}

std::optional<QHttpServerResponse> WebFace::refusal(const QHttpServerRequest& request)
{
    using Status = QHttpServerResponse::StatusCode;
    if (!sessions_.use(WebSessions::idIn(request.value("Cookie"))))
        return refused(Status::Unauthorized, QCoreApplication::translate("WebFace", "Bitte anmelden"));
    if (!sameOrigin(request.value("Origin"), request.value("Host")))
        return refused(Status::Forbidden, QCoreApplication::translate("WebFace", "Fremde Herkunft"));
    if (!sessions_.allows(WebSessions::idIn(request.value("Cookie")), request.value(tokenHeader)))
        return refused(Status::Forbidden, QCoreApplication::translate("WebFace", "Ohne gültiges Token"));
    return std::nullopt;
}

void WebFace::login(const QHttpServerRequest& request, QHttpServerResponder&& responder)
{
    using Status = QHttpServerResponse::StatusCode;
    const QString from = request.remoteAddress().toString();
    if (!sameOrigin(request.value("Origin"), request.value("Host")))
        return reply(responder, refused(Status::Forbidden, QCoreApplication::translate("WebFace", "Fremde Herkunft")));
    const qint64 wait = throttle_.waitMs(request.remoteAddress());
    // Only a few logins wait for their check at a time; more would only queue up work.
    if (wait > 0 || pendingLogins_.size() >= mostPendingLogins) {
        const qint64 seconds = std::max<qint64>(1, (wait + 999) / 1000);
        if (wait > 0)
            log_.write(QCoreApplication::translate("WebFace", "Web: Anmeldung von %1 abgewiesen, noch %2 s Wartezeit nach Fehlversuchen.")
                           .arg(from)
                           .arg(seconds));
        QHttpServerResponse response = refused(Status::TooManyRequests, QCoreApplication::translate("WebFace", "Zu viele Fehlversuche, bitte warten"));
        response.addHeader("Retry-After", QByteArray::number(seconds));
        return reply(responder, response);
    }
    // A form body: "password=..." with spaces as '+'.
    QByteArray body = request.body();
    body.replace('+', "%20");
    const QString password = QUrlQuery(QString::fromUtf8(body)).queryItemValue(QStringLiteral("password"), QUrl::FullyDecoded);
    const QByteArray stored = WebPassword::load(setup_.passwordPath);
    const int id = nextLogin_++;
    QTcpSocket* socket = responder.socket();
    pendingLogins_[id] = std::make_unique<PendingLogin>(PendingLogin {std::move(responder), socket, request.remoteAddress()});
    checker_.start([this, id, password, stored] {
        const bool right = !stored.isEmpty() && WebPassword::matches(password, stored);
        QMetaObject::invokeMethod(this, [this, id, right] { loginChecked(id, right); }, Qt::QueuedConnection);
    });
}

void WebFace::loginChecked(int id, bool right)
{
    using Status = QHttpServerResponse::StatusCode;
    const auto found = pendingLogins_.find(id);
    if (found == pendingLogins_.end())
        return;
    const std::unique_ptr<PendingLogin> pending = std::move(found->second);
    pendingLogins_.erase(found);
    const QString from = pending->from.toString();
    if (!right) {
        const qint64 wait = throttle_.failed(pending->from);
        log_.write(QCoreApplication::translate("WebFace", "Web: falsches Passwort von %1%2.")
                       .arg(from, wait > 0 ? QCoreApplication::translate("WebFace", ", nächster Versuch in %1 s").arg(wait / 1000)
                                           : QString()));
    } else {
        throttle_.succeeded(pending->from);
    }
    // A browser gone meanwhile gets no answer, and no session is opened for it.
    if (!pending->socket || pending->socket->state() != QAbstractSocket::ConnectedState)
        return;
    if (!right)
        return reply(pending->responder, refused(Status::Unauthorized, QCoreApplication::translate("WebFace", "Falsches Passwort")));
    const WebSessions::Session& session = sessions_.open();
    log_.write(QCoreApplication::translate("WebFace", "Web: angemeldet von %1.").arg(from));
    reply(pending->responder, json({{QStringLiteral("token"), QString::fromLatin1(session.token)}}),
          WebSessions::cookie(session, secure_));
}

void WebFace::reply(QHttpServerResponder& responder, const QHttpServerResponse& response, const QByteArray& cookie)
{
    responder.writeStatusLine(QHttpServerResponder::StatusCode(response.statusCode()));
    responder.writeHeader("Content-Type", response.mimeType());
    responder.writeHeader("Content-Length", QByteArray::number(response.data().size()));
    for (const QByteArray& retry : response.headers("Retry-After"))
        responder.writeHeader("Retry-After", retry);
    if (!cookie.isEmpty())
        responder.writeHeader("Set-Cookie", cookie);
    for (const auto& [name, value] : securityHeaders)
        responder.writeHeader(name, value);
    responder.writeBody(response.data());
}

QHttpServerResponse WebFace::turn(const QHttpServerRequest& request, bool longPath)
{
    if (auto refusedNow = refusal(request))
        return std::move(*refusedNow);
    const QString target =
        QJsonDocument::fromJson(request.body()).object().value(QStringLiteral("target")).toString().trimmed();
    if (const std::optional<double> bearing = LenientNumber::read(target))
        return answer(commands_.turnToBearing(longPath ? *bearing + 180 : *bearing, std::nullopt, client));
    if (longPath || !setup_.partner || target.isEmpty() || target.size() > 20)
        return answer(QCoreApplication::translate("WebFace", "Kein Winkel: %1").arg(target.left(20)));
    setup_.partner(target);
    return answer(QString());
}

const DirectionsList& WebFace::directions()
{
    if (directions_.changedSince(setup_.directionsPath))
        directions_.load(setup_.directionsPath);
    return directions_;
}

QHttpServerResponse WebFace::presets()
{
    QJsonArray list;
    for (const QString& line : directions().lines())
        list.append(QJsonObject {{QStringLiteral("name"), DirectionLine::identifier(line)},
                                 {QStringLiteral("azimuth"), DirectionLine::clickAzimuth(line).trimmed()},
                                 {QStringLiteral("elevation"), DirectionLine::clickElevation(line).trimmed()}});
    return QHttpServerResponse("application/json", QJsonDocument(list).toJson(QJsonDocument::Compact));
}

QHttpServerResponse WebFace::turnToPreset(const QHttpServerRequest& request)
{
    if (auto refusedNow = refusal(request))
        return std::move(*refusedNow);
    // The entry as the page last listed it, read again should the file have changed since.
    const DirectionsList& list = directions();
    const int index = QJsonDocument::fromJson(request.body()).object().value(QStringLiteral("index")).toInt(-1);
    if (!list.contains(index))
        return answer(QCoreApplication::translate("WebFace", "Keine solche Richtung"));
    const QString line = list.lines().at(index);
    const std::optional<double> azimuth = LenientNumber::read(DirectionLine::clickAzimuth(line).trimmed());
    if (!azimuth)
        return answer(QCoreApplication::translate("WebFace", "Kein Winkel: %1").arg(DirectionLine::clickAzimuth(line).left(20)));
    return answer(commands_.turnToBearing(*azimuth, LenientNumber::read(DirectionLine::clickElevation(line).trimmed()), client));
}

QHttpServerResponse WebFace::answer(const QString& refusedWhy) const
{
    if (refusedWhy.isEmpty())
        return QHttpServerResponse(QHttpServerResponse::StatusCode::NoContent);
    return refused(QHttpServerResponse::StatusCode::UnprocessableEntity, refusedWhy);
}

QByteArray WebFace::stateJson() const
{
    QJsonObject state;
    // Hundredths of a degree, as the rotator gives them.
    const auto angle = [](double degrees) { return std::round(degrees * 100) / 100; };
    if (const auto position = commands_.position()) {
        state[QStringLiteral("azimuth")] = angle(position->azimuth);
        state[QStringLiteral("elevation")] = angle(position->elevation);
    }
    if (const auto goal = commands_.goalAzimuth())
        state[QStringLiteral("goal")] = angle(*goal);
    // Another client's goal is named, so that the operator knows who turns the antenna.
    if (const QString from = commands_.goalClient(); !from.isEmpty() && from != client)
        state[QStringLiteral("goalFrom")] = from;
    state[QStringLiteral("elevated")] = elevated_;
    state[QStringLiteral("minimum")] = commands_.travel().minimum;
    state[QStringLiteral("maximum")] = commands_.travel().maximum;
    return QJsonDocument(state).toJson(QJsonDocument::Compact);
}

void WebFace::takeWebSocket()
{
    while (server_.hasPendingWebSocketConnections()) {
        std::unique_ptr<QWebSocket> socket = server_.nextPendingWebSocketConnection();
        const QNetworkRequest handshake = socket->request();
        const QByteArray host = handshake.rawHeader("Host");
        const bool allowed = int(live_.size()) < mostLivePages && !host.isEmpty() &&
                             sameOrigin(socket->origin().toUtf8(), host) &&
                             sessions_.use(WebSessions::idIn(handshake.rawHeader("Cookie")));
        if (!allowed) {
            socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
            socket.release()->deleteLater();
            continue;
        }
        QWebSocket* page = socket.get();
        connect(page, &QWebSocket::disconnected, this, [this, page] {
            const auto found = std::find_if(live_.begin(), live_.end(), [page](const auto& held) { return held.get() == page; });
            if (found != live_.end()) {
                found->release()->deleteLater();
                live_.erase(found);
            }
        });
        page->sendTextMessage(QString::fromUtf8(stateJson()));
        live_.push_back(std::move(socket));
    }
}

void WebFace::publish()
{
    if (live_.empty())
        return;
    const QString state = QString::fromUtf8(stateJson());
    for (const auto& page : live_)
        page->sendTextMessage(state);
}
