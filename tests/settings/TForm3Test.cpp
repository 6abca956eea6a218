// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "settings/TForm3.h"

#include "settings/SettingsFile.h"
#include "rotor/TF_Rotor.h"
#include "session/Session.h"
#include "settings/ParameterSettings.h"
#include "support/Controls.h"
#include "support/ScriptedDialogs.h"
#include "widgets/RadioGroup.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

const QColor yellow(255, 255, 0);

QColor fieldColour(const QLineEdit* edit)
{
    return edit->palette().color(QPalette::Base);
}

QColor acceptedColour(const QLineEdit* edit)
{
    return QApplication::palette(edit).color(QPalette::Base);
}

// The window alone over a session and its settings; the rotor link only where a test needs it.
class ParameterWindowTest : public testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }

    void open(bool withRotorLink = false)
    {
        if (withRotorLink)
            rotorLink = std::make_unique<TF_Rotor>(session, RotorLinkTiming {3600000});  // no connection attempt
        form = std::make_unique<TForm3>(session, settings);
        if (rotorLink) {  // as the program wires them
            QObject::connect(form.get(), &TForm3::targetElevationChosen, rotorLink.get(), &TF_Rotor::setTargetElevation);
            QObject::connect(form.get(), &TForm3::rotorTargetWithdrawn, rotorLink.get(), &TF_Rotor::withdrawTarget);
        }
    }

    // Opens the window as the user sees it, with the rotor groups and the keyboard.
    void openShown(bool withRotorLink = false)
    {
        open(withRotorLink);
        form->showRotorGroups(true);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template <typename Control = QLineEdit> Control* control(const char* name) const
    {
        return ::control<Control>(form.get(), name);
    }

    // Empties the field with the keys a user would press, then types the text and Enter.
    static void typeAndEnter(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_End);
        for (int i = edit->text().size(); i > 0; --i)
            QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    ScriptedDialogs dialogs;
    Session session;
    ParameterSettings settings;
    std::unique_ptr<TF_Rotor> rotorLink;
    std::unique_ptr<TForm3> form;
};

TEST_F(ParameterWindowTest, CircleSpacingNeedsThreeCharactersAndAtLeast300Km)
{
    openShown();
    struct Case {
        const char* typed;
        bool accepted;
        int km;
    } const cases[] = {{"299", false, 0},   {"300", true, 300},   {"50", false, 0},
                       {"0300", true, 300}, {"1200", true, 1200}, {"", false, 0}};
    for (const Case& c : cases) {
        const int before = settings.circleSpacingKm();
        typeAndEnter(control("Edit1"), QString::fromLatin1(c.typed));
        EXPECT_EQ(settings.circleSpacingKm(), c.accepted ? c.km : before) << c.typed;
        EXPECT_EQ(fieldColour(control("Edit1")), c.accepted ? acceptedColour(control("Edit1")) : yellow) << c.typed;
    }
}

TEST_F(ParameterWindowTest, Edit1KeepsTheFocusUntilItHoldsAnAcceptedSpacing)
{
    openShown();
    QLineEdit* edit = control("Edit1");
    typeAndEnter(edit, QStringLiteral("299"));
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_TRUE(QTest::qWaitFor([edit] { return edit->hasFocus(); }));
    typeAndEnter(edit, QStringLiteral("400"));
    QTest::keyClick(edit, Qt::Key_Tab);
    QTest::qWait(20);
    EXPECT_FALSE(edit->hasFocus());
}

TEST_F(ParameterWindowTest, MarkerSizeTakesTwoToNine)
{
    openShown();
    for (char digit = '0'; digit <= '9'; ++digit) {
        const int before = settings.cityMarkerSize();
        typeAndEnter(control("Edit2"), QString(QLatin1Char(digit)));
        const bool accepted = digit >= '2';
        EXPECT_EQ(settings.cityMarkerSize(), accepted ? digit - '0' : before) << digit;
        EXPECT_EQ(fieldColour(control("Edit2")), accepted ? acceptedColour(control("Edit2")) : yellow) << digit;
    }
}

TEST_F(ParameterWindowTest, NumberFieldsDropEverythingButDigits)
{
    openShown();
    typeAndEnter(control("Edit1"), QStringLiteral("1a,2.-3 4"));
    EXPECT_EQ(control("Edit1")->text(), QStringLiteral("1234"));
    EXPECT_EQ(settings.circleSpacingKm(), 1234);
}

TEST_F(ParameterWindowTest, OverlapFieldTakesTwoDigitsAndAnEmptyFieldMeansZero)
{
    openShown();
    QLineEdit* overlap = control("E_Ueberlappung");
    typeAndEnter(overlap, QStringLiteral("123"));
    EXPECT_EQ(overlap->text(), QStringLiteral("12"));
    EXPECT_DOUBLE_EQ(settings.overlapDegrees(), 12);
    EXPECT_EQ(fieldColour(overlap), acceptedColour(overlap));
    typeAndEnter(overlap, QString());
    EXPECT_DOUBLE_EQ(settings.overlapDegrees(), 0);
    EXPECT_TRUE(overlap->text().isEmpty());
}

TEST_F(ParameterWindowTest, NewBasicElevationHoldsTheAzimuth)
{
    settings.setElevationAtStart(true);
    openShown(true);
    RotorState rotor;
    rotor.rotorAzimuth = 123;
    session.setRotorState(rotor);  // as a status from the rotor program
    rotorLink->turnTo(200);
    typeAndEnter(control("EditElevation"), QStringLiteral("45"));
    EXPECT_DOUBLE_EQ(settings.elevationDegrees(), 45);
    EXPECT_DOUBLE_EQ(rotorLink->targetAzimuth(), 123);
    EXPECT_EQ(fieldColour(control("EditElevation")), acceptedColour(control("EditElevation")));
}

TEST_F(ParameterWindowTest, ElevationBoxSetsTheElevationTargetAndTheFieldState)
{
    openShown(true);
    RotorState rotor;
    rotor.rotorElevation = 17;
    session.setRotorState(rotor);
    auto* box = control<QCheckBox>("CB_Elevation");
    QLineEdit* field = control("EditElevation");
    ASSERT_FALSE(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(field->isEnabled());
    EXPECT_TRUE(settings.elevationAtStart());
    EXPECT_DOUBLE_EQ(rotorLink->targetElevation(), 3);
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_FALSE(field->isEnabled());
    EXPECT_FALSE(settings.elevationAtStart());
    EXPECT_DOUBLE_EQ(rotorLink->targetElevation(), 17);

    // An emptied field is an error, but the field stays open for the correction.
    field->clear();
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(field->isEnabled());
    EXPECT_EQ(dialogs.shown.size(), 1);
}

TEST_F(ParameterWindowTest, DisplayDeviationAppliesWhenTheWindowItselfIsClosed)
{
    openShown();
    QLineEdit* offset = control("E_AziFehl");
    offset->setFocus();
    QTest::keyClicks(offset, QStringLiteral("-3.5"));
    form->hide();  // as the main window's menu does
    EXPECT_DOUBLE_EQ(settings.displayOffsetDegrees(), 0);
    form->show();
    offset->setText(QStringLiteral("-3.5"));
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(form->isHidden());
    EXPECT_DOUBLE_EQ(settings.displayOffsetDegrees(), -3.5);
    form->show();
    offset->setText(QStringLiteral("-3,5"));
    form->close();
    EXPECT_DOUBLE_EQ(settings.displayOffsetDegrees(), 0);
    EXPECT_TRUE(offset->text().isEmpty());
}

TEST_F(ParameterWindowTest, RotorGroupsAreHiddenAtStartAndLeaveTheirSpace)
{
    open();
    EXPECT_TRUE(control<QGroupBox>("GB_Azimut")->isHidden());
    EXPECT_TRUE(control<QGroupBox>("GB_Elevation")->isHidden());
    const QSize size = form->size();
    form->showRotorGroups(true);
    EXPECT_FALSE(control<QGroupBox>("GB_Azimut")->isHidden());
    EXPECT_FALSE(control<QGroupBox>("GB_Elevation")->isHidden());
    EXPECT_EQ(form->size(), size);
    EXPECT_EQ(control<QGroupBox>("GB_Azimut")->width(), 319);
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

// At every status: the rotor's elevation shown, the elevation target the basic setting or where
// the rotor stands, the rotor groups shown while the link is up and hidden without a reading.
TEST_F(ParameterWindowTest, RotorStatusesShowTheElevationAndTheRotorGroups)
{
    open(true);
    settings.setElevationText(QStringLiteral("7"));
    // The azimuth and the elevation target, degrees.
    const struct {
        const char* what;
        std::optional<double> azimuth;
        bool connected, atStart;
        const char* shown;
        double target;
        bool groups;
    } cases[] = {
        {"a status without the link", 123.4, false, false, "6", 5.5, false},
        {"the basic elevation", 10, true, true, "30", 7, true},
        {"where the rotor stands", 10, true, false, "30", 30, true},
        {"no reading", std::nullopt, true, true, "30", 30, false},
    };
    for (const auto& c : cases) {
        RotorState rotor = session.rotorState();
        rotor.rotorAzimuth = c.azimuth;
        rotor.rotorElevation = c.connected ? 30 : 5.5;
        rotor.rotorConnected = c.connected;
        settings.setElevationAtStart(c.atStart);
        session.takeRotorStatus(rotor);  // as a status from the rotor program
        EXPECT_EQ(control("E_IstElevation")->text(), QString::fromLatin1(c.shown)) << c.what;
        EXPECT_EQ(rotorLink->targetElevation(), c.target) << c.what;
        EXPECT_EQ(control<QGroupBox>("GB_Azimut")->isHidden(), !c.groups) << c.what;
        EXPECT_EQ(control<QGroupBox>("GB_Elevation")->isHidden(), !c.groups) << c.what;
    }
}

// Who holds the WSJT-X port shows whole in the state's row, at its longest: a process name of 15
// characters and a seven-digit PID.
TEST_F(ParameterWindowTest, TheWsjtxStateShowsWholeWhoHoldsItsPort)
{
    open();
    const QString longest = QStringLiteral("Port 65535 belegt von corvane_partner (PID 4194304)");
    form->showWsjtxState(true, false, false, longest);
    auto* state = control<QLabel>("L_WsjtxZustand");
    EXPECT_EQ(state->text(), longest);
    EXPECT_LE(state->fontMetrics().horizontalAdvance(longest), state->contentsRect().width());
}

TEST_F(ParameterWindowTest, AnEmptyFileShowsTheDefaults)
{
    QTemporaryDir dir;
    SettingsFile empty(dir.filePath(QStringLiteral("Corvane.ini")));
    settings.load(empty);
    open();
    EXPECT_EQ(form->pos(), QPoint(100, 150));
    EXPECT_EQ(control<RadioGroup>("RG_MausPos")->itemIndex(), 1);
    EXPECT_EQ(control<RadioGroup>("RG_StaedteInseln")->itemIndex(), 1);
    EXPECT_EQ(control<RadioGroup>("GB_LocRaster")->itemIndex(), 1);
    // E_Ueberlappung shows the stored default, not the field's own "15".
    for (const auto& [name, text] : {std::pair{"Edit1", "5000"}, {"Edit2", "3"}, {"EditElevation", "3"}, {"E_Ueberlappung", "10"},
                                     {"E_AziFehl", ""}, {"E_WsjtxAdresse", "127.0.0.1"}, {"E_WsjtxPort", "2237"}})
        EXPECT_EQ(control(name)->text(), QString::fromLatin1(text)) << name;
    EXPECT_FALSE(control<QCheckBox>("CB_Elevation")->isChecked());
    EXPECT_FALSE(control("EditElevation")->isEnabled());
    EXPECT_TRUE(control<QCheckBox>("CB_RotSofort")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("CB_Optimiert")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("CB_Graulinie")->isChecked());
}

TEST_F(ParameterWindowTest, EditsReachTheSettingsAndTheWindowFollowsThem)
{
    QTemporaryDir dir;
    SettingsFile ini(dir.filePath(QStringLiteral("Corvane.ini")));
    settings.load(ini);
    openShown();
    typeAndEnter(control("Edit2"), QStringLiteral("7"));
    control<RadioGroup>("RG_MausPos")->button(0)->click();
    control<RadioGroup>("GB_LocRaster")->button(0)->click();
    QTest::mouseClick(control<QCheckBox>("CB_Optimiert"), Qt::LeftButton);
    typeAndEnter(control("E_Ueberlappung"), QStringLiteral("5"));
    control("E_AziFehl")->setText(QStringLiteral("-2,5"));  // typed, never applied: kept all the same
    settings.setGreylineShown(true);                        // as the main window's menu item does
    EXPECT_TRUE(control<QCheckBox>("CB_Graulinie")->isChecked());
    form->FormDestroy();
    QFile file(ini.path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    for (const char* line :
         {"Anzeige Staedte/Inseln Durchmesser=7\r\n", "MausAnzeige_EIN_AUS=0\r\n", "LocatorRaster=0\r\n",
          "Fahrwegoptimierung=0\r\n", "Ueberlappung=5\r\n", "Anzeigefehler=-2,5\r\n", "Graulinie=1\r\n"})
        EXPECT_TRUE(written.contains(line)) << line;
}

// The cluster's state and the log's share the label a line each: a change of one leaves the
// other standing, and neither is cut off.
TEST_F(ParameterWindowTest, ClusterAndLogStatesStandSideBySide)
{
    openShown();
    auto* label = control<QLabel>("L_ClusterZustand");
    ASSERT_TRUE(label);
    const QString noQso =
        QStringLiteral("Das Logbuch /home/dl1abc/log.adi enthält kein QSO (gelesen bis Byte 0 von 30: "
                       "dort beginnt ein Feld, das über das Dateiende hinausreicht)");
    const struct { const char* name; std::optional<QString> cluster, log; QString shown; } steps[] = {
        {"log read", std::nullopt, QStringLiteral("Logbuch: 3 QSOs gelesen"),
         QStringLiteral("Logbuch: 3 QSOs gelesen")},
        {"cluster connects", QStringLiteral("Cluster: verbunden"), std::nullopt,
         QStringLiteral("Cluster: verbunden\nLogbuch: 3 QSOs gelesen")},
        {"log without QSOs", std::nullopt, noQso, QStringLiteral("Cluster: verbunden\n") + noQso},
        {"cluster lost", QStringLiteral("Cluster: Verbindung verloren, neuer Versuch folgt"), std::nullopt,
         QStringLiteral("Cluster: Verbindung verloren, neuer Versuch folgt\n") + noQso},
        {"cluster off", QString(), std::nullopt, noQso},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.cluster)
            form->showClusterState(*step.cluster);
        if (step.log)
            form->showLogState(*step.log);
        EXPECT_EQ(label->text(), step.shown);
        const QRect needed = label->fontMetrics().boundingRect(
            QRect(0, 0, label->width(), 1000), int(label->alignment()) | Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.height(), label->height());
        EXPECT_LE(label->mapTo(form.get(), QPoint(0, label->height())).y(), form->height());
    }
}

// A long state text (an error naming a path) shows whole: it wraps, and the label, its group
// and the window grow with it, and shrink back for a short one.
TEST_F(ParameterWindowTest, AStateTextShowsWholeHoweverLong)
{
    open();
    auto* label = control<QLabel>("L_ClusterZustand");
    auto* group = control<QGroupBox>("GB_Cluster");
    const int designedHeight = form->height();
    const QString texts[] = {
        QStringLiteral("Cluster: verbunden"),
        QStringLiteral("Das Logbuch /home/funker/Dokumente/Amateurfunk/Logbücher/DL1ABC-2026.adi kann nicht gelesen "
                       "werden: Die Datei oder das Verzeichnis konnte nicht gefunden werden"),
        QStringLiteral("Das Logbuch /home/funker/Dokumente/Amateurfunk kann nicht gelesen werden: Ist ein Ordner"),
        QStringLiteral("Logbuch: 100001 QSOs gelesen"),
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        form->showClusterState(text);
        const QRect needed =
            label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, text);
        EXPECT_LE(needed.width(), label->width());
        EXPECT_LE(needed.height(), label->height());
        EXPECT_LT(label->geometry().bottom(), group->height());
        EXPECT_LT(group->geometry().bottom(), form->height());
        if (needed.height() <= label->fontMetrics().height()) {
            EXPECT_EQ(form->height(), designedHeight) << "one line: the designed size";
        }
    }
}

} // namespace
