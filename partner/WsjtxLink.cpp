#include "partner/WsjtxLink.h"

#include "partner/GridLocator.h"
#include "partner/WsjtxMessage.h"

#include <QHostAddress>
#include <QNetworkDatagram>
#include <QUdpSocket>

WsjtxLink::WsjtxLink(QObject* parent)
    : QObject(parent),
      socket_(new QUdpSocket(this))
{
    settleTimer_.setSingleShot(true);
    connect(&settleTimer_, &QTimer::timeout, this, &WsjtxLink::settle);
    connect(socket_, &QUdpSocket::readyRead, this, &WsjtxLink::readPending);
}

bool WsjtxLink::listen(const WsjtxSettings& settings)
{
    socket_->abort();
    settleTimer_.stop();
    pending_.clear();
    settled_.clear();
    if (!settings.enabled)
        return false;
    const QHostAddress address(settings.address);
    const auto sharing = QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint;
    if (!address.isMulticast())
        return socket_->bind(address, quint16(settings.port), sharing);
    const QHostAddress any = address.protocol() == QAbstractSocket::IPv6Protocol ? QHostAddress(QHostAddress::AnyIPv6)
                                                                                 : QHostAddress(QHostAddress::AnyIPv4);
    if (socket_->bind(any, quint16(settings.port), sharing) && socket_->joinMulticastGroup(address))
        return true;
    socket_->abort();
    return false;
}

bool WsjtxLink::isListening() const
{
    return socket_->state() == QAbstractSocket::BoundState;
}

quint16 WsjtxLink::localPort() const
{
    return socket_->localPort();
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
