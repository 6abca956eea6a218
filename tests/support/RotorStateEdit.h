// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "session/Session.h"
#include "support/RunningProgram.h"

// Changes the session's rotor state in place of a status from the rotor program.
template <typename Edit>
void editRotorState(Session& session, Edit edit)
{
    RotorState state = session.rotorState();
    edit(state);
    session.setRotorState(state);
}

// The same for the running program's session.
template <typename Edit>
void editRotorState(Edit edit)
{
    editRotorState(*session(), edit);
}
