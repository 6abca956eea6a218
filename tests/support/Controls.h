// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QObject>
#include <QString>

#include <stdexcept>

// A window's control by its object name, as a test reaches it from outside the window; a missing
// one fails the test with its name instead of a null pointer.
template <typename Control> Control* control(const QObject* window, const char* name)
{
    auto* found = window->findChild<Control*>(QLatin1String(name));
    if (!found)
        throw std::logic_error(std::string("no control ") + name + " in " + window->objectName().toStdString());
    return found;
}
