// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "FloodingCluster.h"

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

// Letters naming a number: AAA, AAB, ... and four letters beyond 26^3.
QByteArray suffix(qint64 number)
{
    QByteArray letters;
    for (int i = 0; i < 3 || number > 0; ++i, number /= 26)
        letters.prepend(char('A' + number % 26));
    return letters;
}

// A spot line laid out as clusters send it: spotter, frequency in kHz, call, comment, time.
QByteArray spotLine(qint64 number, int distinctCalls, const QByteArray& hhmm)
{
    const qint64 call = distinctCalls > 0 ? number % distinctCalls : number;
    const char* const prefixes[] = {"JA1", "VK2", "K1", "PY2", "ZS6", "UA9", "VE3", "LU1", "EA8", "DL1"};
    const char* const grids[] = {"PM95", "QF56", "FN31", "GG66", "KG43", "MO04", "FN03", "GF05", "IL18", "JO31"};
    const int region = int(call % 10);
    QByteArray line = "DX de W3LPL:     14025.0  " + QByteArray(prefixes[region]) + suffix(call / 10) + "       CW 599 ";
    if (call % 4 == 0)
        line += grids[region];
    return line + "                    " + hhmm + "Z\r\n";
}

} // namespace

FloodingCluster::FloodingCluster(int linesPerSecond, int distinctCalls)
    : linesPerSecond_(linesPerSecond), distinctCalls_(distinctCalls)
{
    start();
}

FloodingCluster::~FloodingCluster()
{
    quit();
    wait();
}

quint16 FloodingCluster::port()
{
    while (port_ == 0)
        QThread::msleep(1);
    return port_;
}

void FloodingCluster::run()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    QTcpSocket* client = nullptr;
    QElapsedTimer since;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1);  // ms; each tick sends what the rate owes by now
    connect(&server, &QTcpServer::newConnection, &server, [&] {
        client = server.nextPendingConnection();
        client->write("Please enter your call: ");
        connect(client, &QTcpSocket::readyRead, client, [&] {
            client->readAll();
            since.start();
            tick.start();
        });
    });
    connect(&tick, &QTimer::timeout, &server, [&] {
        const qint64 due = since.elapsed() * linesPerSecond_ / 1000;
        const QByteArray hhmm = QDateTime::currentDateTimeUtc().toString(QStringLiteral("hhmm")).toLatin1();
        QByteArray lines;
        for (; sent_ < due; ++sent_)
            lines += spotLine(sent_, distinctCalls_, hhmm);
        client->write(lines);
    });
    port_ = server.serverPort();
    exec();
}
