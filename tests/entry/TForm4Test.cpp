// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "app/TFormA.h"
#include "entry/TForm4.h"
#include "mercator/TForm1.h"
#include "mercator/TForm2.h"
#include "platform/Dialogs.h"
#include "session/Session.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class TForm4Test : public testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        folder.writeReferenceData();
    }

    // A run whose own station is at Berlin, 13.4 degrees east, 52.5 degrees north.
    void startWithOwnPosition()
    {
        folder.writeFile(QStringLiteral("Corvane.ini"), "[Locator]\r\nU_L\xe4nge=13,4\r\nU_Breite=52,5\r\n");
        folder.start();
        form4()->show();
    }

    static void type(QLineEdit* field, const QString& text)
    {
        field->clear();
        QTest::keyClicks(field, text);
    }

    // Moves the focus from field to the next control, as the user does with the mouse.
    static void leave(QLineEdit* field, QWidget* next)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
        QApplication::sendEvent(field, &out);
        next->setFocus(Qt::MouseFocusReason);
    }

    ScriptedDialogs dialogs;
    ProgramFolder folder;
};

TEST_F(TForm4Test, FirstRunOwnLocatorPlusEnterClosesTheWindowAndFillsTheOwnFields)
{
    folder.start();
    EXPECT_FALSE(form4()->GroupBox1->isHidden());
    EXPECT_TRUE(form4()->GroupBox2->isHidden());
    ASSERT_TRUE(form4()->Timer1->isActive());

    form4()->Timer1Timer();  // the prompt covers the main window, the entry window comes up
    EXPECT_FALSE(formA()->StartPanel->isHidden());
    EXPECT_EQ(formA()->StartPanel->text(), QStringLiteral("eigenen Locator eingeben, dann Eingabetaste"));
    EXPECT_EQ(formA()->StartPanel->geometry(), QRect(0, 0, formA()->clientWidth(), formA()->clientHeight()));
    ASSERT_TRUE(form4()->isVisible());

    QTest::keyClicks(form4()->E_Locator, QStringLiteral("JO31MM"));
    EXPECT_TRUE(form4()->isEdited(form4()->E_Locator));
    QTest::keyClick(form4()->E_Locator, Qt::Key_Return);

    EXPECT_FALSE(form4()->isVisible());
    EXPECT_FALSE(form4()->isEdited(form4()->E_Locator));
    EXPECT_EQ(form4()->E_LangDez->text(), QStringLiteral("7,0417"));
    EXPECT_EQ(form4()->E_BreitDez->text(), QStringLiteral("51,5208"));
    EXPECT_EQ(form4()->E_LangGrad->text(), QStringLiteral("07°02'30\""));
    EXPECT_EQ(form4()->E_BreitGrad->text(), QStringLiteral("51°31'15\""));
    EXPECT_NEAR(session()->ownPosition().longitude, 7.0416667, 1e-6);
    EXPECT_FALSE(session()->target().isSet());  // the own station is no target
    // From now on the window is for partners: the next partner cannot move the own station.
    EXPECT_TRUE(form4()->GroupBox1->isHidden());
    EXPECT_FALSE(form4()->GroupBox2->isHidden());
    emit formA()->locatorEntryRequested();
    ASSERT_TRUE(form4()->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([] { return form4()->E_Locator2->hasFocus(); }, 1000));
    QTest::keyClicks(form4()->E_Locator2, QStringLiteral("JO62QM"));
    QTest::keyClick(form4()->E_Locator2, Qt::Key_Return);
    EXPECT_NEAR(session()->ownPosition().longitude, 7.0416667, 1e-6);
    EXPECT_TRUE(session()->target().isSet());
    form4()->hide();

    form4()->Timer1Timer();
    EXPECT_EQ(formA()->StartPanel->text(), QStringLiteral("Menü und Hilfe mit rechter Maustaste"));
    EXPECT_FALSE(formA()->Button1->isHidden());
    EXPECT_FALSE(form4()->Timer1->isActive());
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(TForm4Test, EnterOnAnIncompleteOwnLocatorDoesNothing)
{
    folder.start();
    form4()->Timer1Timer();
    QTest::keyClicks(form4()->E_Locator, QStringLiteral("JO31M"));
    QTest::keyClick(form4()->E_Locator, Qt::Key_Return);
    EXPECT_TRUE(form4()->isVisible());
    EXPECT_TRUE(form4()->isEdited(form4()->E_Locator));
    EXPECT_EQ(session()->ownPosition().longitude, 0.0);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(TForm4Test, PartnerLocatorTypedInLowerCaseBecomesTheTarget)
{
    startWithOwnPosition();
    QTest::keyClicks(form4()->E_Locator2, QStringLiteral("jo31mm"));
    EXPECT_EQ(form4()->E_Locator2->text(), QStringLiteral("JO31MM"));
    QTest::keyClick(form4()->E_Locator2, Qt::Key_Return);

    EXPECT_TRUE(form4()->isVisible());
    EXPECT_EQ(form4()->E_LangDez2->text(), QStringLiteral("7,0417"));
    EXPECT_EQ(form4()->E_BreitGrad2->text(), QStringLiteral("51°31'15\""));
    EXPECT_NEAR(session()->target().longitude, 7.0416667, 1e-6);
    EXPECT_NEAR(session()->target().latitude, 51.5208333, 1e-6);
    EXPECT_NEAR(session()->target().bearing, 258.4741, 1e-3);   // degrees, independent haversine/atan2 value
    EXPECT_NEAR(session()->target().distance, 448.9316, 1e-3);  // km
    EXPECT_TRUE(form2()->isVisible());
    EXPECT_EQ(form2()->Label3->text(), QStringLiteral("JO31MM"));
    // The own position is untouched by a partner entry.
    EXPECT_DOUBLE_EQ(session()->ownPosition().longitude, 13.4);
}

TEST_F(TForm4Test, LocatorFieldsTakeOnlyLettersAndDigits)
{
    startWithOwnPosition();
    QTest::keyClicks(form4()->E_Locator2, QStringLiteral("j-o 3.1m,mx"));
    EXPECT_EQ(form4()->E_Locator2->text(), QStringLiteral("JO31MM"));
}

// Ctrl+V pastes through the rules a typed key takes; copy, select all and undo work as usual.
TEST_F(TForm4Test, PastedTextTakesTheRoadOfTypedKeys)
{
    startWithOwnPosition();
    QLineEdit* field = form4()->E_Locator2;
    const struct { const char* clipboard; const char* shown; } cases[] = {
        {"jo62qm", "JO62QM"}, {" JO-31 mm \n", "JO31MM"}, {"!!", ""}, {"qf56odxyz", "QF56OD"},
    };
    for (const auto& c : cases) {
        field->clear();
        QGuiApplication::clipboard()->setText(QString::fromLatin1(c.clipboard));
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(field->text(), QLatin1String(c.shown)) << c.clipboard;
    }
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(field->selectedText(), QStringLiteral("QF56OD"));
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("QF56OD"));
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), QString());
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("QF56OD"));
}

struct PartnerEntry {
    const char* field;
    const char* typed;
    const char* longitudeDecimal;
    const char* latitudeDecimal;
    const char* longitudeDms;
    const char* latitudeDms;
};

TEST_F(TForm4Test, PartnerTypedInEveryFormIsRewrittenInTheOthers)
{
    const PartnerEntry entries[] = {
        {"E_LangDez2", "190", "-170,0000", "0,0000", "-170°00'00\"", "00°00'00\""},
        {"E_BreitDez2", "-90", "-170,0000", "90,0000", "-170°00'00\"", "90°00'00\""},
        {"E_LangGrad2", "7 2 30", "7,0417", "90,0000", "07°02'30\"", "90°00'00\""},
        {"E_BreitGrad2", "-33°52'", "7,0417", "-33,8667", "07°02'30\"", "-33°52'00\""},
    };
    startWithOwnPosition();
    for (const PartnerEntry& entry : entries) {
        SCOPED_TRACE(entry.field);
        auto* field = form4()->findChild<QLineEdit*>(QString::fromUtf8(entry.field));
        ASSERT_TRUE(field);
        type(field, QString::fromUtf8(entry.typed));
        EXPECT_TRUE(form4()->isEdited(field));
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_FALSE(form4()->isEdited(field));
        EXPECT_EQ(form4()->E_LangDez2->text(), QString::fromUtf8(entry.longitudeDecimal));
        EXPECT_EQ(form4()->E_BreitDez2->text(), QString::fromUtf8(entry.latitudeDecimal));
        EXPECT_EQ(form4()->E_LangGrad2->text(), QString::fromUtf8(entry.longitudeDms));
        EXPECT_EQ(form4()->E_BreitGrad2->text(), QString::fromUtf8(entry.latitudeDms));
        EXPECT_EQ(session()->target().longitude, session()->partnerPosition().longitude);
        EXPECT_EQ(session()->target().latitude, session()->partnerPosition().latitude);
    }
}

TEST_F(TForm4Test, PartnerAtZeroZeroShowsNoLocatorAndSetsNoTarget)
{
    startWithOwnPosition();
    type(form4()->E_LangDez2, QStringLiteral("0"));
    QTest::keyClick(form4()->E_LangDez2, Qt::Key_Return);
    EXPECT_EQ(form4()->E_Locator2->text(), QString());
    EXPECT_FALSE(session()->target().isSet());
    EXPECT_FALSE(form2()->isVisible());
}

TEST_F(TForm4Test, KeyDownWithoutACharacterMarksTheFieldEdited)
{
    startWithOwnPosition();
    QTest::keyClick(form4()->E_LangDez2, Qt::Key_Delete);
    EXPECT_TRUE(form4()->isEdited(form4()->E_LangDez2));
}

TEST_F(TForm4Test, LeavingALocatorFieldWithFiveCharactersWarnsAndKeepsThePosition)
{
    startWithOwnPosition();
    type(form4()->E_Locator2, QStringLiteral("JO31M"));
    leave(form4()->E_Locator2, form4()->E_LangDez2);

    EXPECT_EQ(dialogs.shown, QStringList{QStringLiteral("warning|Corvane|ungültiger Locator")});
    EXPECT_EQ(session()->partnerPosition().longitude, 0.0);
    EXPECT_EQ(session()->partnerPosition().latitude, 0.0);
    EXPECT_EQ(form4()->E_Locator2->text(), QString());  // the locator of the unchanged position
    EXPECT_FALSE(form4()->isEdited(form4()->E_Locator2));
    EXPECT_FALSE(session()->target().isSet());
}

TEST_F(TForm4Test, LeavingALocatorWithALetterInPositionThreeShowsTheErrorAndStaysYellow)
{
    startWithOwnPosition();
    type(form4()->E_Locator2, QStringLiteral("JOA1MM"));
    leave(form4()->E_Locator2, form4()->E_LangDez2);

    EXPECT_EQ(dialogs.shown, QStringList{QStringLiteral("error|Corvane|'A' ist kein gültiger Integerwert.")});
    EXPECT_TRUE(form4()->isEdited(form4()->E_Locator2));
    EXPECT_EQ(form4()->E_Locator2->text(), QStringLiteral("JOA1MM"));
    EXPECT_EQ(session()->partnerPosition().longitude, 0.0);
    EXPECT_FALSE(session()->target().isSet());
}

TEST_F(TForm4Test, OwnPositionIsSavedAsShownAndTheWindowPlaceIsRememberedForTheShownMap)
{
    startWithOwnPosition();
    form4()->setGeometry(QRect(QPoint(321, 234), form4()->size()));  // the client area, as the place is kept
    form4()->PositionstimerTimer();
    EXPECT_EQ(RunningProgram::get()->mapPlaces().place(MapPlaces::Tool::entry, MapPlaces::Map::mercator), QPoint(321, 234));
    folder.stop();
    const QByteArray ini = folder.readFile(QStringLiteral("Corvane.ini"));
    EXPECT_TRUE(ini.contains("U_L\xe4nge=13,4000\r\n"));
    EXPECT_TRUE(ini.contains("U_Breite=52,5000\r\n"));
    EXPECT_TRUE(ini.contains("LocatorPos_X=321\r\n"));
}

} // namespace

namespace {

// Partner entries in every form leave the own position exactly as it was: only a confirmed own
// field may change it.
TEST_F(TForm4Test, OwnPositionStaysBitIdenticalThroughPartnerEntries)
{
    folder.writeFile(QStringLiteral("Corvane.ini"), "[Locator]\r\nU_L\xe4nge=7,0416667\r\nU_Breite=51,5208333\r\n");
    folder.start();
    form4()->show();
    const GeoPosition before = session()->ownPosition();
    ASSERT_EQ(before.latitude, 51.5208333);
    const std::pair<QLineEdit*, const char*> entries[] = {
        {form4()->E_LangDez2, "13,4"}, {form4()->E_BreitGrad2, "52 30"}, {form4()->E_Locator2, "JO62QM"},
        {form4()->E_BreitDez2, "-33,87"}, {form4()->E_LangGrad2, "151 12"},
    };
    for (int round = 0; round < 3; ++round) {
        for (const auto& [field, typed] : entries) {
            type(field, QString::fromUtf8(typed));
            QTest::keyClick(field, Qt::Key_Return);
            EXPECT_EQ(session()->ownPosition().longitude, before.longitude) << field->objectName().toStdString();
            EXPECT_EQ(session()->ownPosition().latitude, before.latitude) << field->objectName().toStdString();
        }
    }
    folder.stop();
    EXPECT_TRUE(folder.readFile(QStringLiteral("Corvane.ini")).contains("U_Breite=51,5208\r\n"));
}

// With the real boxes: leaving a field whose value is refused shows the error, and the focus is
// back in the field afterwards, so the next key goes there.
TEST_F(TForm4Test, ARefusedValueKeepsTheFocusInItsField)
{
    startWithOwnPosition();
    Dialogs::install(nullptr);
    form4()->activateWindow();
    form4()->E_Locator2->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form4()));
    QString shown;
    QTimer::singleShot(200, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            shown = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    type(form4()->E_Locator2, QStringLiteral("FNX1PR"));
    QTest::keyClick(form4()->E_Locator2, Qt::Key_Tab);
    Dialogs::install(&dialogs);
    EXPECT_EQ(shown, QStringLiteral("'X' ist kein gültiger Integerwert."));
    QTest::qWait(100);
    EXPECT_EQ(QApplication::focusWidget(), form4()->E_Locator2)
        << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "none");
    EXPECT_TRUE(form4()->isEdited(form4()->E_Locator2));
}

} // namespace

namespace {

// From the window's context menu the own group comes back; a new own position confirmed there is
// stored at once, and the target's bearing and distance are taken from the new place.
TEST_F(TForm4Test, TheOwnStationCanBeChangedFromTheContextMenu)
{
    startWithOwnPosition();
    type(form4()->E_Locator2, QStringLiteral("JO31MM"));
    QTest::keyClick(form4()->E_Locator2, Qt::Key_Return);
    ASSERT_NEAR(session()->target().bearing, 258.4741, 1e-3);  // seen from Berlin
    ASSERT_TRUE(form4()->GroupBox1->isHidden());

    ASSERT_EQ(form4()->actions().size(), 1);
    EXPECT_EQ(form4()->actions().first()->text(), QStringLiteral("Eigenen Standort ändern"));
    EXPECT_EQ(form4()->contextMenuPolicy(), Qt::ActionsContextMenu);
    form4()->actions().first()->trigger();
    EXPECT_FALSE(form4()->GroupBox1->isHidden());
    EXPECT_FALSE(form4()->GroupBox2->isHidden());

    type(form4()->E_LangDez, QStringLiteral("-0,1"));  // London
    QTest::keyClick(form4()->E_LangDez, Qt::Key_Return);
    type(form4()->E_BreitDez, QStringLiteral("51,5"));
    QTest::keyClick(form4()->E_BreitDez, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(session()->ownPosition().longitude, -0.1);
    EXPECT_DOUBLE_EQ(session()->ownPosition().latitude, 51.5);
    EXPECT_TRUE(form4()->GroupBox1->isHidden()) << "the change is done";
    // The target stays where it was; its bearing and distance now start at London.
    EXPECT_NEAR(session()->target().longitude, 7.0416667, 1e-6);
    EXPECT_NEAR(session()->target().bearing, 86.9354, 1e-3);  // degrees, independent haversine/atan2 value
    EXPECT_NEAR(session()->target().distance, 494.600, 1e-2);  // km
    EXPECT_TRUE(folder.readFile(QStringLiteral("Corvane.ini")).contains("U_Breite=51,5000\r\n"));
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

} // namespace
