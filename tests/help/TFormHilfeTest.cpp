// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/WindowGeometry.h"
#include "help/TFormHilfe.h"
#include "session/Session.h"
#include "support/ProgramFolder.h"

#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

// The help window over a program folder that holds the real help page.
class TFormHilfeTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder.writeReferenceData();
        QFile page(qEnvironmentVariable("CORVANE_SOURCE_DIR") + QStringLiteral("/help/Corvane.htm"));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly));
        folder.writeFile(QStringLiteral("Help/Corvane.htm"), page.readAll());
    }

    // Starts with a window small enough that the page scrolls.
    void startSmall()
    {
        folder.writeFile(QStringLiteral("Corvane.ini"), "[Hilfe]\r\nTop=40\r\nLinks=30\r\nBreite=420\r\nH\xf6he=300\r\n");
        folder.start();
    }

    // As the menu item "Hilfe" asks for help.
    static QString helpPage() { return session()->folders().programFolder + QStringLiteral("Help/Corvane.htm"); }
    void showHelpFromMenu() { formHilfe()->ShowHelp(helpPage(), QString()); }

    static int scrollPosition() { return formHilfe()->WB1->verticalScrollBar()->value(); }

    // Where the page's anchor scrolls to, found independently of the navigation under test.
    static int anchorPosition(const QString& anchor)
    {
        const QUrl before = formHilfe()->WB1->source();
        const int beforeScroll = scrollPosition();
        formHilfe()->WB1->scrollToAnchor(anchor);
        const int position = scrollPosition();
        formHilfe()->WB1->verticalScrollBar()->setValue(beforeScroll);
        EXPECT_EQ(formHilfe()->WB1->source(), before);
        return position;
    }

    // Clicks the first link to href on the page, as the user does; returns the scroll position
    // from which the link was clicked.
    static int clickLink(const QString& href)
    {
        QTextBrowser* browser = formHilfe()->WB1;
        for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (fragment.charFormat().anchorHref() != href)
                    continue;
                QTextCursor cursor(browser->document());
                cursor.setPosition(fragment.position() + 1);
                browser->setTextCursor(cursor);
                browser->ensureCursorVisible();
                const int from = scrollPosition();
                const QPoint at = browser->cursorRect(cursor).center() - QPoint(2, 0);
                QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
                return from;
            }
        }
        ADD_FAILURE() << "no link to " << href.toStdString();
        return -1;
    }

    ProgramFolder folder;
};

TEST_F(TFormHilfeTest, HelpOpensAtTheTopOfThePageAlsoWhenAskedAgainWhileOpen)
{
    startSmall();
    ASSERT_TRUE(formHilfe()->isHidden());

    showHelpFromMenu();
    ASSERT_TRUE(formHilfe()->isVisible());
    EXPECT_EQ(formHilfe()->WB1->source().toLocalFile(), helpPage());
    EXPECT_TRUE(formHilfe()->WB1->toPlainText().contains(QStringLiteral("Datenquellen und Lizenzen")));
    EXPECT_GT(anchorPosition(QStringLiteral("Beamkarte")), 0);
    EXPECT_EQ(scrollPosition(), 0);

    formHilfe()->WB1->verticalScrollBar()->setValue(anchorPosition(QStringLiteral("Dateien")));
    showHelpFromMenu();
    EXPECT_EQ(scrollPosition(), 0);
}

TEST_F(TFormHilfeTest, PageAndAnchorAreTrimmedBeforeTheLastJump)
{
    startSmall();
    formHilfe()->ShowHelp(helpPage() + QStringLiteral(" \t"), QStringLiteral(" Rotor\r\n"));

    EXPECT_EQ(formHilfe()->WB1->source().fragment(), QStringLiteral("Rotor"));
    EXPECT_EQ(scrollPosition(), anchorPosition(QStringLiteral("Rotor")));
    EXPECT_GT(scrollPosition(), 0);
}

TEST_F(TFormHilfeTest, BackAndForwardWithNothingInThatDirectionDoNothing)
{
    startSmall();
    formHilfe()->show();
    QTest::mouseClick(formHilfe()->B_Back, Qt::LeftButton);
    QTest::mouseClick(formHilfe()->B_Forward, Qt::LeftButton);
    EXPECT_TRUE(formHilfe()->WB1->source().isEmpty());

    showHelpFromMenu();
    const QUrl shown = formHilfe()->WB1->source();
    QTest::mouseClick(formHilfe()->B_Forward, Qt::LeftButton);
    EXPECT_EQ(formHilfe()->WB1->source(), shown);
    EXPECT_EQ(scrollPosition(), 0);
}

TEST_F(TFormHilfeTest, BackReturnsFromAnInPageLinkAndForwardGoesThereAgain)
{
    startSmall();
    showHelpFromMenu();
    const QString file = formHilfe()->WB1->source().toLocalFile();
    const int parameterSection = anchorPosition(QStringLiteral("Parameter"));

    const int linkPlace = clickLink(QStringLiteral("#Parameter"));
    EXPECT_EQ(formHilfe()->WB1->source().toLocalFile(), file);
    EXPECT_EQ(formHilfe()->WB1->source().fragment(), QStringLiteral("Parameter"));
    EXPECT_EQ(scrollPosition(), parameterSection);

    // Back to the table of contents, where the link was clicked.
    QTest::mouseClick(formHilfe()->B_Back, Qt::LeftButton);
    EXPECT_EQ(formHilfe()->WB1->source().toLocalFile(), file);
    EXPECT_TRUE(formHilfe()->WB1->source().fragment().isEmpty());
    EXPECT_EQ(scrollPosition(), linkPlace);
    EXPECT_LT(scrollPosition(), parameterSection);

    QTest::mouseClick(formHilfe()->B_Forward, Qt::LeftButton);
    EXPECT_EQ(formHilfe()->WB1->source().fragment(), QStringLiteral("Parameter"));
    EXPECT_EQ(scrollPosition(), parameterSection);
}

TEST_F(TFormHilfeTest, CloseOnlyHidesAndTheHistoryStays)
{
    startSmall();
    showHelpFromMenu();
    clickLink(QStringLiteral("#Rotor"));
    const QUrl shown = formHilfe()->WB1->source();

    QTest::mouseClick(formHilfe()->B_Close, Qt::LeftButton);
    EXPECT_TRUE(formHilfe()->isHidden());
    formHilfe()->show();
    EXPECT_EQ(formHilfe()->WB1->source(), shown);
    QTest::mouseClick(formHilfe()->B_Back, Qt::LeftButton);
    EXPECT_EQ(formHilfe()->WB1->source().fragment(), QString());
}

TEST_F(TFormHilfeTest, BrowserFillsTheWindowBelowTheButtons)
{
    startSmall();
    EXPECT_EQ(formHilfe()->B_Close->geometry(), QRect(0, 0, 73, 25));
    EXPECT_EQ(formHilfe()->B_Back->geometry(), QRect(72, 0, 105, 25));
    EXPECT_EQ(formHilfe()->B_Forward->geometry(), QRect(176, 0, 105, 25));

    showHelpFromMenu();
    formHilfe()->resize(517, 333);
    EXPECT_EQ(formHilfe()->WB1->geometry(), QRect(0, 25, 517, 308));
}

TEST_F(TFormHilfeTest, GeometryRoundTripsThroughSectionHilfe)
{
    startSmall();
    EXPECT_EQ(formHilfe()->geometry(), QRect(30, 40, 420, 300));

    formHilfe()->setGeometry(61, 52, 703, 404);
    folder.stop();
    const QByteArray file = folder.readFile(QStringLiteral("Corvane.ini"));
    for (const char* line : {"Top=52", "Links=61", "Breite=703", "H\xf6he=404"})
        EXPECT_TRUE(file.contains(line)) << line;
    EXPECT_FALSE(file.contains("H\xc3\xb6he"));

    folder.start();
    EXPECT_EQ(formHilfe()->geometry(), QRect(61, 52, 703, 404));
}

TEST_F(TFormHilfeTest, WithoutSettingsTheWindowTakesItsDefaultBounds)
{
    folder.start();
    // The default 850 pixels are wider than the 800 of the test screen: cut to it, moved to its
    // left edge, top and height kept.
    ASSERT_EQ(WindowGeometry::availableArea(), QRect(0, 0, 800, 800));
    EXPECT_EQ(formHilfe()->geometry(), QRect(0, 75, 800, 600));
}

} // namespace
