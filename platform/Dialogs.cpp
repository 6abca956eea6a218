// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "platform/Dialogs.h"

#include "platform/MessageBoxDialogs.h"

namespace {
Dialogs* installed = nullptr;
}

Dialogs& Dialogs::current()
{
    static MessageBoxDialogs real;
    return installed ? *installed : real;
}

void Dialogs::install(Dialogs* dialogs)
{
    installed = dialogs;
}
