#include "app/TFormA.h"
#include "logger/Logger32Link.h"
#include "support/PrivateBus.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Logger32LinkTest : public testing::Test {
protected:
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    QProcess logger32;
    QList<int> bearings;

    void SetUp() override
    {
        ASSERT_FALSE(PrivateBus::address().isEmpty());
        folder.writeReferenceData();
        Logger32Link::replyTimeout = 500;
        Logger32Link::bearingReceiver = [this](int bearing) { bearings << bearing; };
    }
    void TearDown() override
    {
        folder.stop();
        Logger32Link::bearingReceiver = nullptr;
        logger32.kill();
        logger32.waitForFinished(2000);
    }

    void startLogger32(const QStringList& arguments)
    {
        logger32.start(QStringLiteral(FAKE_LOGGER32), arguments);
        ASSERT_TRUE(logger32.waitForStarted(5000));
        ASSERT_TRUE(logger32.waitForReadyRead(5000));
        ASSERT_EQ(logger32.readLine().trimmed(), QByteArray("ready"));
    }

    // What Logger32 was sent, with our own window handle written as "h".
    QStringList received()
    {
        QTest::qWait(100);
        const QString handle = QString::number(QCoreApplication::applicationPid());
        QStringList lines;
        for (const QByteArray& line : logger32.readAllStandardOutput().split('\n'))
            if (!line.isEmpty())
                lines << QString::fromUtf8(line).replace(QStringLiteral("|") + handle, QStringLiteral("|h"));
        return lines;
    }

    QString caption() const { return FormA->Logger32->text(); }
};

TEST_F(Logger32LinkTest, WithoutLogger32TheCaptionSaysNotFound)
{
    folder.start();
    EXPECT_EQ(caption(), QStringLiteral("Logger32 NOT found"));
}

TEST_F(Logger32LinkTest, HandshakeOutcomes)
{
    const struct {
        QStringList arguments;
        QString caption;
        QStringList sent;
    } cases[] = {
        {{"--ack", "1", "--replies", "3,100"}, "Logger32 connected",
         {"Logger32 1|1|h", "Logger32 1|2|0", "Logger32 1|3|0"}},
        {{"--ack", "3", "--replies", "3,100"}, "Logger32 connected",
         {"Logger32 1|1|h", "Logger32 2|1|h", "Logger32 3|1|h", "Logger32 3|2|0", "Logger32 3|3|0"}},
        // A reply 100 before reply 3 asks again and is not counted.
        {{"--ack", "1", "--replies", "100,100,3,100"}, "Logger32 connected",
         {"Logger32 1|1|h", "Logger32 1|2|0", "Logger32 1|3|0", "Logger32 1|2|0", "Logger32 1|2|0"}},
        // Ten counted replies without reply 3: not connected, and Logger32 is told to leave.
        {{"--ack", "1", "--replies", "7,7,7,7,7,7,7,7,7,7,3"}, "Logger32 NOT connected",
         {"Logger32 1|1|h", "Logger32 1|2|0", "Logger32 1|3|0", "Logger32 1|4|0"}},
        // No acknowledgement in five attempts: the caption stays as it was.
        {{"--ack", "0"}, "Logger32",
         {"Logger32 1|1|h", "Logger32 2|1|h", "Logger32 3|1|h", "Logger32 4|1|h", "Logger32 5|1|h"}},
    };
    for (const auto& c : cases) {
        startLogger32(c.arguments);
        folder.start();
        EXPECT_EQ(caption(), c.caption) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(received(), c.sent) << c.arguments.join(u' ').toStdString();
        FormA->Logger32->setText(QStringLiteral("Logger32 NOT found"));  // no leave message at shut-down
        folder.stop();
        logger32.kill();
        logger32.waitForFinished(2000);
    }
}

TEST_F(Logger32LinkTest, BearingsInRangeReachTheRotorPanel)
{
    startLogger32({"--ack", "1", "--replies", "3,100", "--bearings", "90,361,-1,360,0"});
    folder.start();
    ASSERT_EQ(caption(), QStringLiteral("Logger32 connected"));
    // The rotor panel takes the bearings at its creation; record them here instead.
    Logger32Link::bearingReceiver = [this](int bearing) { bearings << bearing; };
    QElapsedTimer clock;
    clock.start();
    while (bearings.size() < 3 && clock.elapsed() < 5000)
        QTest::qWait(50);
    EXPECT_EQ(bearings, (QList<int>{90, 360, 0}));
}

TEST_F(Logger32LinkTest, MenuClickDisconnectsAndConnectsAgainFromTheFirstName)
{
    startLogger32({"--ack", "1", "--replies", "3,100"});
    folder.start();
    ASSERT_EQ(caption(), QStringLiteral("Logger32 connected"));
    received();
    FormA->Logger32->trigger();
    EXPECT_EQ(caption(), QStringLiteral("Logger32 NOT connected"));
    EXPECT_EQ(received(), QStringList{"Logger32 1|4|0"});
    FormA->Logger32->trigger();
    EXPECT_EQ(caption(), QStringLiteral("Logger32 connected"));
    EXPECT_EQ(received(), (QStringList{"Logger32 1|1|h", "Logger32 1|2|0", "Logger32 1|3|0"}));
}

} // namespace
