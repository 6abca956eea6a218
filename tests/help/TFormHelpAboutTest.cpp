// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "app/TFormA.h"
#include "help/TFormHelpAbout.h"
#include "help/VersionInfo.h"
#include "support/ProgramFolder.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace {

// Takes the addresses the card hands to the system instead of the default programs.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class TFormHelpAboutTest : public testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        folder.writeReferenceData();
        folder.start();
    }

    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    // As the menu item "About" shows the card.
    static void showCard()
    {
        formHelpAbout()->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(formHelpAbout()));
    }

    ProgramFolder folder;
};

TEST(VersionInfoTest, VersionLineNamesVersionAndDateInTheShortFormat)
{
    const QDate date(2024, 3, 5);
    EXPECT_EQ(VersionInfo::versionLine(QStringLiteral("0.1.0"), date, QLocale(QLocale::German, QLocale::Germany)),
              QStringLiteral("Version: 0.1.0 vom / dated 05.03.24"));
    EXPECT_EQ(VersionInfo::versionLine(QString(), date, QLocale(QLocale::English, QLocale::UnitedStates)),
              QStringLiteral("Version:  vom / dated 3/5/24"));
}

TEST(VersionInfoTest, FileDateOfAMissingFileIsInvalid)
{
    EXPECT_FALSE(VersionInfo::fileDate(QStringLiteral("/nonexistent/Corvane")).isValid());
}

TEST_F(TFormHelpAboutTest, CardShowsTheBuildVersionAndTheExecutableDate)
{
    EXPECT_TRUE(formHelpAbout()->isHidden());
    EXPECT_EQ(formHelpAbout()->windowTitle(), QStringLiteral("Über diese Version / About this Version"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$")).match(VersionInfo::ReadFileVersion()).hasMatch());

    const QDate executableDate = VersionInfo::fileDate(QCoreApplication::applicationFilePath());
    ASSERT_TRUE(executableDate.isValid());
    EXPECT_EQ(formHelpAbout()->LabelVer->text(), QStringLiteral("Version: ") + VersionInfo::ReadFileVersion()
                                                   + QStringLiteral(" vom / dated ") + executableDate.toString(QStringLiteral("dd.MM.yy")));
}

TEST_F(TFormHelpAboutTest, LabelsAreCentredOnTheCard)
{
    EXPECT_EQ(formHelpAbout()->size(), QSize(449, 297));
    const struct {
        QLabel* label;
        int top;  // pixels
        int pixelSize;
    } labels[] = {
        {formHelpAbout()->LabelVer, 16, 16}, {formHelpAbout()->Label1, 64, 13}, {formHelpAbout()->Label2, 80, 13},
        {formHelpAbout()->Label3, 96, 13},   {formHelpAbout()->Label4, 112, 13}, {formHelpAbout()->Label5, 128, 13},
    };
    for (const auto& c : labels) {
        SCOPED_TRACE(c.label->objectName().toStdString());
        EXPECT_FALSE(c.label->text().isEmpty());
        EXPECT_EQ(c.label->y(), c.top);
        EXPECT_EQ(c.label->font().pixelSize(), c.pixelSize);
        EXPECT_TRUE(c.label->font().bold());
        const int textWidth = QFontMetrics(c.label->font()).horizontalAdvance(c.label->text());
        EXPECT_EQ(c.label->x(), (449 - textWidth) / 2);
        EXPECT_GE(c.label->x(), 5) << "text runs into the bevel";
    }
}


TEST_F(TFormHelpAboutTest, CardComesUpCentredOverTheMainWindow)
{
    formA()->show();
    // A client area wider and one narrower than the card; odd differences show the truncation.
    for (const QSize client : {QSize(700, 501), QSize(300, 200)}) {
        formA()->move(101, 57);
        formA()->setClientSize(client.width(), client.height());
        const int expectedLeft = (formA()->clientWidth() - 449) / 2 + 101;
        const int expectedTop = (formA()->clientHeight() - 297) / 2 + 57;
        showCard();
        EXPECT_EQ(formHelpAbout()->pos(), QPoint(expectedLeft, expectedTop)) << client.width();
        formHelpAbout()->hide();
    }
    EXPECT_EQ((300 - 449) / 2, -74);  // toward zero, not down
}

TEST_F(TFormHelpAboutTest, CardHidesWhenItLosesTheFocus)
{
    formA()->show();
    showCard();
    formA()->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([] { return formHelpAbout()->isHidden(); }));

    showCard();
    QTest::mouseClick(formHelpAbout()->B_Close, Qt::LeftButton);
    EXPECT_TRUE(formHelpAbout()->isHidden());
}

TEST_F(TFormHelpAboutTest, ButtonsHandTheWebPageAndAMailToTheSystem)
{
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &recorder, "open");
    showCard();
    QTest::mouseClick(formHelpAbout()->Button3, Qt::LeftButton);
    QTest::mouseClick(formHelpAbout()->Button2, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));

    ASSERT_EQ(recorder.urls.size(), 2);
    EXPECT_EQ(recorder.urls[0], QUrl(QStringLiteral("https://corvane.example.org")));
    EXPECT_TRUE(formHelpAbout()->Button3->text().endsWith(QStringLiteral("corvane.example.org")));
    EXPECT_EQ(recorder.urls[1].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(recorder.urls[1].path(), QStringLiteral("corvane@example.org"));
    EXPECT_EQ(QUrlQuery(recorder.urls[1]).queryItemValue(QStringLiteral("subject")), QStringLiteral("Corvane"));
}

} // namespace

#include "TFormHelpAboutTest.moc"
