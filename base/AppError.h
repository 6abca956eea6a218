// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

#include <stdexcept>

// A failure reported to the user in an error box: file and folder errors, number conversions,
// settings writes. The text is shown as it stands (with a "." appended when missing).
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};
