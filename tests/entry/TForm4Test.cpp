// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "entry/TForm4.h"
#include "platform/Dialogs.h"
#include "support/Controls.h"
#include "support/ScriptedDialogs.h"
#include "support/WindowSession.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QContextMenuEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace {

// The position entry window alone, over a session and a settings file of its own.
class TForm4Test : public testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    // The window shows the session's own station, which the map window has read from the
    // settings file before; none at the first run.
    void build(const GeoPosition& own = {})
    {
        world.open();
        world.session.setOwnPosition(own);
        window = std::make_unique<TForm4>(world.session, ShownMap(nullptr, nullptr), world.places, world.store.ownStation);
    }

    // The own station at Berlin, 13.4 degrees east, 52.5 degrees north; the window shown.
    void buildAtBerlin()
    {
        build({13.4, 52.5});
        window->show();
    }

    QLineEdit* field(const char* name) const { return control<QLineEdit>(window.get(), name); }
    // A station's decimal and DMS fields, longitude first: "7,0417 51,5208 07°02'30\" 51°31'15\"".
    QString shownPosition(const char* suffix) const
    {
        QStringList texts;
        for (const char* name : {"E_LangDez", "E_BreitDez", "E_LangGrad", "E_BreitGrad"})
            texts << field((QByteArray(name) + suffix).constData())->text();
        return texts.join(u' ');
    }
    QGroupBox* group(const char* name) const { return control<QGroupBox>(window.get(), name); }
    Session& session() { return world.session; }
    QByteArray iniText() const { return world.folder.readFile(QStringLiteral("Corvane.ini")); }

    static void type(QLineEdit* field, const QString& text)
    {
        field->clear();
        QTest::keyClicks(field, text);
    }
    // Types the text into the named field and confirms it with Enter.
    void confirm(const char* name, const QString& text) const
    {
        type(field(name), text);
        QTest::keyClick(field(name), Qt::Key_Return);
    }

    // Moves the focus from field to the next control, as the user does with the mouse.
    static void leave(QLineEdit* field, QWidget* next)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
        QApplication::sendEvent(field, &out);
        next->setFocus(Qt::MouseFocusReason);
    }

    ScriptedDialogs dialogs;
    WindowSession world;
    std::unique_ptr<TForm4> window;
};

// At the first run an incomplete own locator is not taken; a whole one closes the window.
TEST_F(TForm4Test, FirstRunOwnLocatorPlusEnterClosesTheWindowAndFillsTheOwnFields)
{
    build();
    QSignalSpy prompts(window.get(), &TForm4::startPromptDue);
    QSignalSpy hints(window.get(), &TForm4::startHintDue);
    EXPECT_FALSE(group("GroupBox1")->isHidden());
    EXPECT_TRUE(group("GroupBox2")->isHidden());
    ASSERT_TRUE(control<QTimer>(window.get(), "Timer1")->isActive());
    window->Timer1Timer();  // the prompt covers the main window, the entry window comes up
    EXPECT_EQ(prompts.size(), 1);
    ASSERT_TRUE(window->isVisible());
    confirm("E_Locator", QStringLiteral("JO31M"));  // incomplete: Enter does nothing
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isEdited(field("E_Locator")));
    EXPECT_EQ(session().ownPosition().longitude, 0.0);
    QTest::keyClicks(field("E_Locator"), QStringLiteral("M"));
    QTest::keyClick(field("E_Locator"), Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->isEdited(field("E_Locator")));
    EXPECT_EQ(shownPosition(""), QStringLiteral("7,0417 51,5208 07°02'30\" 51°31'15\""));
    EXPECT_NEAR(session().ownPosition().longitude, 7.0416667, 1e-6);
    EXPECT_FALSE(session().target().isSet());  // the own station is no target
    // From now on the window is for partners: the next partner cannot move the own station.
    EXPECT_TRUE(group("GroupBox1")->isHidden());
    EXPECT_FALSE(group("GroupBox2")->isHidden());
    window->toggleFromMenu();
    ASSERT_TRUE(window->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([this] { return field("E_Locator2")->hasFocus(); }, 1000));
    confirm("E_Locator2", QStringLiteral("JO62QM"));
    EXPECT_NEAR(session().ownPosition().longitude, 7.0416667, 1e-6);
    EXPECT_TRUE(session().target().isSet());
    window->toggleFromMenu();
    EXPECT_FALSE(window->isVisible());
    window->Timer1Timer();
    EXPECT_EQ(hints.size(), 1);
    EXPECT_EQ(prompts.size(), 1);
    EXPECT_FALSE(control<QTimer>(window.get(), "Timer1")->isActive());
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

// A locator field takes only letters and digits, in upper case, up to six; Ctrl+V pastes through
// the rules a typed key takes; copy, select all and undo work as usual.
TEST_F(TForm4Test, TypedAndPastedTextTakeTheSameRoad)
{
    buildAtBerlin();
    QLineEdit* locator = field("E_Locator2");
    const struct {
        const char* text;
        bool pasted;
        const char* shown;
    } cases[] = {
        {"jo31mm", false, "JO31MM"}, {"j-o 3.1m,mx", false, "JO31MM"}, {"jo62qm", true, "JO62QM"},
        {" JO-31 mm \n", true, "JO31MM"}, {"!!", true, ""}, {"qf56odxyz", true, "QF56OD"},
    };
    for (const auto& c : cases) {
        locator->clear();
        if (c.pasted) {
            QGuiApplication::clipboard()->setText(QString::fromLatin1(c.text));
            QTest::keyClick(locator, Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::keyClicks(locator, QString::fromLatin1(c.text));
        }
        EXPECT_EQ(locator->text(), QLatin1String(c.shown)) << c.text;
    }
    QTest::keyClick(locator, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(locator->selectedText(), QStringLiteral("QF56OD"));
    QTest::keyClick(locator, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("QF56OD"));
    QTest::keyClick(locator, Qt::Key_Backspace);
    EXPECT_EQ(locator->text(), QString());
    QTest::keyClick(locator, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(locator->text(), QStringLiteral("QF56OD"));
}

TEST_F(TForm4Test, PartnerTypedInEveryFormIsRewrittenInTheOthers)
{
    const struct {
        const char *field, *typed, *shown;
    } entries[] = {
        {"E_LangDez2", "190", "-170,0000 0,0000 -170°00'00\" 00°00'00\""},
        {"E_BreitDez2", "-90", "-170,0000 90,0000 -170°00'00\" 90°00'00\""},
        {"E_LangGrad2", "7 2 30", "7,0417 90,0000 07°02'30\" 90°00'00\""},
        {"E_BreitGrad2", "-33°52'", "7,0417 -33,8667 07°02'30\" -33°52'00\""},
    };
    buildAtBerlin();
    for (const auto& entry : entries) {
        SCOPED_TRACE(entry.field);
        QLineEdit* typedInto = field(entry.field);
        type(typedInto, QString::fromUtf8(entry.typed));
        EXPECT_TRUE(window->isEdited(typedInto));
        QTest::keyClick(typedInto, Qt::Key_Return);
        EXPECT_FALSE(window->isEdited(typedInto));
        EXPECT_EQ(shownPosition("2"), QString::fromUtf8(entry.shown));
        EXPECT_EQ(session().target().longitude, session().partnerPosition().longitude);
        EXPECT_EQ(session().target().latitude, session().partnerPosition().latitude);
    }
}

// A key without a character (Delete) marks the field edited too; a partner at 0, 0 is none.
TEST_F(TForm4Test, PartnerAtZeroZeroShowsNoLocatorAndSetsNoTarget)
{
    buildAtBerlin();
    QTest::keyClick(field("E_LangDez2"), Qt::Key_Delete);
    EXPECT_TRUE(window->isEdited(field("E_LangDez2")));
    confirm("E_LangDez2", QStringLiteral("0"));
    EXPECT_EQ(field("E_Locator2")->text(), QString());
    EXPECT_FALSE(session().target().isSet());
}

// Leaving a locator field with a refused text: an incomplete one warns and keeps the position, one
// with a letter where a digit belongs shows the conversion error and stays yellow.
TEST_F(TForm4Test, LeavingARefusedLocatorKeepsThePosition)
{
    const struct {
        const char *typed, *box, *shown;
        bool edited;
    } cases[] = {
        {"JO31M", "warning|Corvane|ungültiger Locator", "", false},
        {"JOA1MM", "error|Corvane|'A' ist kein gültiger Integerwert.", "JOA1MM", true},
    };
    buildAtBerlin();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        dialogs.shown.clear();
        type(field("E_Locator2"), QString::fromLatin1(c.typed));
        leave(field("E_Locator2"), field("E_LangDez2"));
        EXPECT_EQ(dialogs.shown, QStringList {QString::fromUtf8(c.box)});
        EXPECT_EQ(field("E_Locator2")->text(), QString::fromLatin1(c.shown));
        EXPECT_EQ(window->isEdited(field("E_Locator2")), c.edited);
        EXPECT_EQ(session().partnerPosition().longitude, 0.0);
        EXPECT_EQ(session().partnerPosition().latitude, 0.0);
        EXPECT_FALSE(session().target().isSet());
    }
}

// Partner entries in every form leave the own position exactly as it was: only a confirmed own
// field may change it.
TEST_F(TForm4Test, OwnPositionStaysBitIdenticalThroughPartnerEntries)
{
    build({7.0416667, 51.5208333});
    window->show();
    const GeoPosition before = session().ownPosition();
    ASSERT_EQ(before.latitude, 51.5208333);
    // One field of each form; repeated confirmations are the position forms' own test.
    const std::pair<const char*, const char*> entries[] = {
        {"E_LangDez2", "13,4"}, {"E_BreitGrad2", "52 30"}, {"E_Locator2", "JO62QM"}};
    for (const auto& [name, typed] : entries) {
        confirm(name, QString::fromUtf8(typed));
        EXPECT_EQ(session().ownPosition().longitude, before.longitude) << name;
        EXPECT_EQ(session().ownPosition().latitude, before.latitude) << name;
    }
    window->FormDestroy();  // saved as shown
    EXPECT_TRUE(iniText().contains("U_L\xe4nge=7,0417\r\n"));
    EXPECT_TRUE(iniText().contains("U_Breite=51,5208\r\n"));
}

// With the real boxes: leaving a field whose value is refused shows the error, and the focus is
// back in the field afterwards, so the next key goes there.
TEST_F(TForm4Test, ARefusedValueKeepsTheFocusInItsField)
{
    buildAtBerlin();
    Dialogs::install(nullptr);
    window->activateWindow();
    field("E_Locator2")->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QString shown;
    // Answers the box as soon as it is up.
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            answer.stop();
            shown = control<QLabel>(box, "qt_msgbox_label")->text();
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    answer.start();
    type(field("E_Locator2"), QStringLiteral("FNX1PR"));
    QTest::keyClick(field("E_Locator2"), Qt::Key_Tab);
    Dialogs::install(&dialogs);
    EXPECT_EQ(shown, QStringLiteral("'X' ist kein gültiger Integerwert."));
    EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::focusWidget() == field("E_Locator2"); }, 1000))
        << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "none");
    EXPECT_TRUE(window->isEdited(field("E_Locator2")));
}

// A partner locator typed in lower case becomes the target, the window stays open. From the
// window's context menu the own group comes back; a new own position confirmed there is stored at
// once, and the target stays.
TEST_F(TForm4Test, APartnerLocatorIsTheTargetAndTheOwnStationCanBeChangedFromTheContextMenu)
{
    buildAtBerlin();
    confirm("E_Locator2", QStringLiteral("jo31mm"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(shownPosition("2"), QStringLiteral("7,0417 51,5208 07°02'30\" 51°31'15\""));
    EXPECT_NEAR(session().target().bearing, 258.4741, 1e-3);   // degrees from Berlin, independent haversine/atan2 value
    EXPECT_NEAR(session().target().distance, 448.9316, 1e-3);  // km
    ASSERT_TRUE(group("GroupBox1")->isHidden());
    ASSERT_EQ(window->actions().size(), 1);
    EXPECT_EQ(window->actions().first()->text(), QStringLiteral("Eigenen Standort ändern"));
    EXPECT_EQ(window->contextMenuPolicy(), Qt::ActionsContextMenu);
    // The menu key in a field opens the field's edit menu, which holds the item too.
    QStringList items;
    QTimer::singleShot(0, [&items] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            for (QAction* action : popup->actions())
                items << action->text().section(u'\t', 0, 0);
            popup->actions().constLast()->trigger();
            popup->close();
        }
    });
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(2, 2), field("E_Locator2")->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(field("E_Locator2"), &menuKey);
    EXPECT_TRUE(items.contains(QStringLiteral("&Einfügen")) || items.contains(QStringLiteral("&Paste")))
        << items.join(u'|').toStdString();
    EXPECT_EQ(items.constLast(), QStringLiteral("Eigenen Standort ändern"));
    EXPECT_FALSE(group("GroupBox1")->isHidden());
    EXPECT_FALSE(group("GroupBox2")->isHidden());
    confirm("E_LangDez", QStringLiteral("-0,1"));  // London
    confirm("E_BreitDez", QStringLiteral("51,5"));
    EXPECT_DOUBLE_EQ(session().ownPosition().longitude, -0.1);
    EXPECT_DOUBLE_EQ(session().ownPosition().latitude, 51.5);
    EXPECT_TRUE(group("GroupBox1")->isHidden()) << "the change is done";
    // The target stays where it was; the session takes its bearing and distance from London.
    EXPECT_NEAR(session().target().longitude, 7.0416667, 1e-6);
    EXPECT_TRUE(iniText().contains("U_Breite=51,5000\r\n"));
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

}  // namespace
