// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/TForm6.h"
#include "logger/Logger32Link.h"
#include "rotor/RotorMacros.h"
#include "rotor/TF_Rotor.h"
#include "session/Session.h"
#include "settings/ParameterSettings.h"
#include "support/Controls.h"
#include "support/RotorStateEdit.h"
#include "support/ScriptedDialogs.h"
#include "support/RotorLinkProbe.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>
#include <optional>
#include <tuple>
#include <utility>

namespace {

const QColor red(255, 0, 0);
const QColor green(0, 255, 0);
const QColor yellow(255, 255, 0);

// The rotor panel alone in a stand-in client area, the own station at Berlin (13.4 E, 52.5 N),
// over a real rotor link that never connects: the rotor program is simulated by writing the rotor
// state as a status macro does and telling the link's subscribers as the link does.
class TForm6Test : public testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        session.setOwnPosition({13.4, 52.5});
        parameters.setOptimisedPath(false);
        parameters.setRotorStartImmediately(false);
        build();
    }

    void build() { panel = std::make_unique<TForm6>(session, &clientArea, &rotorLink, parameters, logger32Link); }

    // A status of the rotor program: azimuth and elevation in degrees, travel ends in degrees.
    void status(std::optional<double> azimuth, int motion = 0, int minAzimuth = 0, int maxAzimuth = 450)
    {
        editRotorState(session, [&](RotorState& r) {
            r.rotorAzimuth = azimuth;
            r.rotorMotion = motion;
            r.rotorMinAzimuth = minAzimuth;
            r.rotorMaxAzimuth = maxAzimuth;
        });
        session.takeRotorStatus(session.rotorState());
    }

    // A target that went out before, degrees: nothing waits to be sent.
    void sentTarget(double azimuth)
    {
        const std::optional<double> standing = session.rotorState().rotorAzimuth;
        editRotorState(session, [&](RotorState& r) { r.rotorAzimuth = azimuth; });
        rotorLink.cancelTarget();  // falls back to where the rotor stands, unsent
        editRotorState(session, [&](RotorState& r) { r.rotorAzimuth = standing; });
    }

    // A status macro as the rotor program sends it, with the antenna standing at 40 degrees, travel
    // 0 to 450 degrees, and the goal it reports.
    void goalStatus(std::optional<double> goal, int goalCount)
    {
        RotorMacros::Status status {40, 0, 0, 0, 450, true};
        status.goalAzimuth = goal;
        status.goalCount = goalCount;
        RotorLinkProbe::deliverStatus(rotorLink, QStringLiteral(":1.99"), RotorMacros::statusLines(status));
    }

    void connectedStatus(double azimuth, int minAzimuth = 0, int maxAzimuth = 450)
    {
        editRotorState(session, [](RotorState& r) { r.rotorConnected = true; });
        status(azimuth, 0, minAzimuth, maxAzimuth);
    }

    // The link's target, degrees, and whether it waits to be sent.
    using Target = std::pair<double, bool>;
    Target target() const { return {rotorLink.targetAzimuth(), rotorLink.sendPending()}; }

    QLineEdit* field() const { return control<QLineEdit>(panel.get(), "Edit_Azimut"); }
    QLabel* arrow(const char* name) const { return control<QLabel>(panel.get(), name); }
    void enter(const QString& text) const
    {
        QTest::keyClicks(field(), text);
        QTest::keyClick(field(), Qt::Key_Return);
    }
    QColor panelColor(const char* name) const { return arrow(name)->palette().color(QPalette::Window); }

    ScriptedDialogs dialogs;
    Session session;
    Logger32Link logger32Link;
    TF_Rotor rotorLink {session, RotorLinkTiming {3600000}};  // no connection attempt during the test
    ParameterSettings parameters;
    QWidget clientArea;  // in the main window's place
    std::unique_ptr<TForm6> panel;
};

TEST_F(TForm6Test, HiddenUntilAStatusFindsTheLinkUpThenShowsTheRotorControls)
{
    QSignalSpy shown(panel.get(), &TForm6::rotorDisplayShown);
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(panel->parentWidget(), &clientArea);
    status(123.4, 1, -180, 540);
    EXPECT_TRUE(panel->isHidden());  // a status alone, without the link, shows nothing
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_EQ(field()->text(), QStringLiteral("123"));
    EXPECT_EQ(arrow("PanelStart")->text(), QStringLiteral("Stop"));
    EXPECT_EQ(panelColor("PanelLinks"), red);
    EXPECT_EQ(panelColor("PanelRechts"), green);

    editRotorState(session, [&](RotorState& r) { r.rotorConnected = true; });
    status(100, -1);
    EXPECT_FALSE(panel->isHidden());
    EXPECT_EQ(shown.takeFirst(), QVariantList {true});  // the directions list's menu item with it
    EXPECT_EQ(field()->text(), QStringLiteral("100"));
    EXPECT_EQ(arrow("PanelStart")->text(), QStringLiteral("Stop"));
    EXPECT_EQ(panelColor("PanelLinks"), green);
    EXPECT_EQ(panelColor("PanelRechts"), red);

    status(std::nullopt);
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(shown.takeFirst(), QVariantList {false});
    connectedStatus(100);
    session.loseRotorLink(session.rotorState());
    EXPECT_TRUE(panel->isHidden()) << "the link is lost";
}

// A target from before the first status with a reading (status field 6) is stale and falls back
// to where the rotor stands; one waiting to be sent (a Logger32 bearing right after the start) is
// meant and goes out. The rule acts only once.
TEST_F(TForm6Test, TheFirstStatusWithAReadingDropsAStaleTarget)
{
    // What, whether the target waits to be sent, status field 6, and the target after the first status (degrees).
    const std::tuple<const char*, bool, int, double> cases[] = {
        {"a stale target", false, 1, 10},
        {"a target waiting to be sent", true, 1, 270},
        {"no reading yet: the rule waits", false, 0, 270},
    };
    for (const auto& [what, pending, status6, azimuth] : cases) {
        build();
        if (pending)
            rotorLink.turnTo(270);
        else
            sentTarget(270);
        editRotorState(session, [&, status6 = status6](RotorState& r) { r.rotorStatus6 = status6; });
        connectedStatus(10);
        EXPECT_EQ(target(), Target(azimuth, pending)) << what;
    }
    editRotorState(session, [&](RotorState& r) { r.rotorStatus6 = 2; });
    connectedStatus(20);
    EXPECT_EQ(rotorLink.targetAzimuth(), 20) << "the rule acts at the first reading";
    sentTarget(200);
    connectedStatus(30);
    EXPECT_EQ(rotorLink.targetAzimuth(), 200) << "and only then";
}

// A typed bearing wraps into the travel and is marked for sending; anything else keeps the rotor
// where it stands, without a message.
TEST_F(TForm6Test, TypedBearingsWrapIntoTheTravelAndAreMarkedForSending)
{
    connectedStatus(10);
    // What is typed, and the target (degrees) and whether it is sent.
    const std::pair<const char*, Target> cases[] = {{"-30", {330, true}}, {"12A", {10, false}}, {"JO31", {10, false}}};
    for (const auto& [typed, expected] : cases) {
        // Before a bearing nothing waits to be sent; a refused entry withdraws what waits.
        rotorLink.turnTo(10);
        if (expected.second)
            rotorLink.cancelTarget();
        enter(QString::fromLatin1(typed));
        EXPECT_EQ(target(), expected) << typed;
        EXPECT_NE(field()->palette().color(QPalette::Base), yellow);
    }
    EXPECT_TRUE(dialogs.shown.isEmpty());
    // With the optimised path the bearing goes the shorter way round, into the overlap.
    parameters.setOptimisedPath(true);
    parameters.setOverlapText(QStringLiteral("10"));
    connectedStatus(440);
    enter(QStringLiteral("95"));
    EXPECT_EQ(rotorLink.targetAzimuth(), 449) << "455 lies in the overlap: held inside the end";
}

TEST_F(TForm6Test, TheFirstKeyWipesTheAzimuthAndStatusesLeaveTheTypedTextAlone)
{
    connectedStatus(123);
    ASSERT_EQ(field()->text(), QStringLiteral("123"));
    QTest::keyClick(field(), Qt::Key_Backspace);
    EXPECT_TRUE(panel->isTyping());
    EXPECT_EQ(field()->palette().color(QPalette::Base), yellow);
    EXPECT_EQ(field()->text(), QString());
    QTest::keyClicks(field(), QStringLiteral("4+5.x"));  // "+" and "." are dropped
    EXPECT_EQ(field()->text(), QStringLiteral("45X"));
    // Keys that type no character keep their meaning: Home, then Delete removes the "4".
    QTest::keyClick(field(), Qt::Key_Home);
    QTest::keyClick(field(), Qt::Key_Delete);
    EXPECT_EQ(field()->text(), QStringLiteral("5X"));
    QTest::keyClicks(field(), QStringLiteral("4"));
    connectedStatus(130);
    EXPECT_EQ(field()->text(), QStringLiteral("45X"));
    // Enter on an empty field only ends the entry.
    field()->clear();
    rotorLink.turnTo(77);
    QTest::keyClick(field(), Qt::Key_Return);
    EXPECT_FALSE(panel->isTyping());
    EXPECT_EQ(rotorLink.targetAzimuth(), 77);
    connectedStatus(359.6);
    EXPECT_EQ(field()->text(), QStringLiteral("360"));
}

// Only a key that types a character (or Backspace, Delete, a paste) starts an entry; the rotor
// keys, other shortcuts, modifiers alone and keys that move the caret leave the azimuth shown.
TEST_F(TForm6Test, OnlyKeysThatTypeStartAnEntry)
{
    // The rotor keys as the main window's menu has them, in every window.
    const QKeySequence rotorKeys[] = {Qt::ALT | Qt::Key_J, Qt::ALT | Qt::Key_L, Qt::CTRL | Qt::ALT | Qt::Key_J};
    int fired = 0;
    for (const QKeySequence& keys : rotorKeys) {
        auto* action = new QAction(&clientArea);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::ApplicationShortcut);
        clientArea.addAction(action);
        QObject::connect(action, &QAction::triggered, action, [&fired] { ++fired; });
    }
    QGuiApplication::clipboard()->setText(QStringLiteral("JO31MM"));
    clientArea.show();
    // What, the key and its modifiers, then the text shown, whether an entry began, and whether a
    // rotor key fired.
    const std::tuple<const char*, Qt::Key, Qt::KeyboardModifiers, QString, bool, bool> cases[] = {
        {"Alt+J", Qt::Key_J, Qt::AltModifier, QStringLiteral("123"), false, true},
        {"Alt+L", Qt::Key_L, Qt::AltModifier, QStringLiteral("123"), false, true},
        {"Ctrl+Alt+J", Qt::Key_J, Qt::ControlModifier | Qt::AltModifier, QStringLiteral("123"), false, true},
        {"Alt+N, no shortcut", Qt::Key_N, Qt::AltModifier, QStringLiteral("123"), false, false},
        {"Ctrl+A, select all", Qt::Key_A, Qt::ControlModifier, QStringLiteral("123"), false, false},
        {"Alt alone", Qt::Key_Alt, Qt::NoModifier, QStringLiteral("123"), false, false},
        {"Shift alone", Qt::Key_Shift, Qt::NoModifier, QStringLiteral("123"), false, false},
        {"Right arrow", Qt::Key_Right, Qt::NoModifier, QStringLiteral("123"), false, false},
        {"F5", Qt::Key_F5, Qt::NoModifier, QStringLiteral("123"), false, false},
        {"a digit", Qt::Key_5, Qt::NoModifier, QStringLiteral("5"), true, false},
        {"a letter", Qt::Key_J, Qt::NoModifier, QStringLiteral("J"), true, false},
        {"Shift and a letter", Qt::Key_J, Qt::ShiftModifier, QStringLiteral("J"), true, false},
        {"Backspace", Qt::Key_Backspace, Qt::NoModifier, QString(), true, false},
        {"Delete", Qt::Key_Delete, Qt::NoModifier, QString(), true, false},
        {"Ctrl+V, a paste", Qt::Key_V, Qt::ControlModifier, QStringLiteral("JO31MM"), true, false},
    };
    for (const auto& [what, key, modifiers, shown, typing, rotorKey] : cases) {
        SCOPED_TRACE(what);
        build();
        connectedStatus(123);
        clientArea.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&clientArea));
        ASSERT_TRUE(field()->hasFocus());
        fired = 0;
        QTest::keyClick(field(), key, modifiers);
        EXPECT_EQ(field()->text(), shown);
        EXPECT_EQ(panel->isTyping(), typing);
        EXPECT_EQ(field()->palette().color(QPalette::Base) == yellow, typing);
        EXPECT_EQ(fired, rotorKey ? 1 : 0);
        connectedStatus(130);
        EXPECT_EQ(field()->text(), typing ? shown : QStringLiteral("130"))
            << "a status rewrites only a field not typed in";
    }
}

TEST_F(TForm6Test, ALocatorInLowerCaseBecomesTheTargetAndStartsTheRotorWhenAsked)
{
    connectedStatus(10);
    parameters.setRotorStartImmediately(true);
    QSignalSpy targets(&session, &Session::targetChanged);
    QTest::keyClicks(field(), QStringLiteral("jo31mm"));
    EXPECT_EQ(field()->text(), QStringLiteral("JO31MM"));
    QTest::keyClick(field(), Qt::Key_Return);
    EXPECT_EQ(targets.size(), 1);
    EXPECT_NEAR(session.target().longitude, 7.0417, 1e-4);  // the square's centre, degrees
    EXPECT_NEAR(session.target().latitude, 51.5208, 1e-4);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(target(), Target(session.target().bearing, true));
    // Pasted text passes no key filter; a lower-case locator is taken all the same.
    QTest::keyClick(field(), Qt::Key_Backspace);  // starts an entry
    field()->setText(QStringLiteral("jo62qm"));
    QTest::keyClick(field(), Qt::Key_Return);
    EXPECT_NEAR(session.target().longitude, 13.375, 1e-4);
    EXPECT_NEAR(session.target().latitude, 52.5208, 1e-4);
    // Without immediate start the locator only becomes the target.
    parameters.setRotorStartImmediately(false);
    rotorLink.cancelTarget();  // back to 10 degrees, where the rotor stands, unsent
    enter(QStringLiteral("PM95VQ"));
    EXPECT_GT(session.target().distance, 8000);
    EXPECT_EQ(target(), Target(10, false));
}

TEST_F(TForm6Test, ABearingFromLogger32TakesTheRoadOfATypedOne)
{
    connectedStatus(10, -180, 180);
    emit logger32Link.bearingReceived(270);
    EXPECT_EQ(field()->text(), QStringLiteral("270"));
    EXPECT_EQ(target(), Target(-90, true));
    emit logger32Link.bearingReceived(90);
    EXPECT_EQ(rotorLink.targetAzimuth(), 90);
    // Once the panel is gone (it goes before the link at shut-down), bearings have nowhere to go.
    panel.reset();
    emit logger32Link.bearingReceived(270);
    EXPECT_EQ(rotorLink.targetAzimuth(), 90);
}

TEST_F(TForm6Test, ArrowsTurnToTheTravelEndsOrStopAndTheTargetWaitsForTheRelease)
{
    connectedStatus(100, -180, 540);
    QTest::mousePress(arrow("PanelLinks"), Qt::LeftButton);
    EXPECT_EQ(arrow("PanelLinks")->frameShadow(), QFrame::Sunken);
    EXPECT_FALSE(rotorLink.sendPending());
    QTest::mouseRelease(arrow("PanelLinks"), Qt::LeftButton);
    EXPECT_EQ(target(), Target(-179, true));
    EXPECT_EQ(arrow("PanelLinks")->frameShadow(), QFrame::Raised);
    // Pressed again while the rotor already turns that way: stop.
    status(200, 1, -180, 540);
    QTest::mouseClick(arrow("PanelRechts"), Qt::LeftButton);
    EXPECT_EQ(rotorLink.targetAzimuth(), 200);
    status(150, -1, -180, 540);
    QTest::mouseClick(arrow("PanelLinks"), Qt::LeftButton);
    EXPECT_EQ(rotorLink.targetAzimuth(), 150);
    // Only the left button acts.
    rotorLink.cancelTarget();
    QTest::mouseClick(arrow("PanelRechts"), Qt::RightButton);
    EXPECT_EQ(target(), Target(150, false));
}

// "<<" and ">>" turn to one degree inside the travel ends, exact at the extremes of int too; the
// mouse presses them, and so does Space once Tab has reached them.
TEST_F(TForm6Test, ArrowsStopOneDegreeInsideTheTravelEnds)
{
    // The arrow, whether Space presses it, the travel ends and the target; degrees.
    const std::tuple<const char*, bool, int, int, double> cases[] = {
        {"PanelLinks", false, INT_MIN, INT_MAX, double(INT_MIN) + 1},
        {"PanelRechts", false, INT_MIN, INT_MAX, double(INT_MAX) - 1},
        {"PanelLinks", true, -180, 540, -179},
        {"PanelRechts", true, -180, 540, 539},
    };
    for (const auto& [name, space, minAzimuth, maxAzimuth, azimuth] : cases) {
        connectedStatus(100, minAzimuth, maxAzimuth);
        rotorLink.cancelTarget();
        QLabel* pressed = arrow(name);
        if (space) {
            QTest::keyPress(pressed, Qt::Key_Space);
            EXPECT_EQ(pressed->frameShadow(), QFrame::Sunken) << name;
            QTest::keyRelease(pressed, Qt::Key_Space);
        } else {
            QTest::mouseClick(pressed, Qt::LeftButton);
        }
        EXPECT_EQ(target(), Target(azimuth, true)) << name << " space " << space;
    }
    for (const char* name : {"PanelLinks", "PanelStart", "PanelRechts"})
        EXPECT_EQ(arrow(name)->focusPolicy(), Qt::TabFocus) << name;
}

TEST_F(TForm6Test, ZielTurnsToTheTargetOrStopsAMovingRotor)
{
    connectedStatus(10);
    rotorLink.turnTo(33);
    QTest::mouseClick(arrow("PanelStart"), Qt::LeftButton);  // no target set: unchanged, still marked
    EXPECT_EQ(target(), Target(33, true));
    session.setTarget(151.21, -33.87);  // Sydney
    QTest::mouseClick(arrow("PanelStart"), Qt::LeftButton);
    EXPECT_NEAR(rotorLink.targetAzimuth(), 75.06, 0.01);  // Berlin to Sydney, degrees
    EXPECT_EQ(rotorLink.targetAzimuth(), session.target().bearing);
    status(80, 1);
    ASSERT_EQ(arrow("PanelStart")->text(), QStringLiteral("Stop"));
    QTest::mouseClick(arrow("PanelStart"), Qt::LeftButton);
    EXPECT_EQ(rotorLink.targetAzimuth(), 80);
}

TEST_F(TForm6Test, EscStartsANewEntryAnywhereInTheMainWindow)
{
    connectedStatus(123);
    control<QPushButton>(panel.get(), "Button1")->click();
    EXPECT_TRUE(panel->isTyping());
    EXPECT_EQ(field()->text(), QString());
    field()->setText(QStringLiteral("12"));
    clientArea.show();
    clientArea.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&clientArea));
    QTest::keyClick(&clientArea, Qt::Key_Escape);
    EXPECT_EQ(field()->text(), QString());
}

// The rotor keys (short and long path to the target, and stop), from the main window's Extras
// menu and from the panel's own context menu.
TEST_F(TForm6Test, RotorKeysTurnTheShortOrLongWayAndStop)
{
    connectedStatus(100, -180, 540);
    session.setTarget(13.4, 10.0);  // due south of the own station
    const double bearing = session.target().bearing;
    ASSERT_NEAR(bearing, 180, 0.5);
    const auto command = [this](const char* name) { return control<QAction>(panel.get(), name); };
    // What, the key, and the target, degrees.
    const std::tuple<const char*, std::function<void()>, double> cases[] = {
        {"short path", [&] { panel->turnToTarget(false); }, bearing},
        {"long path", [&] { panel->turnToTarget(true); }, bearing - 180},
        {"stop", [&] { panel->stopRotor(); }, 100},
        {"long path, context menu", [&] { command("longPathCommand")->trigger(); }, bearing - 180},
        {"stop, context menu", [&] { command("stopCommand")->trigger(); }, 100},
    };
    for (const auto& [what, key, azimuth] : cases) {
        rotorLink.cancelTarget();
        key();
        EXPECT_EQ(target(), Target(azimuth, true)) << what;
    }
    EXPECT_EQ(panel->contextMenuPolicy(), Qt::ActionsContextMenu);
    // Without a target there is nothing to turn to.
    session.clearTarget();
    rotorLink.cancelTarget();
    command("shortPathCommand")->trigger();
    EXPECT_FALSE(rotorLink.sendPending());
}

TEST_F(TForm6Test, AnotherClientsTargetShowsBesideGradAndLeavesNoTrace)
{
    goalStatus(120, 3);  // a goal from before the link: it may be this program's own from an earlier run
    QLabel* foreign = arrow("ForeignGoalLabel");
    EXPECT_TRUE(foreign->isHidden());
    const QImage own = panel->grab().toImage();
    ASSERT_FALSE(own.isNull());
    // What, the goal (degrees) and goal count, and what is shown (empty: the panel as without a foreign target).
    const std::tuple<const char*, std::optional<double>, int, QString> cases[] = {
        {"another client's target", 85, 4, QStringLiteral("Fremdziel 85°")},
        {"the tracker moves it on", 300.4, 5, QStringLiteral("Fremdziel 300°")},
        {"a stop gives the goal up", std::nullopt, 5, {}},
    };
    for (const auto& [what, goal, goalCount, shown] : cases) {
        SCOPED_TRACE(what);
        goalStatus(goal, goalCount);
        EXPECT_EQ(foreign->isHidden(), shown.isEmpty());
        if (shown.isEmpty()) {
            EXPECT_EQ(panel->grab().toImage(), own);
            continue;
        }
        EXPECT_EQ(foreign->text(), shown);
        EXPECT_GE(foreign->x(), arrow("Label1")->geometry().right() + 1);
        EXPECT_EQ(panel->width(), foreign->geometry().right() + 1 + TForm6::panelBorder);
        EXPECT_EQ(field()->text(), QStringLiteral(" 40")) << "the antenna is still shown";
    }
}

// The panel's controls stay where they are in the client area while another client's target
// shows beside "Grad" or goes, and when the client area is laid out again meanwhile: a click aimed
// at one never lands on another.
TEST_F(TForm6Test, TheControlsStandStillWhileAnotherClientsTargetComesAndGoes)
{
    clientArea.resize(600, 300);
    goalStatus(120, 3);
    panel->centreInClientArea();
    const auto places = [this] {
        QList<QRect> rects;
        for (const char* name : {"PanelLinks", "PanelStart", "PanelRechts", "Edit_Azimut", "Label1"}) {
            const QWidget* control = panel->findChild<QWidget*>(QString::fromLatin1(name));
            rects << QRect(control->mapTo(&clientArea, QPoint(0, 0)), control->size());
        }
        return rects;
    };
    const QList<QRect> before = places();
    ASSERT_TRUE(arrow("ForeignGoalLabel")->isHidden());
    ASSERT_EQ(panel->x(), (600 - panel->width()) / 2) << "centred";
    // What, the goal (degrees) and goal count, and whether the foreign target shows.
    const std::tuple<const char*, std::optional<double>, int, bool, bool> cases[] = {
        {"another client's target shows", 85, 4, true, false},
        {"and the client area is laid out again", 85, 4, true, true},
        {"the target goes", std::nullopt, 5, false, false},
        {"and comes again", 300, 6, true, false},
    };
    for (const auto& [what, goal, goalCount, shown, relayout] : cases) {
        SCOPED_TRACE(what);
        goalStatus(goal, goalCount);
        if (relayout)
            panel->centreInClientArea();
        EXPECT_EQ(arrow("ForeignGoalLabel")->isHidden(), !shown);
        EXPECT_EQ(places(), before);
        EXPECT_LE(panel->geometry().right(), clientArea.width() - 1) << "the label lies inside the client area";
    }
}

}  // namespace
