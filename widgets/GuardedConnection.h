// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "widgets/ErrorBox.h"

#include <QObject>

#include <utility>

// Connects a signal to a handler of the receiver through ErrorBox::guard, so that a failure in an
// event handler is shown in an error box and the program goes on. The handler is a member function
// taking the signal's arguments, or none of them.
template <typename Sender, typename Signal, typename Receiver, typename... Args>
QMetaObject::Connection connectGuarded(Sender* sender, Signal signal, Receiver* receiver,
                                       void (Receiver::*handler)(Args...))
{
    return QObject::connect(sender, signal, receiver, [receiver, handler](Args... args) {
        ErrorBox::guard([&] { (receiver->*handler)(args...); });
    });
}

// The same for a handler that needs more than the signal gives (a captured sender, a step before
// the member call); it takes no arguments.
template <typename Sender, typename Signal, typename Receiver, typename Handler>
QMetaObject::Connection connectGuarded(Sender* sender, Signal signal, Receiver* receiver, Handler handler)
{
    return QObject::connect(sender, signal, receiver, [handler = std::move(handler)] { ErrorBox::guard(handler); });
}
