// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "platform/NetworkReach.h"

#include <QHostAddress>

bool NetworkReach::beyondLoopback(const QHostAddress& address)
{
    return !address.isLoopback();
}
