// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "platform/DdeServer.h"
#include "rotor/TF_Rotor.h"

#include <QTimer>

// What the bus and the timer hand the rotor link, handed by a test instead: a status macro from a
// sender, a connection tick, and whether the link's own service is on the bus.
class RotorLinkProbe {
public:
    static void deliverStatus(TF_Rotor& link, const QString& sender, const QStringList& macro)
    {
        link.AntDatenExecuteMacro(sender, macro);
    }
    static void tick(TF_Rotor& link) { link.Timer1Timer(); }
    static QTimer& timer(TF_Rotor& link) { return *link.Timer1; }
    static bool serviceRegistered(const TF_Rotor& link) { return link.AntDaten->isRegistered(); }
};
