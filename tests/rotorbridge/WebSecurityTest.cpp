// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/LoginThrottle.h"
#include "rotorbridge/WebPassword.h"
#include "rotorbridge/WebSessions.h"
#include "support/RotorProgramRun.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Each derivation takes 200,000 rounds (about half a second): the cases share one line.
TEST(WebPassword, OnlyTheRightPasswordMatchesAWellFormedLine)
{
    const QByteArray salt = QByteArray::fromHex("00112233445566778899aabbccddeeff");
    const QByteArray line = WebPassword::hashLine(QStringLiteral("geheim-123"), salt);
    EXPECT_TRUE(line.startsWith("pbkdf2-sha256$200000$ABEiM0RVZneImaq7zN3u/w==$")) << line.toStdString();
    EXPECT_NE(WebPassword::hashLine(QStringLiteral("geheim-123")), WebPassword::hashLine(QStringLiteral("geheim-123")))
        << "a fresh salt each time";
    QByteArray fewerRounds = line;
    fewerRounds.replace("$200000$", "$1000$");
    const struct {
        const char* what;
        QString password;
        QByteArray line;
        bool matches;
    } cases[] = {
        {"the password", QStringLiteral("geheim-123"), line, true},
        {"another password", QStringLiteral("geheim-124"), line, false},
        {"an empty password", QString(), line, false},
        {"fewer rounds", QStringLiteral("geheim-123"), fewerRounds, false},
        {"another scheme", QStringLiteral("geheim-123"), QByteArray(line).replace("pbkdf2-sha256", "md5"), false},
        {"a cut key", QStringLiteral("geheim-123"), line.left(line.size() - 8), false},
        {"an empty line", QStringLiteral("geheim-123"), QByteArray(), false},
        {"no separators", QStringLiteral("geheim-123"), QByteArray("geheim-123"), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(WebPassword::matches(c.password, c.line), c.matches);
    }
}

TEST(WebPassword, IsStoredForTheUserAloneAndNeverInClear)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sub/CorvaneRotor-web.pass"));
    EXPECT_FALSE(WebPassword::save(path, QStringLiteral("kurz")).isEmpty()) << "too short";
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(WebPassword::save(path, QStringLiteral("Antenne-Nord")), QString());
    EXPECT_EQ(QFile::permissions(path), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                                            QFileDevice::WriteUser);
    const QByteArray line = WebPassword::load(path);
    EXPECT_FALSE(line.contains("Antenne-Nord"));
    EXPECT_TRUE(WebPassword::matches(QStringLiteral("Antenne-Nord"), line));
    EXPECT_TRUE(WebPassword::load(folder.filePath(QStringLiteral("none"))).isEmpty());
}

// The rotor program takes the password from a pipe, stores only its key, and refuses what is no
// password; what it refuses leaves the stored one as it was.
TEST(WebPassword, TheRotorProgramSetsItFromStandardInput)
{
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    const QString stored = home.filePath(QStringLiteral("Corvane/CorvaneRotor-web.pass"));
    const struct {
        QByteArray input;
        int exitCode;
        const char* matching;  // the password the stored key is then of
    } cases[] = {
        {"", 2, nullptr},
        {"kurz\n", 2, nullptr},
        {"Antenne-Nord\r\n", 0, "Antenne-Nord"},
        {"zu kurz\n", 2, "Antenne-Nord"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.toStdString());
        const RotorProgramRun run = RotorProgramRun::of({QStringLiteral("--set-web-password")}, environment, c.input);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.output.toStdString();
        EXPECT_EQ(QFile::exists(stored), c.matching != nullptr);
        if (c.matching) {
            EXPECT_TRUE(WebPassword::matches(QString::fromLatin1(c.matching), WebPassword::load(stored)));
        }
    }
}

// The clock in ms; each step moves it, then does something and checks the answer.
TEST(WebSessions, ASessionLivesTwelveHoursFromItsLastUseAndChangesNeedItsToken)
{
    qint64 now = 1000;
    WebSessions sessions([&now] { return now; });
    const WebSessions::Session first = sessions.open();
    EXPECT_EQ(first.id.size(), 32);
    EXPECT_EQ(first.token.size(), 32);
    EXPECT_NE(first.id, first.token);
    const qint64 hour = 3600 * 1000;  // ms
    const struct {
        const char* what;
        qint64 advance;  // ms
        QByteArray id, token;
        bool allowed;
    } steps[] = {
        {"right away", 0, first.id, first.token, true},
        {"another token", 0, first.id, sessions.open().token, false},
        {"no token", 0, first.id, QByteArray(), false},
        {"another id", 0, QByteArray(32, 'a'), first.token, false},
        {"11 h later", 11 * hour, first.id, first.token, true},
        {"11 h after that: the last use counts", 11 * hour, first.id, first.token, true},
        {"12 h idle", 12 * hour, first.id, first.token, false},
        {"and for good", 0, first.id, first.token, false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        now += step.advance;
        EXPECT_EQ(sessions.allows(step.id, step.token), step.allowed);
    }
    const WebSessions::Session second = sessions.open();
    EXPECT_NE(sessions.use(second.id), nullptr);
    sessions.close(second.id);
    EXPECT_EQ(sessions.use(second.id), nullptr) << "logged out";
}

TEST(WebSessions, TheOldestGoesWhenTooManyLogIn)
{
    qint64 now = 0;
    WebSessions sessions([&now] { return now; });
    std::vector<QByteArray> ids;
    for (int i = 0; i < WebSessions::mostSessions + 1; ++i) {
        ++now;
        ids.push_back(sessions.open().id);
    }
    EXPECT_EQ(sessions.count(), WebSessions::mostSessions);
    EXPECT_EQ(sessions.use(ids.front()), nullptr);
    EXPECT_NE(sessions.use(ids.back()), nullptr);
}

TEST(WebSessions, CookiesAreStrictAndReadBack)
{
    qint64 now = 0;
    WebSessions sessions([&now] { return now; });
    const WebSessions::Session& session = sessions.open();
    EXPECT_EQ(WebSessions::cookie(session, false),
              "corvane_session=" + session.id + "; Path=/; HttpOnly; SameSite=Strict");
    EXPECT_TRUE(WebSessions::cookie(session, true).endsWith("; Secure"));
    EXPECT_TRUE(WebSessions::endingCookie(false).contains("Max-Age=0"));
    const struct {
        QByteArray header, id;
    } cases[] = {
        {"corvane_session=abc", "abc"},
        {"theme=dark; corvane_session=abc; x=1", "abc"},
        {"corvane_session_old=abc", ""},
        {"xcorvane_session=abc", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WebSessions::idIn(c.header), c.id) << c.header.toStdString();
}

// Failures from one address, the time between them, and the wait each leaves (ms).
TEST(LoginThrottle, FiveFailuresGoFreeThenTheWaitDoubles)
{
    qint64 now = 0;
    LoginThrottle throttle([&now] { return now; });
    const QHostAddress guesser(QStringLiteral("192.0.2.7")), other(QStringLiteral("192.0.2.8"));
    const std::vector<qint64> waits = {0, 0, 0, 0, 1000, 2000, 4000, 8000};
    for (std::size_t i = 0; i < waits.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(throttle.failed(guesser), waits[i]);
        EXPECT_EQ(throttle.waitMs(guesser), waits[i]);
    }
    EXPECT_EQ(throttle.waitMs(QHostAddress(QStringLiteral("::ffff:192.0.2.7"))), 8000) << "the same client over IPv6";
    EXPECT_EQ(throttle.waitMs(other), 0) << "another address";
    now += 5000;
    EXPECT_EQ(throttle.waitMs(guesser), 3000);
    now += 3000;
    EXPECT_EQ(throttle.waitMs(guesser), 0);
    for (int i = 0; i < 30; ++i)
        throttle.failed(guesser);
    EXPECT_EQ(throttle.waitMs(guesser), LoginThrottle::longestWaitMs);
    throttle.succeeded(guesser);
    EXPECT_EQ(throttle.waitMs(guesser), 0);
}

}  // namespace
