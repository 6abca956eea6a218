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

// QObject::objectNameChanged stands in for a control's signal with an argument. A member handler
// gets the argument; a handler whose receiver is gone is no longer called.
TEST(GuardedConnectionTest, AMemberHandlerGetsTheSignalsArgumentUntilItsReceiverIsGone)
{
    QObject sender;
    auto handlers = std::make_unique<Handlers>();
    bool called = false;
    connectGuarded(&sender, &QObject::objectNameChanged, handlers.get(), &Handlers::takeName);
    connectGuarded(&sender, &QObject::objectNameChanged, handlers.get(), [&called] { called = true; });
    sender.setObjectName(QStringLiteral("Karte"));
    EXPECT_EQ(handlers->received, QStringLiteral("Karte"));
    EXPECT_TRUE(called);
    called = false;
    handlers.reset();
    sender.setObjectName(QStringLiteral("x"));
    EXPECT_FALSE(called);
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

} // namespace
