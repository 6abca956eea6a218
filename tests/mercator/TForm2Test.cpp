// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "entry/TForm4.h"
#include "mercator/TForm2.h"
#include "session/Session.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The own station at 90 degrees east on the equator; the reference data hold country 1
// "Nullinsel" with prefix "N0" at 0, 0 and the cities Berlin, Dortmund and Sydney.
class TForm2Test : public testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        folder.writeReferenceData();
        folder.writeFile(QStringLiteral("Corvane.ini"), "[Locator]\r\nU_L\xe4nge=90\r\nU_Breite=0\r\n");
    }

    // Enters a partner locator in the position entry window, as the user does.
    static void enterPartner(const QString& locator)
    {
        form4()->show();
        form4()->E_Locator2->clear();
        QTest::keyClicks(form4()->E_Locator2, locator);
        QTest::keyClick(form4()->E_Locator2, Qt::Key_Return);
    }

    ScriptedDialogs dialogs;
    ProgramFolder folder;
};

TEST_F(TForm2Test, LabelsDescribeAKnownTarget)
{
    folder.start();
    ASSERT_TRUE(form2()->isHidden());
    enterPartner(QStringLiteral("JJ00AA"));  // centre 0.04167 E, 0.02083 N

    ASSERT_TRUE(form2()->isVisible());
    // Expected distances and bearing from an independent haversine / atan2 computation.
    EXPECT_EQ(form2()->Label1->text(), QStringLiteral("0,04167"));
    EXPECT_EQ(form2()->Label2->text(), QStringLiteral("0,02083"));
    EXPECT_EQ(form2()->Label3->text(), QStringLiteral("JJ00AA"));
    EXPECT_EQ(form2()->Label4->text(), QStringLiteral("10014"));
    EXPECT_EQ(form2()->Label5->text(), QStringLiteral("270"));
    EXPECT_EQ(form2()->Label11->text(), QStringLiteral("Nullinsel"));
    EXPECT_EQ(form2()->Label14->text(), QStringLiteral("N0"));
    EXPECT_EQ(form2()->Label12->text(), QStringLiteral("Dortmund"));
    EXPECT_EQ(form2()->Label13->text(), QStringLiteral("5774"));
}

TEST_F(TForm2Test, ClickOnTheCityMakesItTheTarget)
{
    folder.start();
    enterPartner(QStringLiteral("JJ00AA"));
    QTest::mouseClick(form2()->Label12, Qt::LeftButton);

    EXPECT_DOUBLE_EQ(session()->target().latitude, 51.51);
    EXPECT_DOUBLE_EQ(session()->target().longitude, 7.47);
    EXPECT_EQ(form2()->Label4->text(), QStringLiteral("9502"));
    EXPECT_EQ(form2()->Label5->text(), QStringLiteral("322"));
    EXPECT_EQ(form2()->Label12->text(), QStringLiteral("Dortmund"));
    EXPECT_EQ(form2()->Label13->text(), QStringLiteral("0"));
    EXPECT_EQ(form2()->Label11->text(), QString());  // no country in the tiny raster there

    // The caption "Stadt:" reacts the same way.
    session()->clearTarget();
    QTest::mouseClick(form2()->Label32, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(session()->target().longitude, 7.47);
}

TEST_F(TForm2Test, OfEquallyNearCitiesTheEarlierInTheTableWins)
{
    folder.writeFile(QStringLiteral("Karten/Citys.txt"), "Nord\t10\t0\r\nSued\t-10\t0\r\n");
    folder.start();
    session()->setTarget(TargetInfo{0.0, 0.0, 0.0, 0.0});
    form2()->ShowTargetData();
    EXPECT_EQ(form2()->Label12->text(), QStringLiteral("Nord"));
    EXPECT_EQ(form2()->nearestCityIndex, 0);
}

TEST_F(TForm2Test, WithoutCitiesNoCityIsShownAndTheClickDoesNothing)
{
    folder.writeFile(QStringLiteral("Karten/Citys.txt"), "");
    folder.start();
    ASSERT_TRUE(session()->referenceData().cityTable.empty());
    enterPartner(QStringLiteral("JJ00AA"));

    EXPECT_EQ(form2()->Label4->text(), QStringLiteral("10014"));
    EXPECT_EQ(form2()->Label12->text(), QString());
    EXPECT_EQ(form2()->Label13->text(), QString());
    const TargetInfo before = session()->target();
    QTest::mouseClick(form2()->Label12, Qt::LeftButton);
    EXPECT_EQ(session()->target().longitude, before.longitude);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(TForm2Test, CancelledColourDialogChangesNothing)
{
    folder.start();
    const QByteArray before = folder.readFile(QStringLiteral("Corvane.ini"));
    QTest::mouseClick(form2()->Button1, Qt::LeftButton);
    EXPECT_EQ(dialogs.shown, QStringList{QStringLiteral("color||")});
    EXPECT_EQ(session()->crosshairColor(), 0xFFFFFFu);
    EXPECT_EQ(folder.readFile(QStringLiteral("Corvane.ini")), before);
}

TEST_F(TForm2Test, ChosenColourIsWrittenAtOnceAndReadAtTheNextStart)
{
    dialogs.colorAnswers.push_back(0x0000FFu);  // red
    folder.start();
    QTest::mouseClick(form2()->Button1, Qt::LeftButton);
    EXPECT_EQ(session()->crosshairColor(), 0x0000FFu);
    EXPECT_TRUE(folder.readFile(QStringLiteral("Corvane.ini")).contains("Fadenkreuzfarbe=255\r\n"));

    folder.stop();
    folder.start();
    EXPECT_EQ(session()->crosshairColor(), 0x0000FFu);
}

TEST_F(TForm2Test, ClosingClearsTheTarget)
{
    folder.start();
    enterPartner(QStringLiteral("JO31MM"));
    ASSERT_TRUE(session()->target().isSet());
    form2()->close();
    EXPECT_FALSE(form2()->isVisible());
    EXPECT_FALSE(session()->target().isSet());
}

} // namespace
