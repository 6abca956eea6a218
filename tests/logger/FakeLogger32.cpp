// A stand-in for the logging program Logger32 on the session bus, for the link tests. It owns the
// window "Logger32", prints every message sent to it as "name|wParam|lParam", and answers as told:
//   --ack N          acknowledge the announcement only under the message name "Logger32 N" (0: never)
//   --replies a,b,.. the wParams it posts after the third handshake message
//   --bearings a,..  bearings (wParam 101) it posts 300 ms after the handshake
#include "platform/MessageWindow.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

namespace {

QList<qint64> numbers(const QString& text)
{
    QList<qint64> values;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts))
        values << part.toLongLong();
    return values;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("ack"), QString(), QStringLiteral("n"), QStringLiteral("1")});
    parser.addOption({QStringLiteral("replies"), QString(), QStringLiteral("list"), QStringLiteral("3,100")});
    parser.addOption({QStringLiteral("bearings"), QString(), QStringLiteral("list")});
    parser.process(app);
    const QString ackName = QStringLiteral("Logger32 ") + parser.value(QStringLiteral("ack"));
    const QList<qint64> replies = numbers(parser.value(QStringLiteral("replies")));
    const QList<qint64> bearings = numbers(parser.value(QStringLiteral("bearings")));

    MessageWindow window(QStringLiteral("Logger32"), 777);
    if (!window.isRegistered())
        return 1;
    qint64 caller = 0;
    window.onSent = [&](const MessageWindow::Message& m) -> qint64 {
        std::printf("%s|%lld|%lld\n", qPrintable(m.name), m.wParam, m.lParam);
        std::fflush(stdout);
        if (m.wParam == 1 && m.name == ackName) {
            caller = m.lParam;
            MessageWindow::postMessage(caller, m.name, 0, 1);
        } else if (m.wParam == 3 && caller != 0) {
            for (const qint64 reply : replies)
                MessageWindow::postMessage(caller, m.name, reply, 0);
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
