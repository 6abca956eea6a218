// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/WebSessions.h"

#include <QList>
#include <QRandomGenerator>

#include <algorithm>
#include <utility>

namespace {

// 128 random bits as 32 hex digits.
QByteArray randomHex()
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    return QByteArray(reinterpret_cast<const char*>(words), sizeof words).toHex();
}

bool sameBytes(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (int i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

}  // namespace

const QByteArray WebSessions::cookieName = "corvane_session";

WebSessions::WebSessions(Clock clock) : clock_(std::move(clock))
{
}

const WebSessions::Session& WebSessions::open()
{
    dropExpired();
    if (int(sessions_.size()) >= mostSessions) {
        const auto oldest = std::min_element(sessions_.begin(), sessions_.end(), [](const auto& a, const auto& b) {
            return a.second.lastUse < b.second.lastUse;
        });
        sessions_.erase(oldest);
    }
    Session session {randomHex(), randomHex(), clock_()};
    return sessions_.emplace(session.id, session).first->second;
}

const WebSessions::Session* WebSessions::use(const QByteArray& id)
{
    const auto found = sessions_.find(id);
    if (found == sessions_.end())
        return nullptr;
    const qint64 now = clock_();
    if (now - found->second.lastUse >= idleLimitMs) {
        sessions_.erase(found);
        return nullptr;
    }
    found->second.lastUse = now;
    return &found->second;
}

bool WebSessions::allows(const QByteArray& id, const QByteArray& token)
{
    const Session* session = use(id);
    return session && sameBytes(session->token, token);
}

void WebSessions::close(const QByteArray& id)
{
    sessions_.erase(id);
}

void WebSessions::dropExpired()
{
    const qint64 now = clock_();
    for (auto it = sessions_.begin(); it != sessions_.end();)
        it = now - it->second.lastUse >= idleLimitMs ? sessions_.erase(it) : std::next(it);
}

QByteArray WebSessions::cookie(const Session& session, bool secure)
{
    return cookieName + '=' + session.id + "; Path=/; HttpOnly; SameSite=Strict" + (secure ? "; Secure" : "");
}

QByteArray WebSessions::endingCookie(bool secure)
{
    return cookieName + "=; Path=/; Max-Age=0; HttpOnly; SameSite=Strict" + (secure ? "; Secure" : "");
}

QByteArray WebSessions::idIn(const QByteArray& cookieHeader)
{
    for (const QByteArray& pair : cookieHeader.split(';')) {
        const QByteArray trimmed = pair.trimmed();
        if (trimmed.startsWith(cookieName + '='))
            return trimmed.mid(cookieName.size() + 1);
    }
    return QByteArray();
}
