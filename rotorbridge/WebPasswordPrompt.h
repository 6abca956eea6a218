// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

#include <cstdio>
#include <optional>

// Reads the web page's password from standard input: on a terminal it is asked for twice and not
// shown as typed; from a pipe it is the first line.
class WebPasswordPrompt {
public:
    // The password; nothing and the reason in *error when input ended or the two differ.
    static std::optional<QString> read(std::FILE* in, std::FILE* out, QString* error);

private:
    static std::optional<QString> line(std::FILE* in);
};
