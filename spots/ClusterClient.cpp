// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "spots/ClusterClient.h"

#include <QCoreApplication>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>

ClusterClient::ClusterClient(ClusterTiming timing, QObject* parent)
    : QObject(parent), socket_(new QTcpSocket(this)), retryTimer_(new QTimer(this)), timing_(timing),
      nextWaitMs_(timing.firstWaitMs)
{
    retryTimer_->setSingleShot(true);
    connect(retryTimer_, &QTimer::timeout, this, &ClusterClient::connectNow);
    connect(socket_, &QTcpSocket::connected, this, [this] {
        session_.start();
        setState(State::Connected);
    });
    connect(socket_, &QTcpSocket::readyRead, this, &ClusterClient::readLines);
    connect(socket_, &QTcpSocket::disconnected, this, &ClusterClient::dropped);
    connect(socket_, &QTcpSocket::errorOccurred, this, [this] {
        if (socket_->state() != QAbstractSocket::ConnectedState)
            dropped();
    });
}

ClusterClient::~ClusterClient()
{
    socket_->disconnect(this);
}

void ClusterClient::start(const QString& host, quint16 port, const QString& call)
{
    stop();
    host_ = host;
    port_ = port;
    call_ = call.trimmed();
    if (host_.isEmpty() || port_ == 0) {
        host_.clear();
        return;
    }
    if (call_.isEmpty()) {
        host_.clear();
        setState(State::NoCall);
        return;
    }
    nextWaitMs_ = timing_.firstWaitMs;
    connectNow();
}

void ClusterClient::stop()
{
    retryTimer_->stop();
    host_.clear();
    socket_->abort();
    session_.invalidate();
    setState(State::Off);
}

QString ClusterClient::stateText(State state)
{
    switch (state) {
    case State::Off:
        return QString();
    case State::NoCall:
        return QCoreApplication::translate("ClusterClient", "Cluster: ohne Rufzeichen keine Anmeldung");
    case State::Connecting:
        return QCoreApplication::translate("ClusterClient", "Cluster: verbindet …");
    case State::Connected:
        return QCoreApplication::translate("ClusterClient", "Cluster: verbunden");
    case State::Waiting:
        return QCoreApplication::translate("ClusterClient", "Cluster: Verbindung verloren, neuer Versuch folgt");
    }
    return QString();
}

void ClusterClient::connectNow()
{
    if (host_.isEmpty())
        return;
    pending_.clear();
    discarding_ = false;
    loggedIn_ = false;
    session_.invalidate();
    setState(State::Connecting);
    socket_->abort();
    socket_->connectToHost(host_, port_);
}

void ClusterClient::dropped()
{
    if (host_.isEmpty() || retryTimer_->isActive())
        return;
    // A session that lasted was a good one: the waits start again from the first.
    if (session_.isValid() && session_.elapsed() >= timing_.shortSessionMs)
        nextWaitMs_ = timing_.firstWaitMs;
    session_.invalidate();
    setState(State::Waiting);
    retryTimer_->start(nextWaitMs_);
    nextWaitMs_ = int(std::min<qint64>(2 * qint64(nextWaitMs_), timing_.longestWaitMs));
}

void ClusterClient::readLines()
{
    pending_ += socket_->readAll();
    int start = 0;
    for (;;) {
        const int end = pending_.indexOf('\n', start);
        if (end < 0)
            break;
        const QByteArray line = pending_.mid(start, end - start);
        start = end + 1;
        if (discarding_) {
            discarding_ = false;
            continue;
        }
        if (const auto spot = ClusterLine::parse(line))
            emit spotReceived(*spot);
    }
    pending_.remove(0, start);
    // The prompt comes without a line end: "login: ", "Please enter your call: ".
    if (!loggedIn_ && (pending_.contains("login:") || pending_.toLower().contains("call:"))) {
        socket_->write(call_.toLatin1() + "\r\n");
        loggedIn_ = true;
        pending_.clear();
    }
    if (pending_.size() > ClusterLine::maximumBytes) {
        pending_.clear();
        discarding_ = true;
    }
}

void ClusterClient::setState(State state)
{
    if (state == state_)
        return;
    state_ = state;
    emit stateChanged(state);
}
