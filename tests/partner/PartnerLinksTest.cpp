// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "WsjtxDatagrams.h"

#include "settings/SettingsFile.h"
#include "mercator/TForm2.h"
#include "partner/PartnerScripting.h"
#include "rotor/TF_Rotor.h"
#include "rotor/TForm6.h"
#include "session/Session.h"
#include "settings/TForm3.h"
#include "spots/SpotService.h"
#include "support/Controls.h"
#include "support/PrivateBus.h"
#include "support/ProgramFolder.h"
#include "support/RotorStateEdit.h"
#include "support/RunningProgram.h"
#include "support/ScriptedDialogs.h"
#include "support/TakenPort.h"

#include <QCheckBox>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>
#include <gtest/gtest.h>

namespace {

const QString interfaceName = QStringLiteral("de.corvane.Partner");

int freeUdpPort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

// Receives TargetChanged on its own connection, as a script would.
class SignalCatcher : public QObject {
    Q_OBJECT
public:
    QList<QList<double>> received;
public slots:
    void targetChanged(double longitude, double latitude, double bearing, double distance)
    {
        received.append({longitude, latitude, bearing, distance});
    }
};

// A started program with the own station at Berlin (13.4 E, 52.5 N), immediate rotor start on,
// a small callsign list, and the WSJT-X link on a free port. Scripts reach it over the private
// session bus through a connection of their own.
class PartnerLinksTest : public testing::Test {
protected:
    ScriptedDialogs dialogs;
    ProgramFolder folder;
    int port = freeUdpPort();
    QDBusConnection script = QDBusConnection::connectToBus(PrivateBus::address(), QStringLiteral("script"));

    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        folder.writeReferenceData();
        folder.writeFile(QStringLiteral("Karten/Rufzeichen.txt"),
                         "Australien;VK;-23.70;132.33;AX VI VJ VK VL\r\n"
                         "Kanarische Inseln;EA8;28.32;-15.85;AM8 AN8 AO8 EA8 EB8\r\n");
        folder.writeFile(QStringLiteral("Corvane.ini"), QStringLiteral("[Locator]\r\nU_L\u00e4nge=13,4\r\nU_Breite=52,5\r\n"
                                                                       "[Parameter]\r\nRotorSofortstart=1\r\nFahrwegoptimierung=0\r\n"
                                                                       "[WSJT-X]\r\nPort=%1\r\n").arg(port).toLatin1());
        folder.start();
        folder.program()->partnerLinks();  // on the bus at once, not after the first paint
        editRotorState([](RotorState& r) {
            r.rotorAzimuth = 100;
            r.rotorMinAzimuth = 0;
            r.rotorMaxAzimuth = 450;
        });
    }

    // Calls the method as a script does and waits for the reply.
    QDBusMessage call(const QString& interface, const QString& method, const QList<QVariant>& arguments)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(PartnerScripting::serviceName,
                                                              PartnerScripting::objectPath, interface, method);
        message.setArguments(arguments);
        QDBusPendingCall pending = script.asyncCall(message);
        EXPECT_TRUE(QTest::qWaitFor([&] { return pending.isFinished(); }, 5000));
        return pending.reply();
    }
    QDBusMessage callSetPartner(const QString& partner)
    {
        return call(interfaceName, QStringLiteral("SetPartner"), {partner});
    }
    QVariant property(const QString& name)
    {
        const QDBusMessage reply =
            call(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"), {interfaceName, name});
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }

    void sendStatus(const QString& dxCall, const QString& dxGrid)
    {
        QUdpSocket sender;
        const QByteArray datagram = WsjtxDatagrams::status(2, dxCall, dxGrid);
        ASSERT_EQ(sender.writeDatagram(datagram, QHostAddress::LocalHost, quint16(port)), datagram.size());
    }
};

TEST_F(PartnerLinksTest, ScriptSetsThePartnerAndHearsTheTargetChange)
{
    SignalCatcher catcher;
    ASSERT_TRUE(script.connect(PartnerScripting::serviceName, PartnerScripting::objectPath, interfaceName,
                               QStringLiteral("TargetChanged"), &catcher, SLOT(targetChanged(double, double, double, double))));
    const QDBusMessage reply = callSetPartner(QStringLiteral("JO31MM"));
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    ASSERT_EQ(reply.arguments().size(), 2);
    EXPECT_DOUBLE_EQ(reply.arguments()[0].toDouble(), session()->target().bearing);
    EXPECT_DOUBLE_EQ(reply.arguments()[1].toDouble(), session()->target().distance);
    EXPECT_NEAR(session()->target().distance, 440, 20);  // Berlin to the Ruhr, km
    EXPECT_EQ(control<QLabel>(form2(), "Label3")->text(), QStringLiteral("JO31MM"));
    EXPECT_TRUE(form2()->isVisible());
    // Immediate rotor start: the bearing goes to the rotor with the next status.
    EXPECT_DOUBLE_EQ(rotorLink()->targetAzimuth(), session()->target().bearing);
    EXPECT_TRUE(rotorLink()->sendPending());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !catcher.received.isEmpty(); }, 5000));
    EXPECT_DOUBLE_EQ(catcher.received.last()[2], session()->target().bearing);
    EXPECT_EQ(property(QStringLiteral("OwnLocator")).toString(), QStringLiteral("JO62QM"));
    EXPECT_DOUBLE_EQ(property(QStringLiteral("Bearing")).toDouble(), session()->target().bearing);
    EXPECT_DOUBLE_EQ(property(QStringLiteral("Distance")).toDouble(), session()->target().distance);
    EXPECT_DOUBLE_EQ(property(QStringLiteral("RotorAzimuth")).toDouble(), 100);
    // No reading is the number the interface has always given for it, degrees.
    editRotorState([](RotorState& r) { r.rotorAzimuth.reset(); });
    EXPECT_DOUBLE_EQ(property(QStringLiteral("RotorAzimuth")).toDouble(), -10000);
    editRotorState([](RotorState& r) { r.rotorAzimuth = 100; });

    // A callsign names its entity as the country; a click on the map is heard as well.
    ASSERT_EQ(callSetPartner(QStringLiteral("VK2ABC")).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(control<QLabel>(form2(), "Label11")->text(), QStringLiteral("Australien"));
    EXPECT_EQ(control<QLabel>(form2(), "Label14")->text(), QStringLiteral("VK"));
    const int heard = int(catcher.received.size());
    form2()->Label_Stadt_zeigen_Click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return catcher.received.size() > heard; }, 5000));

    // Refused texts are quoted in the reply, a long one only by its start; the target stays.
    const double bearing = session()->target().bearing;
    const struct {
        QString text;
        const char* reason;
    } refusals[] = {
        {QStringLiteral("kein Ort"), "'kein Ort' ist weder Locator"},
        {QString(300, u'x'), "ist zu lang (300 Zeichen, höchstens 200)"},
        {QString(8 << 20, u'J'), "ist zu lang (8388608 Zeichen"},
    };
    for (const auto& r : refusals) {
        const QDBusMessage refused = callSetPartner(r.text);
        EXPECT_EQ(refused.type(), QDBusMessage::ErrorMessage);
        EXPECT_EQ(refused.errorName(), QStringLiteral("de.corvane.Partner.Error.Unknown"));
        EXPECT_TRUE(refused.errorMessage().contains(QString::fromUtf8(r.reason)))
            << refused.errorMessage().left(200).toStdString();
        EXPECT_LT(refused.errorMessage().size(), 120);
    }
    EXPECT_EQ(session()->target().bearing, bearing);
}

TEST_F(PartnerLinksTest, WsjtxStatusBecomesTheTargetAsATypedLocator)
{
    EXPECT_EQ(parameterControl<QLabel>("L_WsjtxZustand")->text(), QStringLiteral("empfangsbereit"));
    sendStatus(QStringLiteral("VK2ABC"), QStringLiteral("QF56"));
    ASSERT_TRUE(QTest::qWaitFor([] { return session()->target().isSet(); }, 5000));
    EXPECT_EQ(control<QLabel>(form2(), "Label3")->text(), QStringLiteral("QF56MM"));  // the square's centre
    EXPECT_DOUBLE_EQ(rotorLink()->targetAzimuth(), session()->target().bearing);

    // Without a grid the call names the partner, here the centre of its entity.
    sendStatus(QStringLiteral("EA8BQM"), QString());
    ASSERT_TRUE(QTest::qWaitFor([] { return control<QLabel>(form2(), "Label11")->text() == QStringLiteral("Kanarische Inseln"); }, 5000));
    EXPECT_NEAR(session()->target().latitude, 28.32, 1e-9);
}

TEST_F(PartnerLinksTest, PanelTakesCallsignsOnlyWhereItRefusedBefore)
{
    parameters()->setRotorStartImmediately(false);
    const auto enter = [](const QString& text) {
        QLineEdit* field = control<QLineEdit>(form6(), "Edit_Azimut");
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    };
    enter(QStringLiteral("EA8"));
    EXPECT_EQ(control<QLabel>(form2(), "Label11")->text(), QStringLiteral("Kanarische Inseln"));
    EXPECT_NEAR(session()->target().longitude, -15.85, 1e-9);
    enter(QStringLiteral("123"));  // still a bearing
    EXPECT_DOUBLE_EQ(rotorLink()->targetAzimuth(), 123);
    EXPECT_NEAR(session()->target().longitude, -15.85, 1e-9);
    for (const char* refused : {"QQ1ABC", "JO31"}) {  // no entity; a square locator, not Japan's JO
        enter(QString::fromLatin1(refused));
        EXPECT_DOUBLE_EQ(rotorLink()->targetAzimuth(), 100) << refused;  // where the rotor stands, degrees
        EXPECT_FALSE(rotorLink()->sendPending());
        EXPECT_NEAR(session()->target().longitude, -15.85, 1e-9);
    }
}

TEST_F(PartnerLinksTest, ParameterGroupMovesTheLinkAndKeepsItsSettings)
{
    auto* box = parameterControl<QCheckBox>("CB_Wsjtx");
    auto* address = parameterControl<QLineEdit>("E_WsjtxAdresse");
    auto* portField = parameterControl<QLineEdit>("E_WsjtxPort");
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(address->text(), QStringLiteral("127.0.0.1"));
    const int newPort = freeUdpPort();
    portField->setText(QString::number(newPort));
    QTest::keyClick(portField, Qt::Key_Return);
    address->setText(QStringLiteral("keine Adresse"));
    address->setFocus();
    QTest::keyClick(address, Qt::Key_Return);  // refused: the link stays where it is
    EXPECT_EQ(parameterControl<QLabel>("L_WsjtxZustand")->text(), QStringLiteral("empfangsbereit"));
    port = newPort;
    sendStatus(QStringLiteral("VK2ABC"), QStringLiteral("QF56"));
    EXPECT_TRUE(QTest::qWaitFor([] { return session()->target().isSet(); }, 5000));

    // Open to every interface: said in the status.
    address->setText(QStringLiteral("0.0.0.0"));
    QTest::keyClick(address, Qt::Key_Return);
    EXPECT_EQ(parameterControl<QLabel>("L_WsjtxZustand")->text(), QStringLiteral("empfangsbereit, auch aus dem Netz"));
    address->setText(QStringLiteral("127.0.0.1"));
    QTest::keyClick(address, Qt::Key_Return);
    EXPECT_EQ(parameterControl<QLabel>("L_WsjtxZustand")->text(), QStringLiteral("empfangsbereit"));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    EXPECT_EQ(parameterControl<QLabel>("L_WsjtxZustand")->text(), QStringLiteral("aus"));
    folder.stop();
    const SettingsFile ini(folder.iniPath());
    EXPECT_FALSE(ini.readBool(WsjtxSettings::section, QStringLiteral("Empfang"), true));
    EXPECT_EQ(ini.readString(WsjtxSettings::section, QStringLiteral("Adresse"), QString()), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(ini.readInteger(WsjtxSettings::section, QStringLiteral("Port"), 0), newPort);
}

// A port another program holds (sharing its address, as WSJT-X listeners often do) is not shared
// silently: the parameter window names the holder.
TEST_F(PartnerLinksTest, ATakenPortIsSaidWithItsHolder)
{
    auto* portField = parameterControl<QLineEdit>("E_WsjtxPort");
    auto* state = parameterControl<QLabel>("L_WsjtxZustand");
    QUdpSocket holder;
    ASSERT_TRUE(holder.bind(QHostAddress::LocalHost, 0, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint));
    portField->setText(QString::number(holder.localPort()));
    QTest::keyClick(portField, Qt::Key_Return);
    EXPECT_EQ(state->text(), takenByThisProcess(holder.localPort()));
    portField->setText(QString::number(freeUdpPort()));
    QTest::keyClick(portField, Qt::Key_Return);
    EXPECT_EQ(state->text(), QStringLiteral("empfangsbereit"));
}

TEST(WsjtxSettingsTest, MissingOrUnusableKeysReadAsTheDefaults)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Corvane.ini"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[WSJT-X]\r\nAdresse=irgendwo\r\nPort=70000\r\n");
    file.close();
    const WsjtxSettings read = WsjtxSettings::read(SettingsFile(path));
    EXPECT_TRUE(read.enabled);
    EXPECT_EQ(read.address, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(read.port, 2237);
}

// Times from PyEphem (sun's centre at -0.833 degrees), the place read as SetPartner reads it; the
// partner stays as it was.
TEST_F(PartnerLinksTest, SunTimesAtAPlaceOnADateOrAGermanRefusal)
{
    const struct {
        const char *place, *date, *rise, *set;  // set: or the start of the refusal, with rise empty
    } cases[] = {
        {"JO31", "2026-12-08", "07:24", "15:23"},
        {"-33.5 151.0", "2026-12-21", "18:43", "09:05"},   // Sydney: the morning's rise falls on the UTC day before
        {"69.65 18.96", "2026-06-21", "Polartag", "Polartag"},
        {"69.65 18.96", "2026-12-21", "Polarnacht", "Polarnacht"},
        {"JO31", "2026-13-01", "", "'2026-13-01' ist kein Datum"},
        {"JO31", "8.12.2026", "", "'8.12.2026' ist kein Datum"},
        {"kein Ort", "2026-12-08", "", "'kein Ort' ist weder Locator"},
    };
    const TargetInfo before = session()->target();
    for (const auto& c : cases) {
        const QDBusMessage reply =
            call(interfaceName, QStringLiteral("SunTimes"), {QString::fromUtf8(c.place), QString::fromUtf8(c.date)});
        if (*c.rise) {
            ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << c.place << " " << reply.errorMessage().toStdString();
            EXPECT_EQ(reply.arguments(), (QList<QVariant>{QString::fromUtf8(c.rise), QString::fromUtf8(c.set)})) << c.place;
        } else {
            ASSERT_EQ(reply.type(), QDBusMessage::ErrorMessage) << c.date;
            EXPECT_TRUE(reply.errorMessage().startsWith(QString::fromUtf8(c.set))) << reply.errorMessage().toStdString();
        }
    }
    EXPECT_EQ(session()->target().longitude, before.longitude);
    EXPECT_EQ(session()->target().latitude, before.latitude);
}

// The cluster set in the parameter window is read, its spots reach the list, and a decode from
// WSJT-X puts its caller on the maps, on the band WSJT-X is tuned to.
TEST_F(PartnerLinksTest, ClusterSpotsAndDecodedCallersReachTheSpots)
{
    QTcpServer cluster;
    ASSERT_TRUE(cluster.listen(QHostAddress::LocalHost));
    QObject::connect(&cluster, &QTcpServer::newConnection, &cluster, [&cluster] {
        QTcpSocket* peer = cluster.nextPendingConnection();
        peer->write("login: ");
        QObject::connect(peer, &QTcpSocket::readyRead, peer, [peer] {
            peer->readAll();
            peer->write("DX de W3LPL:     14025.0  VK2ABC       CW QF56                     1234Z\r\n");
        });
    });
    parameters()->setCluster(
        {QStringLiteral("127.0.0.1"), QString::number(cluster.serverPort()), QStringLiteral("DL1ABC")});
    SpotService* spots = RunningProgram::get()->spots();
    ASSERT_TRUE(spots);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !spots->spots().clusterSpots().empty(); }, 5000));
    EXPECT_EQ(spots->spots().clusterSpots().front().call, QStringLiteral("VK2ABC"));
    EXPECT_EQ(parameterControl<QLabel>("L_ClusterZustand")->text(), QStringLiteral("Cluster: verbunden"));
    QUdpSocket sender;
    for (const QByteArray& datagram :
         {WsjtxDatagrams::status(2, QString(), QString()), WsjtxDatagrams::decode(2, QStringLiteral("CQ JA1XYZ PM95"))})
        ASSERT_EQ(sender.writeDatagram(datagram, QHostAddress::LocalHost, quint16(port)), datagram.size());
    ASSERT_TRUE(QTest::qWaitFor([&] { return spots->spots().markers().size() == 2; }, 5000));
    EXPECT_DOUBLE_EQ(spots->spots().markers().back().frequencyKhz, 14074) << "on the dial of the status before";
}

} // namespace

#include "PartnerLinksTest.moc"
