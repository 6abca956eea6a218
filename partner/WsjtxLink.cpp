// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "partner/WsjtxLink.h"

#include "partner/GridLocator.h"
#include "partner/WsjtxMessage.h"
#include "platform/NetworkReach.h"
#include "platform/PortHolder.h"
#include "platform/UdpReceiveBuffer.h"

#include <QDebug>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QUdpSocket>

WsjtxLink::WsjtxLink(QObject* parent)
    : QObject(parent),
      socket_(new QUdpSocket(this))
{
    settleTimer_.setSingleShot(true);
    connect(&settleTimer_, &QTimer::timeout, this, &WsjtxLink::settle);
    connect(socket_, &QUdpSocket::readyRead, this, &WsjtxLink::readPending);
}

namespace {

// The interface a multicast group is joined on: the one named, else the loopback.
QNetworkInterface joinInterface(const QString& name)
{
    if (!name.isEmpty())
        return QNetworkInterface::interfaceFromName(name);
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& candidate : interfaces) {
        if (candidate.flags().testFlag(QNetworkInterface::IsLoopBack))
            return candidate;
    }
    return {};
}

}  // namespace

bool WsjtxLink::listen(const WsjtxSettings& settings)
{
    socket_->abort();
    settleTimer_.stop();
    pending_.clear();
    settled_.clear();
    openToNetwork_ = false;
    portTaken_.clear();
    if (!settings.enabled)
        return false;
    if (!bind(settings)) {
        if (socket_->error() == QAbstractSocket::AddressInUseError)
            portTaken_ =
                PortHolder::taken(PortHolder::Protocol::Udp, QHostAddress(settings.address), quint16(settings.port));
        socket_->abort();
        return false;
    }
    qInfo().noquote() << UdpReceiveBuffer::enlarge(*socket_);
    return true;
}

bool WsjtxLink::bind(const WsjtxSettings& settings)
{
    const QHostAddress address(settings.address);
    if (!address.isMulticast()) {
        openToNetwork_ = NetworkReach::beyondLoopback(address);
        return socket_->bind(address, quint16(settings.port), QUdpSocket::DontShareAddress);
    }
    const QNetworkInterface joinOn = joinInterface(settings.multicastInterface);
    if (!joinOn.isValid())
        return false;
#ifdef Q_OS_WIN
    // Windows binds no group address: the port takes datagrams from every interface.
    const QHostAddress bound = address.protocol() == QAbstractSocket::IPv6Protocol
        ? QHostAddress(QHostAddress::AnyIPv6)
        : QHostAddress(QHostAddress::AnyIPv4);
    openToNetwork_ = true;
#else
    // Bound to the group, the socket takes only the group's datagrams, not every one sent to the
    // port of any of this machine's addresses.
    const QHostAddress bound = address;
    openToNetwork_ = !joinOn.flags().testFlag(QNetworkInterface::IsLoopBack);
#endif
    return socket_->bind(bound, quint16(settings.port), QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint) &&
        socket_->joinMulticastGroup(address, joinOn);
}

bool WsjtxLink::isListening() const
{
    return socket_->state() == QAbstractSocket::BoundState;
}

quint16 WsjtxLink::localPort() const
{
    return socket_->localPort();
}

int WsjtxLink::receiveBufferSize() const
{
    return UdpReceiveBuffer::granted(*socket_);
}

// A flood is read in turns: what is left after datagramsPerTurn makes the socket report again
// once the event loop has had its turn, so the window stays responsive. (Reading on from a timer
// instead would let the socket report with nothing to read, after which it stays silent.)
void WsjtxLink::readPending()
{
    for (int count = 0; count < datagramsPerTurn && socket_->hasPendingDatagrams(); ++count) {
        // One byte more than a message may have, so that a longer datagram is seen and dropped.
        const QNetworkDatagram datagram = socket_->receiveDatagram(WsjtxMessage::maximumSize + 1);
        if (const auto message = WsjtxMessage::decode(datagram.data()))
            take(*message);
    }
}

void WsjtxLink::take(const WsjtxMessage& message)
{
    if (message.type == WsjtxMessage::Decode) {
        emit decoded(message.clientId, message.decodedText);
        return;
    }
    if (message.type == WsjtxMessage::Clear) {
        emit cleared(message.clientId);
        return;
    }
    if (message.type != WsjtxMessage::Status)
        return;
    emit tuned(message.clientId, double(message.dialFrequencyHz) / 1000);
    const QString grid = message.dxGrid.trimmed().toUpper();
    const QString call = message.dxCall.trimmed().toUpper();
    QString partner;
    if (GridLocator::centre(grid))
        partner = grid;
    else if (grid.isEmpty())
        partner = call;
    if (partner == pending_)
        return;  // a repeated status keeps the clock running
    pending_ = partner;
    settleTimer_.start(settleTime);
}

void WsjtxLink::settle()
{
    if (pending_ == settled_)
        return;
    settled_ = pending_;
    if (!settled_.isEmpty())
        emit partnerSettled(settled_);
}
