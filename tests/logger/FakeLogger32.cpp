// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// A stand-in for the logging program Logger32 on the session bus, for the link tests. It owns the
// window "Logger32", prints every message sent to it as "name|wParam|lParam", and answers as told:
//   --ack N          acknowledge the announcement only under the message name "Logger32 N" (0: never)
//   --ack-reply w:l  what it posts as the acknowledgement (0:1)
//   --replies a,b,.. what it posts after the third handshake message: a wParam, or wParam:lParam
//   --bearings a,..  bearings (wParam 101) it posts 300 ms after the handshake
//   --hang           stops answering (its thread sleeps) once the first message has come
#include "platform/MessageWindow.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <utility>

namespace {

// "w" or "w:l" (lParam 0 when left out).
std::pair<qint64, qint64> message(const QString& text)
{
    const QStringList parts = text.split(u':');
    return {parts.value(0).toLongLong(), parts.value(1).toLongLong()};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("ack"), QString(), QStringLiteral("n"), QStringLiteral("1")});
    parser.addOption({QStringLiteral("ack-reply"), QString(), QStringLiteral("w:l"), QStringLiteral("0:1")});
    parser.addOption({QStringLiteral("replies"), QString(), QStringLiteral("list"), QStringLiteral("3,100")});
    parser.addOption({QStringLiteral("bearings"), QString(), QStringLiteral("list")});
    parser.addOption(QCommandLineOption(QStringLiteral("hang")));
    parser.process(app);
    const QString ackName = QStringLiteral("Logger32 ") + parser.value(QStringLiteral("ack"));
    const auto ack = message(parser.value(QStringLiteral("ack-reply")));
    QList<std::pair<qint64, qint64>> replies;
    for (const QString& reply : parser.value(QStringLiteral("replies")).split(u',', Qt::SkipEmptyParts))
        replies << message(reply);
    QList<qint64> bearings;
    for (const QString& bearing : parser.value(QStringLiteral("bearings")).split(u',', Qt::SkipEmptyParts))
        bearings << bearing.toLongLong();
    const bool hang = parser.isSet(QStringLiteral("hang"));
    MessageWindow window(QStringLiteral("Logger32"), 777);
    if (!window.isRegistered())
        return 1;
    qint64 caller = 0;
    window.onSent = [&](const MessageWindow::Message& m) -> qint64 {
        std::printf("%s|%lld|%lld\n", qPrintable(m.name), m.wParam, m.lParam);
        std::fflush(stdout);
        if (hang)
            QThread::sleep(3600);
        if (m.wParam == 1 && m.name == ackName) {
            caller = m.lParam;
            MessageWindow::postMessage(caller, m.name, ack.first, ack.second);
        } else if (m.wParam == 3 && caller != 0) {
            for (const auto& [wParam, lParam] : replies)
                MessageWindow::postMessage(caller, m.name, wParam, lParam);
            QTimer::singleShot(300, [&, name = m.name] {
                for (const qint64 bearing : bearings)
                    MessageWindow::postMessage(caller, name, 101, bearing);
            });
        }
        return 0;
    };
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
