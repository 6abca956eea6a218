// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "support/ProgramFolder.h"
#include "support/RunningProgram.h"
#include "support/ScriptedDialogs.h"

#include "spots/SpotService.h"
#include "widgets/ImageWidget.h"

#include <QLabel>
#include <QDateTime>
#include <QLocale>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A started program whose parameter window shows what becomes of the cluster and the own log.
class SpotSourcesTest : public testing::Test {
protected:
    ScriptedDialogs dialogs;
    ProgramFolder folder;
    QTcpServer cluster;
    int connections = 0;

    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_TRUE(cluster.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&cluster, &QTcpServer::newConnection, &cluster, [this] {
            QTcpSocket* peer = cluster.nextPendingConnection();
            ++connections;
            peer->write("login: ");
        });
        folder.writeReferenceData();
        folder.writeFile(QStringLiteral("Karten/Rufzeichen.txt"), "Deutschland;DL;51.00;10.00;DA DL DJ DK;230\r\n");
    }

    void start(const QString& call)
    {
        folder.writeFile(QStringLiteral("Corvane.ini"),
                         QStringLiteral("[DX-Cluster]\r\nHost=127.0.0.1\r\nPort=%1\r\nRufzeichen=%2\r\n")
                             .arg(cluster.serverPort())
                             .arg(call)
                             .toLatin1());
        folder.start();
        ASSERT_TRUE(folder.program()->spots());  // the spots' sources at once, not after the first paint
    }

    static QString shown() { return parameterControl<QLabel>("L_ClusterZustand")->text(); }
};

// Host and port without a call: no login, and the parameter window says why; a call typed later
// logs in.
TEST_F(SpotSourcesTest, AClusterWithoutCallIsNotDialledAndTheWindowSaysSo)
{
    start(QString());
    EXPECT_EQ(shown(), QStringLiteral("Cluster: ohne Rufzeichen keine Anmeldung"));
    QTest::qWait(50);  // a dial reaches the loopback server within this
    EXPECT_EQ(connections, 0);
    parameters()->setCluster(
        {QStringLiteral("127.0.0.1"), QString::number(cluster.serverPort()), QStringLiteral("DL1ABC")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown() == QStringLiteral("Cluster: verbunden"); }, 5000))
        << qPrintable(shown());
    EXPECT_EQ(connections, 1);
}

// A log without a QSO replaces the count of the one before with its reason, below the
// cluster's state.
TEST_F(SpotSourcesTest, ALogWithoutQsosSaysSoInTheWindow)
{
    folder.writeFile(QStringLiteral("log.adi"), "<CALL:6>DL1ABC <EOR>\n");
    folder.writeFile(QStringLiteral("kaputt.adi"), "<CALL:2000000000>DL1ABC <EOR>\n");
    start(QStringLiteral("DL1ABC"));
    parameters()->setLogText(folder.path() + QStringLiteral("log.adi"));
    const QString connected = QStringLiteral("Cluster: verbunden\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown() == connected + QStringLiteral("Logbuch: 1 QSOs gelesen"); }, 5000))
        << qPrintable(shown());
    parameters()->setLogText(folder.path() + QStringLiteral("kaputt.adi"));
    const QString noQso = QStringLiteral("Das Logbuch %1kaputt.adi enthält kein QSO (gelesen bis Byte 0 von 30: "
                                         "dort beginnt ein Feld, das über das Dateiende hinausreicht)")
                              .arg(folder.path());
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown() == connected + noQso; }, 5000)) << qPrintable(shown());
}

// The Mercator map redraws when the maps' band or age limit changes: a spot on 20 m heard ten
// minutes ago goes with a 40 m band or a five-minute limit and comes back without them.
TEST_F(SpotSourcesTest, TheMapRedrawsWhenItsFilterChanges)
{
    ASSERT_TRUE(folder.copyBuiltKarten());
    start(QString());
    formA()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(formA()));
    SpotService* spots = folder.program()->spots();
    QSignalSpy changed(spots, &SpotService::changed);
    const int tenMinutesAgo = int((QDateTime::currentSecsSinceEpoch() - 10 * 60) % 86400 / 60);  // minute of the day
    spots->takeClusterSpot({{}, 14025, QStringLiteral("DL1ABC"), {}, QStringLiteral("JO31"), tenMinutesAgo},
                           QStringLiteral("dxc.example"));
    ASSERT_TRUE(changed.wait(2000));
    const auto picture = [] { return form1()->image()->canvas().copy(); };
    const QImage withSpot = picture();
    // Drawn as with the default filter (every band, the last 15 minutes, fading over them), or not.
    const struct { const char* name; const char* band; int minutes; bool drawn; } cases[] = {
        {"40 m", "40m", 15, false}, {"20 m", "20m", 15, true}, {"five minutes", "20m", 5, false},
        {"all bands again", "", 15, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        parameters()->setMapBand(QString::fromLatin1(c.band));
        parameters()->setMapAgeMinutes(c.minutes);
        EXPECT_EQ(picture() == withSpot, c.drawn);
    }
}

} // namespace
