// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/WindowGeometry.h"
#include "help/TFormHilfe.h"
#include "session/Session.h"
#include "support/Controls.h"
#include "support/WindowSession.h"

#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include <memory>

namespace {

// The help window alone over a program folder that holds the real help page.
class TFormHilfeTest : public testing::Test {
protected:
    // Builds the window small enough that the page scrolls.
    void SetUp() override
    {
        QFile page(qEnvironmentVariable("CORVANE_SOURCE_DIR") + QStringLiteral("/help/Corvane.htm"));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly));
        world.folder.writeFile(QStringLiteral("Help/Corvane.htm"), page.readAll());
        world.folder.writeFile(QStringLiteral("Corvane.ini"),
                               "[Hilfe]\r\nTop=40\r\nLinks=30\r\nBreite=420\r\nH\xf6he=300\r\n");
        build();
    }

    void build()
    {
        world.open();
        window = std::make_unique<TFormHilfe>(world.session, world.store.help);
    }

    QString helpPage() const { return world.folder.path() + QStringLiteral("Help/Corvane.htm"); }

    QTextBrowser* browser() const { return control<QTextBrowser>(window.get(), "WB1"); }
    QPushButton* button(const char* name) const { return control<QPushButton>(window.get(), name); }
    int scrollPosition() const { return browser()->verticalScrollBar()->value(); }

    // Where the page's anchor scrolls to, found independently of the navigation under test.
    int anchorPosition(const QString& anchor)
    {
        const QUrl before = browser()->source();
        const int beforeScroll = scrollPosition();
        browser()->scrollToAnchor(anchor);
        const int position = scrollPosition();
        browser()->verticalScrollBar()->setValue(beforeScroll);
        EXPECT_EQ(browser()->source(), before);
        return position;
    }

    // Clicks the first link to href on the page, as the user does; returns the scroll position
    // from which the link was clicked.
    int clickLink(const QString& href) const
    {
        QTextBrowser* browser = this->browser();
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

    WindowSession world;
    std::unique_ptr<TFormHilfe> window;
};

TEST_F(TFormHilfeTest, HelpOpensAtTheTopOfThePageAlsoWhenAskedAgainWhileOpen)
{
    ASSERT_TRUE(window->isHidden());
    window->showHelpPage();  // as the menu item "Hilfe" asks for help
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(browser()->source().toLocalFile(), helpPage());
    EXPECT_TRUE(browser()->toPlainText().contains(QStringLiteral("Datenquellen und Lizenzen")));
    EXPECT_GT(anchorPosition(QStringLiteral("Beamkarte")), 0);
    EXPECT_EQ(scrollPosition(), 0);
    browser()->verticalScrollBar()->setValue(anchorPosition(QStringLiteral("Dateien")));
    window->showHelpPage();
    EXPECT_EQ(scrollPosition(), 0);
}

TEST_F(TFormHilfeTest, PageAndAnchorAreTrimmedBeforeTheLastJump)
{
    window->ShowHelp(helpPage() + QStringLiteral(" \t"), QStringLiteral(" Rotor\r\n"));
    EXPECT_EQ(browser()->source().fragment(), QStringLiteral("Rotor"));
    EXPECT_EQ(scrollPosition(), anchorPosition(QStringLiteral("Rotor")));
    EXPECT_GT(scrollPosition(), 0);
}

TEST_F(TFormHilfeTest, BackAndForwardWithNothingInThatDirectionDoNothing)
{
    window->show();
    QTest::mouseClick(button("B_Back"), Qt::LeftButton);
    QTest::mouseClick(button("B_Forward"), Qt::LeftButton);
    EXPECT_TRUE(browser()->source().isEmpty());
    window->showHelpPage();
    const QUrl shown = browser()->source();
    QTest::mouseClick(button("B_Forward"), Qt::LeftButton);
    EXPECT_EQ(browser()->source(), shown);
    EXPECT_EQ(scrollPosition(), 0);
}

TEST_F(TFormHilfeTest, BackReturnsFromAnInPageLinkAndForwardGoesThereAgain)
{
    window->showHelpPage();
    const QString file = browser()->source().toLocalFile();
    const int parameterSection = anchorPosition(QStringLiteral("Parameter"));
    const int linkPlace = clickLink(QStringLiteral("#Parameter"));
    EXPECT_EQ(browser()->source().toLocalFile(), file);
    EXPECT_EQ(browser()->source().fragment(), QStringLiteral("Parameter"));
    EXPECT_EQ(scrollPosition(), parameterSection);

    // Back to the table of contents, where the link was clicked.
    QTest::mouseClick(button("B_Back"), Qt::LeftButton);
    EXPECT_EQ(browser()->source().toLocalFile(), file);
    EXPECT_TRUE(browser()->source().fragment().isEmpty());
    EXPECT_EQ(scrollPosition(), linkPlace);
    EXPECT_LT(scrollPosition(), parameterSection);
    QTest::mouseClick(button("B_Forward"), Qt::LeftButton);
    EXPECT_EQ(browser()->source().fragment(), QStringLiteral("Parameter"));
    EXPECT_EQ(scrollPosition(), parameterSection);
}

TEST_F(TFormHilfeTest, CloseOnlyHidesAndTheHistoryStays)
{
    window->showHelpPage();
    clickLink(QStringLiteral("#Rotor"));
    const QUrl shown = browser()->source();
    QTest::mouseClick(button("B_Close"), Qt::LeftButton);
    EXPECT_TRUE(window->isHidden());
    window->show();
    EXPECT_EQ(browser()->source(), shown);
    QTest::mouseClick(button("B_Back"), Qt::LeftButton);
    EXPECT_EQ(browser()->source().fragment(), QString());
}

TEST_F(TFormHilfeTest, BrowserFillsTheWindowBelowTheButtons)
{
    EXPECT_EQ(button("B_Close")->geometry(), QRect(0, 0, 73, 25));
    EXPECT_EQ(button("B_Back")->geometry(), QRect(72, 0, 105, 25));
    EXPECT_EQ(button("B_Forward")->geometry(), QRect(176, 0, 105, 25));
    window->showHelpPage();
    window->resize(517, 333);
    EXPECT_EQ(browser()->geometry(), QRect(0, 25, 517, 308));
}

TEST_F(TFormHilfeTest, GeometryRoundTripsThroughSectionHilfe)
{
    EXPECT_EQ(window->geometry(), QRect(30, 40, 420, 300));
    window->setGeometry(61, 52, 703, 404);
    window->FormDestroy();
    const QByteArray file = world.folder.readFile(QStringLiteral("Corvane.ini"));
    for (const char* line : {"Top=52", "Links=61", "Breite=703", "H\xf6he=404"})
        EXPECT_TRUE(file.contains(line)) << line;
    EXPECT_FALSE(file.contains("H\xc3\xb6he"));
    build();  // the file read anew
    EXPECT_EQ(window->geometry(), QRect(61, 52, 703, 404));
}

TEST_F(TFormHilfeTest, WithoutSettingsTheWindowTakesItsDefaultBounds)
{
    QFile::remove(world.folder.iniPath());
    build();
    // The default 850 pixels are wider than the 800 of the test screen: cut to it, moved to its
    // left edge, top and height kept.
    ASSERT_EQ(WindowGeometry::availableArea(), QRect(0, 0, 800, 800));
    EXPECT_EQ(window->geometry(), QRect(0, 75, 800, 600));
}

} // namespace
