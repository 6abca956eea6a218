#include "app/TFormA.h"
#include "entry/TForm4.h"
#include "geo/CoordinateText.h"
#include "logger/Logger32Link.h"
#include "mercator/TForm1.h"
#include "mercator/TForm2.h"
#include "readout/TargetPoint.h"
#include "rotor/TF_Rotor.h"
#include "rotor/TForm6.h"
#include "session/Session.h"
#include "settings/TForm3.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "widgets/ImageWidget.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <climits>

namespace {

const QColor red(255, 0, 0);
const QColor green(0, 255, 0);
const QColor yellow(255, 255, 0);

// A started program with the own station at Berlin (13.4 E, 52.5 N) and a small world map; the
// rotor program is simulated by writing the rotor state as a status macro does and telling the
// link's subscribers as the rotor link does.
class TForm6Test : public testing::Test {
protected:
    ScriptedDialogs dialogs;
    ProgramFolder folder;

    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        folder.writeReferenceData();
        QImage world(360, 180, QImage::Format_RGB32);
        world.fill(QColor(200, 220, 255));
        ASSERT_TRUE(world.save(folder.kartenPath(QStringLiteral("Welt.bmp")), "BMP"));
        folder.writeFile(QStringLiteral("Karten/Welt.inf"), "90.00N 180.00W\r\n90.00S 180.00E\r\n");
        folder.writeFile(QStringLiteral("Corvane.ini"), "[Locator]\r\nU_L\xe4nge=13,4\r\nU_Breite=52,5\r\n");
        folder.start();
        Form3->CB_Optimiert->setChecked(false);
        Form3->CB_RotSofort->setChecked(false);
        session->overlapAngle = 0;
    }

    // A status of the rotor program: azimuth and elevation in degrees, travel ends in degrees.
    static void status(double azimuth, int motion = 0, int minAzimuth = 0, int maxAzimuth = 450, double elevation = 0)
    {
        session->rotorState.rotorAzimuth = azimuth;
        session->rotorState.rotorElevation = elevation;
        session->rotorState.rotorMotion = motion;
        session->rotorState.rotorMinAzimuth = minAzimuth;
        session->rotorState.rotorMaxAzimuth = maxAzimuth;
        emit F_Rotor->statusReceived();
    }

    static void connectedStatus(double azimuth, int minAzimuth = 0, int maxAzimuth = 450)
    {
        session->rotorState.rotorConnected = true;
        status(azimuth, 0, minAzimuth, maxAzimuth);
    }

    static void enter(const QString& text)
    {
        QTest::keyClicks(Form6->Edit_Azimut, text);
        QTest::keyClick(Form6->Edit_Azimut, Qt::Key_Return);
    }

    static QColor panelColor(const QLabel* panel) { return panel->palette().color(QPalette::Window); }
};

TEST_F(TForm6Test, HiddenUntilAStatusFindsTheLinkUpThenShowsTheRotorControls)
{
    EXPECT_TRUE(Form6->isHidden());
    EXPECT_FALSE(FormA->Feststationen1->isVisible());

    session->rotorState.rotorStatus6 = 1;
    session->rotorState.rotorTargetAzimuth = 300;  // stale
    status(123.4, 1, -180, 540, 5.5);
    EXPECT_TRUE(Form6->isHidden());  // a status alone, without the link, shows nothing
    EXPECT_EQ(Form6->Edit_Azimut->text(), QStringLiteral("123"));
    EXPECT_EQ(Form6->PanelStart->text(), QStringLiteral("Stop"));
    EXPECT_EQ(panelColor(Form6->PanelLinks), red);
    EXPECT_EQ(panelColor(Form6->PanelRechts), green);
    EXPECT_EQ(Form3->E_IstElevation->text(), QStringLiteral("6"));
    // First-status rule: the stale target is replaced by where the rotor stands.
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, 123.4);
    EXPECT_FALSE(Form6->rotorFirstStatus);

    session->rotorState.rotorConnected = true;
    session->rotorState.rotorTargetAzimuth = 200;
    status(100, -1);
    EXPECT_FALSE(Form6->isHidden());
    EXPECT_TRUE(FormA->Feststationen1->isVisible());
    EXPECT_FALSE(Form3->GB_Azimut->isHidden());
    EXPECT_FALSE(Form3->GB_Elevation->isHidden());
    EXPECT_EQ(Form6->Edit_Azimut->text(), QStringLiteral("100"));
    EXPECT_EQ(Form6->PanelStart->text(), QStringLiteral("Stop"));
    EXPECT_EQ(panelColor(Form6->PanelLinks), green);
    EXPECT_EQ(panelColor(Form6->PanelRechts), red);
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, 200);  // the rule acts only once

    status(RotorState::noStatus);
    EXPECT_TRUE(Form6->isHidden());
    EXPECT_FALSE(FormA->Feststationen1->isVisible());
    EXPECT_TRUE(Form3->GB_Azimut->isHidden());
    EXPECT_TRUE(Form3->GB_Elevation->isHidden());
}

TEST_F(TForm6Test, TheFirstStatusRuleWaitsForStatusField6)
{
    session->rotorState.rotorTargetAzimuth = 300;
    connectedStatus(10);
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, 300);
    EXPECT_TRUE(Form6->rotorFirstStatus);
    session->rotorState.rotorStatus6 = 2;
    connectedStatus(20);
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, 20);
}

TEST_F(TForm6Test, TheSentElevationIsTheBasicSettingOrWhereTheRotorStands)
{
    Form3->CB_Elevation->setChecked(true);
    session->elevationDefault = 7;
    status(10, 0, 0, 450, 30);
    EXPECT_EQ(session->rotorState.rotorTargetElevation, 7);
    Form3->CB_Elevation->setChecked(false);
    status(10, 0, 0, 450, 30);
    EXPECT_EQ(session->rotorState.rotorTargetElevation, 30);
}

TEST_F(TForm6Test, TypedBearingsWrapIntoTheTravelAndAreMarkedForSending)
{
    connectedStatus(10);
    const std::pair<const char*, double> cases[] = {{"-30", 330}, {"500", 140}, {"90", 90}};
    for (const auto& [typed, commanded] : cases) {
        session->rotorState.rotorSendPending = false;
        enter(QString::fromLatin1(typed));
        EXPECT_EQ(session->rotorState.rotorTargetAzimuth, commanded) << typed;
        EXPECT_TRUE(session->rotorState.rotorSendPending) << typed;
        EXPECT_NE(Form6->Edit_Azimut->palette().color(QPalette::Base), yellow);
    }

    // With the optimised path the bearing goes the shorter way round.
    Form3->CB_Optimiert->setChecked(true);
    session->overlapAngle = 10;
    connectedStatus(400);
    enter(QStringLiteral("50"));
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, 410);
}

TEST_F(TForm6Test, TheFirstKeyWipesTheAzimuthAndStatusesLeaveTheTypedTextAlone)
{
    connectedStatus(123);
    ASSERT_EQ(Form6->Edit_Azimut->text(), QStringLiteral("123"));
    QTest::keyClick(Form6->Edit_Azimut, Qt::Key_Right);  // a key that types nothing
    EXPECT_TRUE(Form6->isTyping());
    EXPECT_EQ(Form6->Edit_Azimut->text(), QString());
    QTest::keyClicks(Form6->Edit_Azimut, QStringLiteral("4+5.x"));  // "+" and "." are dropped
    EXPECT_EQ(Form6->Edit_Azimut->text(), QStringLiteral("45X"));
    // Keys that type no character keep their meaning: Home, then Delete removes the "4".
    QTest::keyClick(Form6->Edit_Azimut, Qt::Key_Home);
    QTest::keyClick(Form6->Edit_Azimut, Qt::Key_Delete);
    EXPECT_EQ(Form6->Edit_Azimut->text(), QStringLiteral("5X"));
    QTest::keyClicks(Form6->Edit_Azimut, QStringLiteral("4"));
    connectedStatus(130);
    EXPECT_EQ(Form6->Edit_Azimut->text(), QStringLiteral("45X"));

    // Enter on an empty field only ends the entry.
    Form6->Edit_Azimut->clear();
    session->rotorState.rotorTargetAzimuth = 77;
    QTest::keyClick(Form6->Edit_Azimut, Qt::Key_Return);
    EXPECT_FALSE(Form6->isTyping());
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, 77);
    connectedStatus(359.6);
    EXPECT_EQ(Form6->Edit_Azimut->text(), QStringLiteral("360"));
}

TEST_F(TForm6Test, AnInvalidBearingKeepsTheRotorWhereItIsWithoutAMessage)
{
    connectedStatus(42);
    session->rotorState.rotorSendPending = true;
    for (const char* typed : {"12A", "JO31", "-"}) {
        enter(QString::fromLatin1(typed));
        EXPECT_TRUE(dialogs.shown.isEmpty()) << typed;
        EXPECT_EQ(session->rotorState.rotorTargetAzimuth, 42);
        EXPECT_FALSE(session->rotorState.rotorSendPending);
    }
}

TEST_F(TForm6Test, ALocatorInLowerCaseBecomesTheTargetAndStartsTheRotorWhenAsked)
{
    connectedStatus(10);
    Form3->CB_RotSofort->setChecked(true);
    QTest::keyClicks(Form6->Edit_Azimut, QStringLiteral("jo31mm"));
    EXPECT_EQ(Form6->Edit_Azimut->text(), QStringLiteral("JO31MM"));
    QTest::keyClick(Form6->Edit_Azimut, Qt::Key_Return);

    double latitude = 0;
    double longitude = 0;
    locatorToPosition(QStringLiteral("JO31MM"), longitude, latitude);
    const TargetInfo expected = TargetPoint::seenFrom(session->ownPosition, longitude, latitude);
    EXPECT_EQ(session->target.longitude, expected.longitude);
    EXPECT_EQ(session->target.latitude, expected.latitude);
    EXPECT_EQ(session->target.bearing, expected.bearing);
    EXPECT_NEAR(session->target.distance, 449, 5);  // Berlin to Dortmund, km
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(Form2->Label3->text(), QStringLiteral("JO31MM"));
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, expected.bearing);
    EXPECT_TRUE(session->rotorState.rotorSendPending);

    // Pasted text passes no key filter; a lower-case locator is taken all the same.
    QTest::keyClick(Form6->Edit_Azimut, Qt::Key_Backspace);  // starts an entry
    Form6->Edit_Azimut->setText(QStringLiteral("jo62qm"));
    QTest::keyClick(Form6->Edit_Azimut, Qt::Key_Return);
    EXPECT_EQ(Form2->Label3->text(), QStringLiteral("JO62QM"));

    // Without immediate start the locator only becomes the target.
    Form3->CB_RotSofort->setChecked(false);
    session->rotorState.rotorSendPending = false;
    session->rotorState.rotorTargetAzimuth = 10;
    enter(QStringLiteral("PM95VQ"));
    EXPECT_GT(session->target.distance, 8000);
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, 10);
    EXPECT_FALSE(session->rotorState.rotorSendPending);
}

TEST_F(TForm6Test, ABearingFromLogger32TakesTheRoadOfATypedOne)
{
    connectedStatus(10, -180, 180);
    Logger32Link* link = FormA->logger32Link;
    emit link->bearingReceived(270);
    EXPECT_EQ(Form6->Edit_Azimut->text(), QStringLiteral("270"));
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, -90);
    EXPECT_TRUE(session->rotorState.rotorSendPending);
    emit link->bearingReceived(90);
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, 90);
    EXPECT_TRUE(session->rotorState.rotorSendPending);

    // The panel goes before the main window and its link (the entry window goes right after the
    // panel): bearings then have nowhere to go.
    double targetAfterThePanel = 0;
    QObject::connect(Form4, &QObject::destroyed, [&] {
        emit link->bearingReceived(270);
        targetAfterThePanel = session->rotorState.rotorTargetAzimuth;
    });
    folder.stop();
    EXPECT_EQ(targetAfterThePanel, 90);
}

TEST_F(TForm6Test, ArrowsTurnToTheTravelEndsOrStopAndTheTargetWaitsForTheRelease)
{
    connectedStatus(100, -180, 540);
    QTest::mousePress(Form6->PanelLinks, Qt::LeftButton);
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, -179);
    EXPECT_EQ(Form6->PanelLinks->frameShadow(), QFrame::Sunken);
    EXPECT_FALSE(session->rotorState.rotorSendPending);
    QTest::mouseRelease(Form6->PanelLinks, Qt::LeftButton);
    EXPECT_TRUE(session->rotorState.rotorSendPending);
    EXPECT_EQ(Form6->PanelLinks->frameShadow(), QFrame::Raised);

    QTest::mouseClick(Form6->PanelRechts, Qt::LeftButton);
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, 539);

    // Pressed again while the rotor already turns that way: stop.
    status(200, 1, -180, 540);
    QTest::mouseClick(Form6->PanelRechts, Qt::LeftButton);
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, 200);
    status(150, -1, -180, 540);
    QTest::mouseClick(Form6->PanelLinks, Qt::LeftButton);
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, 150);

    // Only the left button acts.
    session->rotorState.rotorSendPending = false;
    QTest::mouseClick(Form6->PanelRechts, Qt::RightButton);
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, 150);
    EXPECT_FALSE(session->rotorState.rotorSendPending);
}

// Travel ends at the extremes of int: one degree inside them is still exact, with no overflow.
TEST_F(TForm6Test, ArrowsAtExtremeTravelEndsStayOneDegreeInside)
{
    connectedStatus(100, INT_MIN, INT_MAX);
    QTest::mouseClick(Form6->PanelLinks, Qt::LeftButton);
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, double(INT_MIN) + 1);
    QTest::mouseClick(Form6->PanelRechts, Qt::LeftButton);
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, double(INT_MAX) - 1);
}

TEST_F(TForm6Test, ZielTurnsToTheTargetOrStopsAMovingRotor)
{
    connectedStatus(10);
    session->rotorState.rotorTargetAzimuth = 33;
    QTest::mouseClick(Form6->PanelStart, Qt::LeftButton);  // no target set: unchanged, still marked
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, 33);
    EXPECT_TRUE(session->rotorState.rotorSendPending);

    session->target = TargetPoint::seenFrom(session->ownPosition, 151.21, -33.87);
    QTest::mouseClick(Form6->PanelStart, Qt::LeftButton);
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth,
              F_Rotor->OptimiseRotorTarget(session->target.bearing, Form3->optimisedPath()));

    status(80, 1);
    ASSERT_EQ(Form6->PanelStart->text(), QStringLiteral("Stop"));
    QTest::mouseClick(Form6->PanelStart, Qt::LeftButton);
    EXPECT_EQ(session->rotorState.rotorTargetAzimuth, 80);
}

TEST_F(TForm6Test, EscStartsANewEntry)
{
    connectedStatus(123);
    Form6->Button1->click();
    EXPECT_TRUE(Form6->isTyping());
    EXPECT_EQ(Form6->Edit_Azimut->text(), QString());

    // Esc anywhere in the main window clicks the panel's cancel button.
    Form6->Edit_Azimut->setText(QStringLiteral("12"));
    FormA->show();
    FormA->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(FormA));
    QTest::keyClick(FormA, Qt::Key_Escape);
    EXPECT_EQ(Form6->Edit_Azimut->text(), QString());
}

TEST_F(TForm6Test, StatusesDrawTheAntennaLineAndTheLostStatusErasesIt)
{
    ASSERT_FALSE(Form1->Karte->isHidden());
    connectedStatus(90);
    EXPECT_TRUE(session->drawState.mercatorLineDrawn);
    EXPECT_EQ(session->drawState.mercatorLineDirection, 90);
    connectedStatus(135);
    EXPECT_EQ(session->drawState.mercatorLineDirection, 135);
    status(RotorState::noStatus);
    EXPECT_FALSE(session->drawState.mercatorLineDrawn);
    EXPECT_FALSE(session->drawState.beamLineDrawn);
}

} // namespace
