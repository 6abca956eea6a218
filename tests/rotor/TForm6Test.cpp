// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "app/TFormA.h"
#include "beam/TForm10.h"
#include "entry/TForm4.h"
#include "geo/CoordinateText.h"
#include "logger/Logger32Link.h"
#include "mercator/TForm1.h"
#include "mercator/TForm2.h"
#include "readout/TargetPoint.h"
#include "rotor/TF_Rotor.h"
#include "rotor/TForm6.h"
#include "session/Session.h"
#include "settings/ParameterSettings.h"
#include "support/Controls.h"
#include "support/RotorStateEdit.h"
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
#include <optional>

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
        parameters()->setOptimisedPath(false);
        parameters()->setRotorStartImmediately(false);
        session()->setOverlapAngle(0);
    }

    // A status of the rotor program: azimuth and elevation in degrees, travel ends in degrees.
    static void status(std::optional<double> azimuth, int motion = 0, int minAzimuth = 0, int maxAzimuth = 450,
                       double elevation = 0)
    {
        editRotorState([&](RotorState& r) {
            r.rotorAzimuth = azimuth;
            r.rotorElevation = elevation;
            r.rotorMotion = motion;
            r.rotorMinAzimuth = minAzimuth;
            r.rotorMaxAzimuth = maxAzimuth;
        });
        emit rotorLink()->statusReceived();
    }

    // A target that went out before, degrees: nothing waits to be sent.
    static void sentTarget(double azimuth)
    {
        const std::optional<double> standing = session()->rotorState().rotorAzimuth;
        editRotorState([&](RotorState& r) { r.rotorAzimuth = azimuth; });
        rotorLink()->cancelTarget();  // falls back to where the rotor stands, unsent
        editRotorState([&](RotorState& r) { r.rotorAzimuth = standing; });
    }

    static void connectedStatus(double azimuth, int minAzimuth = 0, int maxAzimuth = 450)
    {
        editRotorState([](RotorState& r) { r.rotorConnected = true; });
        status(azimuth, 0, minAzimuth, maxAzimuth);
    }

    static void enter(const QString& text)
    {
        QTest::keyClicks(form6()->Edit_Azimut, text);
        QTest::keyClick(form6()->Edit_Azimut, Qt::Key_Return);
    }

    static QColor panelColor(const QLabel* panel) { return panel->palette().color(QPalette::Window); }
};

TEST_F(TForm6Test, HiddenUntilAStatusFindsTheLinkUpThenShowsTheRotorControls)
{
    EXPECT_TRUE(form6()->isHidden());
    EXPECT_FALSE(formA()->Feststationen1->isVisible());

    editRotorState([&](RotorState& r) { r.rotorStatus6 = 1; });
    sentTarget(300);  // stale
    status(123.4, 1, -180, 540, 5.5);
    EXPECT_TRUE(form6()->isHidden());  // a status alone, without the link, shows nothing
    EXPECT_EQ(form6()->Edit_Azimut->text(), QStringLiteral("123"));
    EXPECT_EQ(form6()->PanelStart->text(), QStringLiteral("Stop"));
    EXPECT_EQ(panelColor(form6()->PanelLinks), red);
    EXPECT_EQ(panelColor(form6()->PanelRechts), green);
    EXPECT_EQ(parameterControl<QLineEdit>("E_IstElevation")->text(), QStringLiteral("6"));
    // First-status rule: the stale target is replaced by where the rotor stands.
    EXPECT_EQ(rotorLink()->targetAzimuth(), 123.4);
    EXPECT_FALSE(form6()->rotorFirstStatus);

    editRotorState([&](RotorState& r) { r.rotorConnected = true; });
    rotorLink()->turnTo(200);
    status(100, -1);
    EXPECT_FALSE(form6()->isHidden());
    EXPECT_TRUE(formA()->Feststationen1->isVisible());
    EXPECT_FALSE(parameterControl<QGroupBox>("GB_Azimut")->isHidden());
    EXPECT_FALSE(parameterControl<QGroupBox>("GB_Elevation")->isHidden());
    EXPECT_EQ(form6()->Edit_Azimut->text(), QStringLiteral("100"));
    EXPECT_EQ(form6()->PanelStart->text(), QStringLiteral("Stop"));
    EXPECT_EQ(panelColor(form6()->PanelLinks), green);
    EXPECT_EQ(panelColor(form6()->PanelRechts), red);
    EXPECT_EQ(rotorLink()->targetAzimuth(), 200);  // the rule acts only once

    status(std::nullopt);
    EXPECT_TRUE(form6()->isHidden());
    EXPECT_FALSE(formA()->Feststationen1->isVisible());
    EXPECT_TRUE(parameterControl<QGroupBox>("GB_Azimut")->isHidden());
    EXPECT_TRUE(parameterControl<QGroupBox>("GB_Elevation")->isHidden());
}

TEST_F(TForm6Test, TheFirstStatusRuleWaitsForStatusField6)
{
    sentTarget(300);
    connectedStatus(10);
    EXPECT_EQ(rotorLink()->targetAzimuth(), 300);
    EXPECT_TRUE(form6()->rotorFirstStatus);
    editRotorState([&](RotorState& r) { r.rotorStatus6 = 2; });
    connectedStatus(20);
    EXPECT_EQ(rotorLink()->targetAzimuth(), 20);
}

// A target waiting to be sent when the first status comes is meant (a Logger32 bearing right after
// the start): it survives and goes out; a stale one does not.
TEST_F(TForm6Test, TheFirstStatusKeepsATargetWaitingToBeSent)
{
    const struct {
        bool pending;
        double target;  // after the first status, degrees
    } cases[] = {{true, 270}, {false, 10}};
    for (const auto& c : cases) {
        if (c.pending)
            rotorLink()->turnTo(270);
        else
            sentTarget(270);
        form6()->rotorFirstStatus = true;
        editRotorState([](RotorState& r) { r.rotorStatus6 = 1; });
        connectedStatus(10);
        EXPECT_EQ(rotorLink()->targetAzimuth(), c.target) << c.pending;
        EXPECT_EQ(rotorLink()->sendPending(), c.pending);
    }
}

TEST_F(TForm6Test, TheSentElevationIsTheBasicSettingOrWhereTheRotorStands)
{
    parameters()->setElevationAtStart(true);
    session()->setElevationDefault(7);
    status(10, 0, 0, 450, 30);
    EXPECT_EQ(rotorLink()->targetElevation(), 7);
    parameters()->setElevationAtStart(false);
    status(10, 0, 0, 450, 30);
    EXPECT_EQ(rotorLink()->targetElevation(), 30);
}

TEST_F(TForm6Test, TypedBearingsWrapIntoTheTravelAndAreMarkedForSending)
{
    connectedStatus(10);
    const std::pair<const char*, double> cases[] = {{"-30", 330}, {"500", 140}, {"90", 90}};
    for (const auto& [typed, commanded] : cases) {
        rotorLink()->cancelTarget();
        enter(QString::fromLatin1(typed));
        EXPECT_EQ(rotorLink()->targetAzimuth(), commanded) << typed;
        EXPECT_TRUE(rotorLink()->sendPending()) << typed;
        EXPECT_NE(form6()->Edit_Azimut->palette().color(QPalette::Base), yellow);
    }

    // With the optimised path the bearing goes the shorter way round.
    parameters()->setOptimisedPath(true);
    session()->setOverlapAngle(10);
    connectedStatus(400);
    enter(QStringLiteral("50"));
    EXPECT_EQ(rotorLink()->targetAzimuth(), 410);
}

TEST_F(TForm6Test, TheFirstKeyWipesTheAzimuthAndStatusesLeaveTheTypedTextAlone)
{
    connectedStatus(123);
    ASSERT_EQ(form6()->Edit_Azimut->text(), QStringLiteral("123"));
    QTest::keyClick(form6()->Edit_Azimut, Qt::Key_Right);  // a key that types nothing
    EXPECT_TRUE(form6()->isTyping());
    EXPECT_EQ(form6()->Edit_Azimut->text(), QString());
    QTest::keyClicks(form6()->Edit_Azimut, QStringLiteral("4+5.x"));  // "+" and "." are dropped
    EXPECT_EQ(form6()->Edit_Azimut->text(), QStringLiteral("45X"));
    // Keys that type no character keep their meaning: Home, then Delete removes the "4".
    QTest::keyClick(form6()->Edit_Azimut, Qt::Key_Home);
    QTest::keyClick(form6()->Edit_Azimut, Qt::Key_Delete);
    EXPECT_EQ(form6()->Edit_Azimut->text(), QStringLiteral("5X"));
    QTest::keyClicks(form6()->Edit_Azimut, QStringLiteral("4"));
    connectedStatus(130);
    EXPECT_EQ(form6()->Edit_Azimut->text(), QStringLiteral("45X"));

    // Enter on an empty field only ends the entry.
    form6()->Edit_Azimut->clear();
    rotorLink()->turnTo(77);
    QTest::keyClick(form6()->Edit_Azimut, Qt::Key_Return);
    EXPECT_FALSE(form6()->isTyping());
    EXPECT_EQ(rotorLink()->targetAzimuth(), 77);
    connectedStatus(359.6);
    EXPECT_EQ(form6()->Edit_Azimut->text(), QStringLiteral("360"));
}

TEST_F(TForm6Test, AnInvalidBearingKeepsTheRotorWhereItIsWithoutAMessage)
{
    connectedStatus(42);
    rotorLink()->turnTo(rotorLink()->targetAzimuth());
    for (const char* typed : {"12A", "JO31", "-"}) {
        enter(QString::fromLatin1(typed));
        EXPECT_TRUE(dialogs.shown.isEmpty()) << typed;
        EXPECT_EQ(rotorLink()->targetAzimuth(), 42);
        EXPECT_FALSE(rotorLink()->sendPending());
    }
}

TEST_F(TForm6Test, ALocatorInLowerCaseBecomesTheTargetAndStartsTheRotorWhenAsked)
{
    connectedStatus(10);
    parameters()->setRotorStartImmediately(true);
    QTest::keyClicks(form6()->Edit_Azimut, QStringLiteral("jo31mm"));
    EXPECT_EQ(form6()->Edit_Azimut->text(), QStringLiteral("JO31MM"));
    QTest::keyClick(form6()->Edit_Azimut, Qt::Key_Return);

    double latitude = 0;
    double longitude = 0;
    locatorToPosition(QStringLiteral("JO31MM"), longitude, latitude);
    const TargetInfo expected = TargetPoint::seenFrom(session()->ownPosition(), longitude, latitude);
    EXPECT_EQ(session()->target().longitude, expected.longitude);
    EXPECT_EQ(session()->target().latitude, expected.latitude);
    EXPECT_EQ(session()->target().bearing, expected.bearing);
    EXPECT_NEAR(session()->target().distance, 449, 5);  // Berlin to Dortmund, km
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(control<QLabel>(form2(), "Label3")->text(), QStringLiteral("JO31MM"));
    EXPECT_EQ(rotorLink()->targetAzimuth(), expected.bearing);
    EXPECT_TRUE(rotorLink()->sendPending());

    // Pasted text passes no key filter; a lower-case locator is taken all the same.
    QTest::keyClick(form6()->Edit_Azimut, Qt::Key_Backspace);  // starts an entry
    form6()->Edit_Azimut->setText(QStringLiteral("jo62qm"));
    QTest::keyClick(form6()->Edit_Azimut, Qt::Key_Return);
    EXPECT_EQ(control<QLabel>(form2(), "Label3")->text(), QStringLiteral("JO62QM"));

    // Without immediate start the locator only becomes the target.
    parameters()->setRotorStartImmediately(false);
    rotorLink()->cancelTarget();  // back to 10 degrees, where the rotor stands, unsent
    enter(QStringLiteral("PM95VQ"));
    EXPECT_GT(session()->target().distance, 8000);
    EXPECT_EQ(rotorLink()->targetAzimuth(), 10);
    EXPECT_FALSE(rotorLink()->sendPending());
}

TEST_F(TForm6Test, ABearingFromLogger32TakesTheRoadOfATypedOne)
{
    connectedStatus(10, -180, 180);
    Logger32Link* link = &RunningProgram::get()->logger32Link();
    emit link->bearingReceived(270);
    EXPECT_EQ(form6()->Edit_Azimut->text(), QStringLiteral("270"));
    EXPECT_EQ(rotorLink()->targetAzimuth(), -90);
    EXPECT_TRUE(rotorLink()->sendPending());
    emit link->bearingReceived(90);
    EXPECT_EQ(rotorLink()->targetAzimuth(), 90);
    EXPECT_TRUE(rotorLink()->sendPending());

    // The panel goes before the main window and its link (the entry window goes right after the
    // panel): bearings then have nowhere to go.
    double targetAfterThePanel = 0;
    QObject::connect(form4(), &QObject::destroyed, [&] {
        emit link->bearingReceived(270);
        targetAfterThePanel = rotorLink()->targetAzimuth();
    });
    folder.stop();
    EXPECT_EQ(targetAfterThePanel, 90);
}

TEST_F(TForm6Test, ArrowsTurnToTheTravelEndsOrStopAndTheTargetWaitsForTheRelease)
{
    connectedStatus(100, -180, 540);
    QTest::mousePress(form6()->PanelLinks, Qt::LeftButton);
    EXPECT_EQ(form6()->PanelLinks->frameShadow(), QFrame::Sunken);
    EXPECT_FALSE(rotorLink()->sendPending());
    QTest::mouseRelease(form6()->PanelLinks, Qt::LeftButton);
    EXPECT_EQ(rotorLink()->targetAzimuth(), -179);
    EXPECT_TRUE(rotorLink()->sendPending());
    EXPECT_EQ(form6()->PanelLinks->frameShadow(), QFrame::Raised);

    QTest::mouseClick(form6()->PanelRechts, Qt::LeftButton);
    EXPECT_EQ(rotorLink()->targetAzimuth(), 539);

    // Pressed again while the rotor already turns that way: stop.
    status(200, 1, -180, 540);
    QTest::mouseClick(form6()->PanelRechts, Qt::LeftButton);
    EXPECT_EQ(rotorLink()->targetAzimuth(), 200);
    status(150, -1, -180, 540);
    QTest::mouseClick(form6()->PanelLinks, Qt::LeftButton);
    EXPECT_EQ(rotorLink()->targetAzimuth(), 150);

    // Only the left button acts.
    rotorLink()->cancelTarget();
    QTest::mouseClick(form6()->PanelRechts, Qt::RightButton);
    EXPECT_EQ(rotorLink()->targetAzimuth(), 150);
    EXPECT_FALSE(rotorLink()->sendPending());
}

// Travel ends at the extremes of int: one degree inside them is still exact, with no overflow.
TEST_F(TForm6Test, ArrowsAtExtremeTravelEndsStayOneDegreeInside)
{
    connectedStatus(100, INT_MIN, INT_MAX);
    QTest::mouseClick(form6()->PanelLinks, Qt::LeftButton);
    EXPECT_EQ(rotorLink()->targetAzimuth(), double(INT_MIN) + 1);
    QTest::mouseClick(form6()->PanelRechts, Qt::LeftButton);
    EXPECT_EQ(rotorLink()->targetAzimuth(), double(INT_MAX) - 1);
}

TEST_F(TForm6Test, ZielTurnsToTheTargetOrStopsAMovingRotor)
{
    connectedStatus(10);
    rotorLink()->turnTo(33);
    QTest::mouseClick(form6()->PanelStart, Qt::LeftButton);  // no target set: unchanged, still marked
    EXPECT_EQ(rotorLink()->targetAzimuth(), 33);
    EXPECT_TRUE(rotorLink()->sendPending());

    session()->setTarget(151.21, -33.87);
    QTest::mouseClick(form6()->PanelStart, Qt::LeftButton);
    EXPECT_EQ(rotorLink()->targetAzimuth(),
              rotorLink()->OptimiseRotorTarget(session()->target().bearing, parameters()->optimisedPath()));

    status(80, 1);
    ASSERT_EQ(form6()->PanelStart->text(), QStringLiteral("Stop"));
    QTest::mouseClick(form6()->PanelStart, Qt::LeftButton);
    EXPECT_EQ(rotorLink()->targetAzimuth(), 80);
}

TEST_F(TForm6Test, EscStartsANewEntry)
{
    connectedStatus(123);
    form6()->Button1->click();
    EXPECT_TRUE(form6()->isTyping());
    EXPECT_EQ(form6()->Edit_Azimut->text(), QString());

    // Esc anywhere in the main window clicks the panel's cancel button.
    form6()->Edit_Azimut->setText(QStringLiteral("12"));
    formA()->show();
    formA()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(formA()));
    QTest::keyClick(formA(), Qt::Key_Escape);
    EXPECT_EQ(form6()->Edit_Azimut->text(), QString());
}

TEST_F(TForm6Test, StatusesDrawTheAntennaLineAndTheLostStatusErasesIt)
{
    ASSERT_FALSE(form1()->Karte->isHidden());
    connectedStatus(90);
    EXPECT_TRUE(form1()->drawState().mercatorLineDrawn);
    EXPECT_EQ(form1()->drawState().mercatorLineDirection, 90);
    connectedStatus(135);
    EXPECT_EQ(form1()->drawState().mercatorLineDirection, 135);
    status(std::nullopt);
    EXPECT_FALSE(form1()->drawState().mercatorLineDrawn);
    EXPECT_FALSE(form10()->drawState().beamLineDrawn);
}

} // namespace

namespace {

// The rotor keys of the main window's Extras menu: short and long path to the target, and stop.
TEST_F(TForm6Test, RotorKeysTurnTheShortOrLongWayAndStop)
{
    connectedStatus(100, -180, 540);
    session()->setTarget(13.4, 10.0);  // due south of the own station
    const double bearing = session()->target().bearing;
    ASSERT_NEAR(bearing, 180, 0.5);
    const struct { QAction* item; double target; } cases[] = {
        {formA()->shortPathItem, bearing},
        {formA()->longPathItem, bearing - 180},
        {formA()->rotorStopItem, 100},
    };
    for (const auto& c : cases) {
        rotorLink()->cancelTarget();
        c.item->trigger();
        EXPECT_EQ(rotorLink()->targetAzimuth(), c.target) << c.item->text().toStdString();
        EXPECT_TRUE(rotorLink()->sendPending());
    }
    // The rotor panel's own context menu offers the same, the long path included.
    const auto panelCommand = [](const char* name) { return form6()->findChild<QAction*>(QLatin1String(name)); };
    ASSERT_TRUE(panelCommand("longPathCommand"));
    rotorLink()->cancelTarget();
    panelCommand("longPathCommand")->trigger();
    EXPECT_EQ(rotorLink()->targetAzimuth(), bearing - 180);
    EXPECT_EQ(form6()->contextMenuPolicy(), Qt::ActionsContextMenu);

    // Without a target there is nothing to turn to.
    session()->clearTarget();
    rotorLink()->cancelTarget();
    formA()->shortPathItem->trigger();
    EXPECT_FALSE(rotorLink()->sendPending());
}

} // namespace

namespace {

// "<<", "Ziel" and ">>" are reached with Tab and pressed with Space, as the mouse presses them.
TEST_F(TForm6Test, PanelsAreReachedWithTabAndPressedWithSpace)
{
    connectedStatus(100, -180, 540);
    for (QLabel* panel : {form6()->PanelLinks, form6()->PanelStart, form6()->PanelRechts})
        EXPECT_EQ(panel->focusPolicy(), Qt::TabFocus) << panel->objectName().toStdString();
    const struct { QLabel* panel; double target; } cases[] = {
        {form6()->PanelLinks, -179}, {form6()->PanelRechts, 539},
    };
    for (const auto& c : cases) {
        rotorLink()->cancelTarget();
        QTest::keyPress(c.panel, Qt::Key_Space);
        EXPECT_EQ(c.panel->frameShadow(), QFrame::Sunken);
        QTest::keyRelease(c.panel, Qt::Key_Space);
        EXPECT_EQ(rotorLink()->targetAzimuth(), c.target) << c.panel->objectName().toStdString();
        EXPECT_TRUE(rotorLink()->sendPending());
    }
}

} // namespace
