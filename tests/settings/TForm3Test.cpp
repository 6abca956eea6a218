// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "settings/TForm3.h"

#include "app/SettingsFile.h"
#include "app/TFormA.h"
#include "beam/TForm10.h"
#include "mercator/TForm1.h"
#include "rotor/TF_Rotor.h"
#include "session/Session.h"
#include "support/RotorStateEdit.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "widgets/RadioGroup.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

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

// The Parameter lines of a settings file, in file order.
QStringList parameterLines(const QByteArray& file)
{
    QStringList lines;
    bool inSection = false;
    for (const QByteArray& raw : file.split('\n')) {
        const QString line = QString::fromLatin1(raw).trimmed();
        if (line.startsWith(u'['))
            inSection = line == QStringLiteral("[Parameter]");
        else if (inSection && !line.isEmpty())
            lines << line;
    }
    return lines;
}

class ParameterWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale::c());
        folder.writeReferenceData();
    }

    void startWith(const QByteArray& parameterSection)
    {
        folder.writeFile(QStringLiteral("Corvane.ini"), "[Parameter]\r\n" + parameterSection);
        folder.start();
    }

    void showParameterWindow()
    {
        form3()->showRotorGroups(true);
        form3()->show();
        form3()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form3()));
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

    ProgramFolder folder;
    ScriptedDialogs dialogs;
};

TEST_F(ParameterWindowTest, CircleSpacingNeedsThreeCharactersAndAtLeast300Km)
{
    folder.start();
    showParameterWindow();
    struct Case {
        const char* typed;
        bool accepted;
        int km;
    } const cases[] = {{"299", false, 0}, {"300", true, 300}, {"50", false, 0}, {"0300", true, 300}, {"1200", true, 1200}, {"", false, 0}};
    for (const Case& c : cases) {
        const int before = session()->circleSpacingKm();
        typeAndEnter(form3()->Edit1, QString::fromLatin1(c.typed));
        EXPECT_EQ(session()->circleSpacingKm(), c.accepted ? c.km : before) << c.typed;
        EXPECT_EQ(fieldColour(form3()->Edit1), c.accepted ? acceptedColour(form3()->Edit1) : yellow) << c.typed;
    }
}

TEST_F(ParameterWindowTest, Edit1KeepsTheFocusUntilItHoldsAnAcceptedSpacing)
{
    folder.start();
    showParameterWindow();
    typeAndEnter(form3()->Edit1, QStringLiteral("299"));
    QTest::keyClick(form3()->Edit1, Qt::Key_Tab);
    EXPECT_TRUE(QTest::qWaitFor([] { return form3()->Edit1->hasFocus(); }));
    EXPECT_NE(session()->circleSpacingKm(), 299);

    typeAndEnter(form3()->Edit1, QStringLiteral("400"));
    QTest::keyClick(form3()->Edit1, Qt::Key_Tab);
    QTest::qWait(20);
    EXPECT_FALSE(form3()->Edit1->hasFocus());
    EXPECT_EQ(session()->circleSpacingKm(), 400);
}

TEST_F(ParameterWindowTest, MarkerSizeTakesTwoToNine)
{
    folder.start();
    showParameterWindow();
    for (char digit = '0'; digit <= '9'; ++digit) {
        const int before = session()->cityMarkerSize();
        typeAndEnter(form3()->Edit2, QString(QLatin1Char(digit)));
        const bool accepted = digit >= '2';
        EXPECT_EQ(session()->cityMarkerSize(), accepted ? digit - '0' : before) << digit;
        EXPECT_EQ(fieldColour(form3()->Edit2), accepted ? acceptedColour(form3()->Edit2) : yellow) << digit;
    }
}

TEST_F(ParameterWindowTest, NumberFieldsDropEverythingButDigits)
{
    folder.start();
    showParameterWindow();
    typeAndEnter(form3()->Edit1, QStringLiteral("1a,2.-3 4"));
    EXPECT_EQ(form3()->Edit1->text(), QStringLiteral("1234"));
    EXPECT_EQ(session()->circleSpacingKm(), 1234);
}

TEST_F(ParameterWindowTest, OverlapFieldTakesTwoDigitsAndAnEmptyFieldMeansZero)
{
    folder.start();
    showParameterWindow();
    typeAndEnter(form3()->E_Ueberlappung, QStringLiteral("123"));
    EXPECT_EQ(form3()->E_Ueberlappung->text(), QStringLiteral("12"));
    EXPECT_DOUBLE_EQ(session()->overlapAngle(), 12);
    EXPECT_EQ(fieldColour(form3()->E_Ueberlappung), acceptedColour(form3()->E_Ueberlappung));

    typeAndEnter(form3()->E_Ueberlappung, QString());
    EXPECT_DOUBLE_EQ(session()->overlapAngle(), 0);
    EXPECT_TRUE(form3()->E_Ueberlappung->text().isEmpty());
}

TEST_F(ParameterWindowTest, NewBasicElevationHoldsTheAzimuth)
{
    startWith("Elev_Grundst=1\r\n");
    showParameterWindow();
    editRotorState([&](RotorState& r) { r.rotorAzimuth = 123; });
    rotorLink()->turnTo(200);
    typeAndEnter(form3()->EditElevation, QStringLiteral("45"));
    EXPECT_DOUBLE_EQ(session()->elevationDefault(), 45);
    EXPECT_DOUBLE_EQ(rotorLink()->targetAzimuth(), 123);
    EXPECT_EQ(fieldColour(form3()->EditElevation), acceptedColour(form3()->EditElevation));
}

TEST_F(ParameterWindowTest, ElevationBoxSetsTheElevationTargetAndTheFieldState)
{
    folder.start();
    showParameterWindow();
    editRotorState([&](RotorState& r) { r.rotorElevation = 17; });
    ASSERT_FALSE(form3()->CB_Elevation->isChecked());
    QTest::mouseClick(form3()->CB_Elevation, Qt::LeftButton);
    EXPECT_TRUE(form3()->EditElevation->isEnabled());
    EXPECT_DOUBLE_EQ(rotorLink()->targetElevation(), 3);
    QTest::mouseClick(form3()->CB_Elevation, Qt::LeftButton);
    EXPECT_FALSE(form3()->EditElevation->isEnabled());
    EXPECT_DOUBLE_EQ(rotorLink()->targetElevation(), 17);

    // An emptied field is an error, but the field stays open for the correction.
    form3()->EditElevation->clear();
    QTest::mouseClick(form3()->CB_Elevation, Qt::LeftButton);
    EXPECT_TRUE(form3()->EditElevation->isEnabled());
    EXPECT_EQ(dialogs.shown.size(), 1);
}

TEST_F(ParameterWindowTest, DisplayDeviationAppliesWhenTheWindowItselfIsClosed)
{
    folder.start();
    showParameterWindow();
    form3()->E_AziFehl->setFocus();
    QTest::keyClicks(form3()->E_AziFehl, QStringLiteral("-3.5"));
    formA()->Parameter1->trigger();  // the menu only hides it
    EXPECT_TRUE(form3()->isHidden());
    EXPECT_DOUBLE_EQ(session()->azimuthDisplayOffset(), 0);

    formA()->Parameter1->trigger();
    form3()->E_AziFehl->setText(QStringLiteral("-3.5"));
    EXPECT_TRUE(form3()->close());
    EXPECT_TRUE(form3()->isHidden());
    EXPECT_DOUBLE_EQ(session()->azimuthDisplayOffset(), -3.5);

    form3()->show();
    form3()->E_AziFehl->setText(QStringLiteral("-3,5"));
    form3()->close();
    EXPECT_DOUBLE_EQ(session()->azimuthDisplayOffset(), 0);
    EXPECT_TRUE(form3()->E_AziFehl->text().isEmpty());
}

TEST_F(ParameterWindowTest, RotorGroupsAreHiddenAtStartAndLeaveTheirSpace)
{
    folder.start();
    EXPECT_TRUE(form3()->GB_Azimut->isHidden());
    EXPECT_TRUE(form3()->GB_Elevation->isHidden());
    const QSize size = form3()->size();
    form3()->showRotorGroups(true);
    EXPECT_FALSE(form3()->GB_Azimut->isHidden());
    EXPECT_FALSE(form3()->GB_Elevation->isHidden());
    EXPECT_EQ(form3()->size(), size);
    EXPECT_EQ(form3()->GB_Azimut->width(), 319);
    EXPECT_TRUE(form3()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(ParameterWindowTest, MissingSectionGivesTheDefaults)
{
    folder.start();
    EXPECT_EQ(form3()->pos(), QPoint(100, 150));
    EXPECT_EQ(form3()->RG_MausPos->itemIndex(), 1);
    EXPECT_EQ(form3()->RG_StaedteInseln->itemIndex(), 1);
    EXPECT_EQ(form3()->GB_LocRaster->itemIndex(), 1);
    EXPECT_EQ(form3()->Edit1->text(), QStringLiteral("5000"));
    EXPECT_EQ(form3()->Edit2->text(), QStringLiteral("3"));
    EXPECT_FALSE(form3()->CB_Elevation->isChecked());
    EXPECT_FALSE(form3()->EditElevation->isEnabled());
    EXPECT_EQ(form3()->EditElevation->text(), QStringLiteral("3"));
    EXPECT_DOUBLE_EQ(session()->elevationDefault(), 3);
    EXPECT_EQ(form3()->E_Ueberlappung->text(), QStringLiteral("10"));  // not the field's own "15"
    EXPECT_DOUBLE_EQ(session()->overlapAngle(), 10);
    EXPECT_TRUE(form3()->E_AziFehl->text().isEmpty());
    EXPECT_TRUE(form3()->CB_RotSofort->isChecked());
    EXPECT_TRUE(form3()->CB_Optimiert->isChecked());
}

TEST_F(ParameterWindowTest, UnreadableStoredNumbersFallBack)
{
    struct Case {
        const char* locale;
        const char* line;
        QLineEdit* TForm3::*field;
        const char* text;
        double (Session::*value)() const;
        void (Session::*set)(double);
        double expected;
    } const cases[] = {
        {"C", "Anzeigefehler=-2.5", &TForm3::E_AziFehl, "-2.5", &Session::azimuthDisplayOffset, &Session::setAzimuthDisplayOffset, -2.5},
        {"C", "Anzeigefehler=-2,5", &TForm3::E_AziFehl, "", &Session::azimuthDisplayOffset, &Session::setAzimuthDisplayOffset, 0},
        {"de_DE", "Anzeigefehler=-2,5", &TForm3::E_AziFehl, "", &Session::azimuthDisplayOffset, &Session::setAzimuthDisplayOffset, 0},
        {"C", "Elevation=steil", &TForm3::EditElevation, "3", &Session::elevationDefault, &Session::setElevationDefault, 3},
        {"C", "Elevation=", &TForm3::EditElevation, "3", &Session::elevationDefault, &Session::setElevationDefault, 3},
        {"de_DE", "Elevation=7,5", &TForm3::EditElevation, "7,5", &Session::elevationDefault, &Session::setElevationDefault, 7.5},
        {"C", "Elevation=7.5", &TForm3::EditElevation, "7.5", &Session::elevationDefault, &Session::setElevationDefault, 7.5},
        {"C", "Ueberlappung=viel", &TForm3::E_Ueberlappung, "0", &Session::overlapAngle, &Session::setOverlapAngle, 0},
        {"C", "Ueberlappung=", &TForm3::E_Ueberlappung, "0", &Session::overlapAngle, &Session::setOverlapAngle, 0},
        {"C", "Ueberlappung=20", &TForm3::E_Ueberlappung, "20", &Session::overlapAngle, &Session::setOverlapAngle, 20},
        // Parsed as numbers by the libraries, but no angles.
        {"C", "Elevation=nan", &TForm3::EditElevation, "3", &Session::elevationDefault, &Session::setElevationDefault, 3},
        {"C", "Ueberlappung=inf", &TForm3::E_Ueberlappung, "0", &Session::overlapAngle, &Session::setOverlapAngle, 0},
        {"C", "Anzeigefehler=-inf", &TForm3::E_AziFehl, "", &Session::azimuthDisplayOffset, &Session::setAzimuthDisplayOffset, 0},
    };
    for (const Case& c : cases) {
        ProgramFolder run;
        run.writeReferenceData();
        run.writeFile(QStringLiteral("Corvane.ini"), QByteArray("[Parameter]\r\n") + c.line + "\r\n");
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        Program program(run.path());
        const RunningProgram::Use running(program);
        (session()->*c.set)(99);  // so that a value never read cannot pass as the default
        program.createWindows();
        EXPECT_EQ((form3()->*c.field)->text(), QString::fromLatin1(c.text)) << c.locale << " " << c.line;
        EXPECT_DOUBLE_EQ((session()->*c.value)(), c.expected) << c.locale << " " << c.line;
    }
}

TEST_F(ParameterWindowTest, SectionSurvivesAWriteReadRoundTrip)
{
    const QStringList stored = {
        "Links=300", "Oben=200", "MausAnzeige_EIN_AUS=0", "Staedte/Inseln_EIN_AUS=0",
        "Anzeige Staedte/Inseln Durchmesser=5", "Elev_Grundst=1", "Elevation=12", "Ueberlappung=25",
        "Anzeigefehler=1.5", "LocatorRaster=3", "RotorSofortstart=0", "Fahrwegoptimierung=0",
    };
    startWith((stored.join(QStringLiteral("\r\n")) + QStringLiteral("\r\nKreise=1200\r\n")).toLatin1());
    EXPECT_EQ(form3()->Edit1->text(), QStringLiteral("1200"));
    EXPECT_EQ(form3()->Edit2->text(), QStringLiteral("5"));
    EXPECT_TRUE(form3()->EditElevation->isEnabled());
    EXPECT_DOUBLE_EQ(session()->azimuthDisplayOffset(), 1.5);
    folder.stop();
    QStringList written = parameterLines(folder.readFile(QStringLiteral("Corvane.ini")));
    written.removeAll(QStringLiteral("Kreise=1200"));
    EXPECT_EQ(written, stored);

    // A changed marker size is written from its value, the rest from the controls.
    folder.start();
    showParameterWindow();
    typeAndEnter(form3()->Edit2, QStringLiteral("7"));
    form3()->RG_MausPos->button(1)->click();
    form3()->GB_LocRaster->button(0)->click();
    QTest::mouseClick(form3()->CB_Optimiert, Qt::LeftButton);
    typeAndEnter(form3()->E_Ueberlappung, QStringLiteral("5"));
    folder.stop();
    written = parameterLines(folder.readFile(QStringLiteral("Corvane.ini")));
    EXPECT_TRUE(written.contains(QStringLiteral("Anzeige Staedte/Inseln Durchmesser=7")));
    EXPECT_TRUE(written.contains(QStringLiteral("MausAnzeige_EIN_AUS=1")));
    EXPECT_TRUE(written.contains(QStringLiteral("LocatorRaster=0")));
    EXPECT_TRUE(written.contains(QStringLiteral("Fahrwegoptimierung=1")));
    EXPECT_TRUE(written.contains(QStringLiteral("Ueberlappung=5")));
}

} // namespace
