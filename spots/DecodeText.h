// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

#include <optional>

// Who a decoded FT8/FT4 message says is calling: a CQ ("CQ DL1ABC JO31", "CQ DX VK2ABC QF56",
// "CQ POTA K1ABC FN42", "CQ DL1ABC") or a reply that names its grid ("DL1ABC VK2ABC QF56"). Calls
// sent as hashes ("<PJ4/K1ABC>") lose their brackets. Reports, RR73 and free text name nobody.
class DecodeText {
public:
    struct Caller {
        QString call;
        QString grid;  // four-character square; empty when the message gives none
    };

    static std::optional<Caller> caller(const QString& message);
    // A four-character grid square as FT8 sends it (RR73 is an acknowledgement, not a square).
    static bool isGrid(const QString& word);
    // Letters and digits with at least one of each, optional "/" parts, 3 to 20 characters.
    static bool isCall(const QString& word);
};
