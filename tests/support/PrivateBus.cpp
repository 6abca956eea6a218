// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "support/PrivateBus.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <memory>

namespace {

QString busAddress;

class PrivateBusEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        daemon_ = std::make_unique<QProcess>();
        daemon_->start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--print-address"),
                                                       QStringLiteral("--nofork")});
        ASSERT_TRUE(daemon_->waitForStarted(10000)) << "dbus-daemon not found";
        while (!daemon_->canReadLine() && daemon_->waitForReadyRead(10000)) {
        }
        busAddress = QString::fromUtf8(daemon_->readLine()).trimmed();
        ASSERT_FALSE(busAddress.isEmpty()) << "dbus-daemon gave no address";
        qputenv("DBUS_SESSION_BUS_ADDRESS", busAddress.toUtf8());
    }

    void TearDown() override
    {
        daemon_->terminate();
        daemon_->waitForFinished(5000);
        daemon_.reset();
    }

private:
    std::unique_ptr<QProcess> daemon_;
};

[[maybe_unused]] testing::Environment* const environment = testing::AddGlobalTestEnvironment(new PrivateBusEnvironment);

} // namespace

QString PrivateBus::address()
{
    return busAddress;
}
