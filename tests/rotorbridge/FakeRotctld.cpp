// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "FakeRotctld.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cmath>

FakeRotctld::FakeRotctld(quint16 port)
    : server_(new QTcpServer)
{
    sinceTarget_.start();
    server_->moveToThread(&thread_);
    // Deleted on its own thread as that ends.
    QObject::connect(&thread_, &QThread::finished, server_, [server = server_] { delete server; }, Qt::DirectConnection);
    thread_.start();
    QMetaObject::invokeMethod(
        server_,
        [this, port] {
            QObject::connect(server_, &QTcpServer::newConnection, server_, [this] {
                while (QTcpSocket* socket = server_->nextPendingConnection()) {
                    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                        while (socket->canReadLine())
                            answer(socket, socket->readLine().trimmed());
                    });
                }
            });
            if (server_->listen(QHostAddress::LocalHost, port))
                port_ = server_->serverPort();
        },
        Qt::BlockingQueuedConnection);
}

FakeRotctld::~FakeRotctld()
{
    thread_.quit();
    thread_.wait();
}

QString FakeRotctld::device() const
{
    return QStringLiteral("127.0.0.1:%1").arg(port());
}

double FakeRotctld::azimuth() const
{
    const QMutexLocker lock(&mutex_);
    return azimuthLocked();
}

double FakeRotctld::azimuthLocked() const
{
    const double travelled = degreesPerSecond * double(sinceTarget_.elapsed()) / 1000;
    return target_ >= start_ ? std::min(target_, start_ + travelled) : std::max(target_, start_ - travelled);
}

void FakeRotctld::setAzimuth(double azimuth)
{
    const QMutexLocker lock(&mutex_);
    start_ = target_ = azimuth;
}

void FakeRotctld::answer(QTcpSocket* socket, const QByteArray& line)
{
    QByteArray reply = "RPRT 0\n";
    if (line == "\\dump_state") {
        reply = "1\n1\nmin_az=-180.000000\nmax_az=450.000000\nmin_el=0.000000\nmax_el=90.000000\nsouth_zero=0\n"
                "rot_type=AzEl\ndone\n";
    } else if (line == "p") {
        ++positionReads;
        const double wobble = std::uniform_real_distribution<double>(-jitter, jitter)(random_);
        reply = QByteArray::number(azimuth() + wobble, 'f', 2) + "\n0.00\n";
    } else if (line.startsWith("P ")) {
        const QList<QByteArray> fields = line.split(' ');
        const QMutexLocker lock(&mutex_);
        start_ = azimuthLocked();
        target_ = fields.value(1).toDouble();
        sinceTarget_.start();
    } else if (line == "S") {
        setAzimuth(azimuth());
    }
    const int stall = stallMs;
    if (stall <= 0) {
        socket->write(reply);
        return;
    }
    QTimer::singleShot(stall, socket, [socket, reply] { socket->write(reply); });
}
