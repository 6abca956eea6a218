// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QTest>

// Deadline for a link event: generous, since the link works in 2000 ms connection ticks and
// 500 ms status steps; a passing test returns as soon as the condition holds.
constexpr int linkDeadlineMs = 20000;

template <typename Condition>
bool waitFor(Condition condition, int deadlineMs = linkDeadlineMs)
{
    return QTest::qWaitFor(condition, deadlineMs);
}
