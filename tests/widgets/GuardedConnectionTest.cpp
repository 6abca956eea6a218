// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/GuardedConnection.h"
#include "base/AppError.h"
#include "support/ScriptedDialogs.h"

#include <QObject>
#include <gtest/gtest.h>

#include <memory>

namespace {

// A window's handlers: one takes the signal's argument, one fails.
class Handlers : public QObject {
public:
    QString received;
    void takeName(const QString& name) { received = name; }
    void fail() { throw AppError(QStringLiteral("Die Datei fehlt")); }
};

// QObject::objectNameChanged stands in for a control's signal with an argument.
TEST(GuardedConnectionTest, AMemberHandlerGetsTheSignalsArgument)
{
    QObject sender;
    Handlers handlers;
    connectGuarded(&sender, &QObject::objectNameChanged, &handlers, &Handlers::takeName);
    sender.setObjectName(QStringLiteral("Karte"));
    EXPECT_EQ(handlers.received, QStringLiteral("Karte"));
}

TEST(GuardedConnectionTest, AFailingHandlerIsShownInAnErrorBoxAndTheNextStillRuns)
{
    ScriptedDialogs dialogs;
    QObject sender;
    Handlers handlers;
    connectGuarded(&sender, &QObject::objectNameChanged, &handlers, &Handlers::fail);
    connectGuarded(&sender, &QObject::objectNameChanged, &handlers, [&handlers] { handlers.fail(); });
    sender.setObjectName(QStringLiteral("x"));
    EXPECT_EQ(dialogs.shown, QStringList(2, QStringLiteral("error|Corvane|Die Datei fehlt.")));
}

TEST(GuardedConnectionTest, AGoneReceiverIsNoLongerCalled)
{
    QObject sender;
    auto handlers = std::make_unique<Handlers>();
    bool called = false;
    connectGuarded(&sender, &QObject::objectNameChanged, handlers.get(), [&called] { called = true; });
    handlers.reset();
    sender.setObjectName(QStringLiteral("x"));
    EXPECT_FALSE(called);
}

} // namespace
