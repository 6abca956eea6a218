// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "FakeEasycomm.h"

#include <QRegularExpression>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>

FakeEasycomm::FakeEasycomm()
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        if (master_ >= 0)
            close(master_);
        master_ = -1;
        return;
    }
    device_ = QString::fromLocal8Bit(ptsname(master_));
    slave_ = open(ptsname(master_), O_RDWR | O_NOCTTY);
    termios raw {};
    if (slave_ >= 0 && tcgetattr(slave_, &raw) == 0) {
        cfmakeraw(&raw);
        tcsetattr(slave_, TCSANOW, &raw);
    }
    thread_ = std::thread([this] { serve(); });
}

FakeEasycomm::~FakeEasycomm()
{
    stopping_ = true;
    if (thread_.joinable())
        thread_.join();
    if (slave_ >= 0)
        close(slave_);
    if (master_ >= 0)
        close(master_);
}

QByteArrayList FakeEasycomm::received() const
{
    const QMutexLocker lock(&mutex_);
    return received_;
}

void FakeEasycomm::serve()
{
    QByteArray pending;
    while (!stopping_) {
        pollfd watched {master_, POLLIN, 0};
        if (poll(&watched, 1, 20) <= 0 || !(watched.revents & POLLIN))
            continue;
        char bytes[256];
        const ssize_t count = read(master_, bytes, sizeof bytes);
        if (count <= 0)
            continue;
        pending.append(bytes, count);
        for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            answer(pending.left(end).trimmed());
            pending.remove(0, end + 1);
        }
    }
}

void FakeEasycomm::answer(const QByteArray& line)
{
    {
        const QMutexLocker lock(&mutex_);
        received_.append(line);
    }
    if (line == "AZ EL") {
        const QByteArray reply = "AZ" + QByteArray::number(azimuth.load(), 'f', 2) + " EL" +
            QByteArray::number(elevation.load(), 'f', 2) + '\n';
        [[maybe_unused]] const ssize_t written = write(master_, reply.constData(), size_t(reply.size()));
        return;
    }
    static const QRegularExpression target(QStringLiteral("^AZ(-?[0-9]+(?:\\.[0-9]+)?) EL(-?[0-9]+(?:\\.[0-9]+)?)$"));
    if (const QRegularExpressionMatch match = target.match(QString::fromLatin1(line)); match.hasMatch()) {
        azimuth = match.captured(1).toDouble();
        elevation = match.captured(2).toDouble();
    }
}
