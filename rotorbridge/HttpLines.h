// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QByteArrayView>

// Tells the lines of an HTTP request from rotor commands. A web page in any browser on the machine
// can send a form to a line-based port ("POST / HTTP/1.1", headers, then "P 180 0" in its body);
// no rotor protocol has a request line or a header line, so a connection that sends one is no
// rotor client.
class HttpLines {
public:
    // A request line ("GET /path HTTP/1.1", any method) or a header line ("Host: …", "Origin: …").
    static bool isHttp(QByteArrayView line);
};
