// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "FakeRotctld.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>
#include <cmath>

FakeRotctld::FakeRotctld(quint16 port) : server_(new QTcpServer)
{
    sinceTarget_.start();
    QObject::connect(server_, &QTcpServer::newConnection, server_, [this] {
        while (QTcpSocket* socket = server_->nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                while (socket->canReadLine())
                    answer(socket, socket->readLine().trimmed());
            });
        }
    });
    port_ = server_->listen(QHostAddress::LocalHost, port) ? server_->serverPort() : 0;
    // The server and its connections go to the thread and are deleted there as it ends.
    server_->moveToThread(&thread_);
    QObject::connect(
        &thread_, &QThread::finished, server_, [server = server_] { delete server; }, Qt::DirectConnection);
    thread_.start();
}

FakeRotctld::~FakeRotctld()
{
    thread_.quit();
    thread_.wait();
}

double FakeRotctld::azimuth() const
{
    const QMutexLocker lock(&mutex_);
    const double travelled = degreesPerSecond * double(sinceTarget_.elapsed()) / 1000;
    return target_ >= start_ ? std::min(target_, start_ + travelled) : std::max(target_, start_ - travelled);
}

void FakeRotctld::setAzimuth(double azimuth)
{
    const QMutexLocker lock(&mutex_);
    start_ = target_ = azimuth;
}

std::vector<FakeRotctld::Command> FakeRotctld::commands() const
{
    const QMutexLocker lock(&mutex_);
    return commands_;
}

void FakeRotctld::answer(QTcpSocket* socket, const QByteArray& line)
{
    if (line == "\\dump_state") {
        socket->write("1\n1\nmin_az=-180.000000\nmax_az=450.000000\nmin_el=0.000000\nmax_el=90.000000\nsouth_zero=0\n"
                      "rot_type=AzEl\ndone\n");
        return;
    }
    if (line == "p") {
        const double wobble = std::uniform_real_distribution<double>(-jitter, jitter)(random_);
        socket->write(QByteArray::number(azimuth() + wobble, 'f', 2) + '\n' + QByteArray::number(elevation, 'f', 2) +
                      '\n');
        return;
    }
    const QMutexLocker lock(&mutex_);
    commands_.push_back({line, std::chrono::steady_clock::now()});
    if (line.startsWith("P ")) {
        start_ = azimuth();
        target_ = line.split(' ').value(1).toDouble();
        sinceTarget_.start();
    } else if (line == "S") {
        start_ = target_ = azimuth();
    }
    socket->write("RPRT 0\n");
}
