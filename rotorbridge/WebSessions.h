// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QByteArray>

#include <functional>
#include <map>

// The web page's logged-in browsers: each has a random 128-bit session id, given as a cookie, and
// a random 128-bit token of its own that every request changing something sends in a header, so
// that a page of another site cannot make the browser act. A session ends at logout or after
// 12 hours without a request.
class WebSessions {
public:
    using Clock = std::function<qint64()>;               // ms, never going back
    static constexpr qint64 idleLimitMs = 12LL * 3600 * 1000;  // ms
    static constexpr int mostSessions = 64;              // the oldest goes when more log in
    static const QByteArray cookieName;

    struct Session {
        QByteArray id;     // 32 hex digits
        QByteArray token;  // 32 hex digits
        qint64 lastUse = 0;  // ms of the clock
    };

    explicit WebSessions(Clock clock);

    // A new session, used now.
    const Session& open();
    // The live session of an id, its idle time starting again; null for an unknown or expired id.
    const Session* use(const QByteArray& id);
    // Whether the id names a live session whose token this is; uses it.
    bool allows(const QByteArray& id, const QByteArray& token);
    void close(const QByteArray& id);
    int count() const { return int(sessions_.size()); }

    // The Set-Cookie value of a session (HttpOnly, SameSite=Strict, Secure under HTTPS) and of
    // its end.
    static QByteArray cookie(const Session& session, bool secure);
    static QByteArray endingCookie(bool secure);
    // The session id in a Cookie header; empty when it holds none.
    static QByteArray idIn(const QByteArray& cookieHeader);

private:
    void dropExpired();

    Clock clock_;
    std::map<QByteArray, Session> sessions_;
};
