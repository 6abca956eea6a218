// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "platform/PortHolder.h"
#include "support/TakenPort.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <gtest/gtest.h>

#include <optional>

namespace {

using Protocol = PortHolder::Protocol;

std::optional<QString> holderText(Protocol protocol, const QString& address, quint16 port,
                                  const QString& procRoot = QStringLiteral("/proc"))
{
    const auto holder = PortHolder::find(protocol, QHostAddress(address), port, procRoot);
    return holder ? std::optional<QString>(holder->text()) : std::nullopt;
}

// The ports this test holds are named as this process's, on the address asked or a wildcard; a
// port held elsewhere on the machine's other addresses, or only connected, is not.
TEST(PortHolder, NamesThisProcessForThePortsItHolds)
{
    if (!QFile::exists(QStringLiteral("/proc/self/comm")))
        GTEST_SKIP() << "no /proc here";
    QUdpSocket onLoopback, onAll;
    ASSERT_TRUE(onLoopback.bind(QHostAddress::LocalHost, 0));
    ASSERT_TRUE(onAll.bind(QHostAddress::AnyIPv4, 0));
    QTcpServer listening;
    ASSERT_TRUE(listening.listen(QHostAddress::LocalHost, 0));
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, listening.serverPort());
    ASSERT_TRUE(client.waitForConnected(3000));
    const struct {
        Protocol protocol;
        const char* address;
        quint16 port;
        bool named;
    } cases[] = {
        {Protocol::Udp, "127.0.0.1", onLoopback.localPort(), true},
        {Protocol::Udp, "0.0.0.0", onLoopback.localPort(), true},
        {Protocol::Udp, "127.0.0.2", onLoopback.localPort(), false},
        {Protocol::Udp, "127.0.0.1", onAll.localPort(), true},
        {Protocol::Tcp, "127.0.0.1", listening.serverPort(), true},
        {Protocol::Udp, "127.0.0.1", listening.serverPort(), false},
        {Protocol::Tcp, "127.0.0.1", client.localPort(), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.address << ":" << c.port
                                        << (c.protocol == Protocol::Tcp ? " tcp" : " udp"));
        const auto text = holderText(c.protocol, QString::fromLatin1(c.address), c.port);
        if (c.named)
            EXPECT_EQ(text, takenByThisProcess(c.port));
        else
            EXPECT_EQ(text, std::nullopt);
    }
}

// The kernel's tables as a little-endian machine writes them; a socket whose process is another
// user's is found without a name.
TEST(PortHolder, ReadsTheKernelTablesAsTheyAreWritten)
{
    if (QSysInfo::ByteOrder != QSysInfo::LittleEndian)
        GTEST_SKIP() << "the rows below are a little-endian kernel's";
    QTemporaryDir proc;
    const auto write = [&](const QString& path, const QByteArray& text) {
        QDir().mkpath(QFileInfo(proc.filePath(path)).path());
        QFile file(proc.filePath(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    const QByteArray header = "  sl  local_address rem_address   st tx_queue rx_queue tr tm->when retrnsmt   uid  "
                              "timeout inode ref pointer drops\n";
    const QByteArray rest = " 00000000:00000000 00:00000000 00000000  1000        0 ";
    write(QStringLiteral("net/udp"), header + "   1: 0100007F:2EE0 00000000:0000 07" + rest + "111 2 0 0\n");
    write(QStringLiteral("net/udp6"),
          header +
              "   2: 00000000000000000000000001000000:08BD "
              "00000000000000000000000000000000:0000 07" +
              rest + "222 2 0 0\n");
    write(QStringLiteral("net/tcp"),
          header + "   3: 00000000:11B5 0100007F:A000 01" + rest + "333 2 0 0\n" +
              "   4: 0100007F:11B6 00000000:0000 0A" + rest + "444 2 0 0\n");
    write(QStringLiteral("net/tcp6"), header);
    write(QStringLiteral("42/comm"), "wsjtx\n");
    write(QStringLiteral("77/comm"), "rotctld\n");
    write(QStringLiteral("99/comm"), "cat\n");
    for (const auto& [link, target] : {std::pair {"42/fd/3", "socket:[111]"}, std::pair {"77/fd/5", "socket:[444]"},
                                       std::pair {"99/fd/1", "/dev/null"}}) {
        QDir().mkpath(QFileInfo(proc.filePath(QString::fromLatin1(link))).path());
        ASSERT_TRUE(QFile::link(QString::fromLatin1(target), proc.filePath(QString::fromLatin1(link))));
    }
    const struct {
        Protocol protocol;
        const char* address;
        quint16 port;
        std::optional<QString> text;
    } cases[] = {
        {Protocol::Udp, "127.0.0.1", 12000, QStringLiteral("Port 12000 belegt von wsjtx (PID 42)")},
        {Protocol::Udp, "::1", 2237, QStringLiteral("Port 2237 belegt")},
        {Protocol::Udp, "127.0.0.1", 2237, std::nullopt},
        {Protocol::Tcp, "0.0.0.0", 4533, std::nullopt},  // a connection, nobody listening
        {Protocol::Tcp, "127.0.0.1", 4534, QStringLiteral("Port 4534 belegt von rotctld (PID 77)")},
        {Protocol::Tcp, "::", 4534, QStringLiteral("Port 4534 belegt von rotctld (PID 77)")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.address << ":" << c.port);
        EXPECT_EQ(holderText(c.protocol, QString::fromLatin1(c.address), c.port, proc.path()), c.text);
    }
}

}  // namespace
