// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "help/TFormHelpAbout.h"
#include "help/VersionInfo.h"
#include "support/Controls.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Takes the addresses the card hands to the system instead of the default programs.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

// The about card alone, centred over a main window's client area the test chooses.
class TFormHelpAboutTest : public testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        card = std::make_unique<TFormHelpAbout>([this] { return mainClientArea; });
    }

    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    // As the menu item "About" shows the card.
    void showCard()
    {
        card->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(card.get()));
    }

    QLabel* label(const char* name) const { return control<QLabel>(card.get(), name); }
    QPushButton* button(const char* name) const { return control<QPushButton>(card.get(), name); }

    QRect mainClientArea{101, 57, 700, 501};  // screen pixels
    std::unique_ptr<TFormHelpAbout> card;
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
    EXPECT_TRUE(card->isHidden());
    EXPECT_EQ(card->windowTitle(), QStringLiteral("Über diese Version / About this Version"));
    const QDate executableDate = QFileInfo(QCoreApplication::applicationFilePath()).lastModified().date();
    EXPECT_EQ(label("LabelVer")->text(),
              QStringLiteral("Version: " PROJECT_VERSION " vom / dated ") +
                  executableDate.toString(QStringLiteral("dd.MM.yy")));
}

TEST_F(TFormHelpAboutTest, LabelsAreCentredOnTheCard)
{
    EXPECT_EQ(card->size(), QSize(449, 297));
    const struct {
        QLabel* label;
        int top, pixelSize;  // pixels
    } labels[] = {
        {label("LabelVer"), 16, 16}, {label("Label1"), 64, 13}, {label("Label2"), 80, 13},
        {label("Label3"), 96, 13},   {label("Label4"), 112, 13}, {label("Label5"), 128, 13},
    };
    for (const auto& c : labels) {
        SCOPED_TRACE(c.label->objectName().toStdString());
        EXPECT_FALSE(c.label->text().isEmpty());
        EXPECT_EQ(c.label->y(), c.top);
        EXPECT_EQ(c.label->font().pixelSize(), c.pixelSize);
        EXPECT_TRUE(c.label->font().bold());
        // As wide as its text, by the label's own measure (which adds a pixel), with as much room
        // left as right (one pixel of rounding).
        EXPECT_NEAR(c.label->width(), c.label->minimumSizeHint().width(), 1);
        EXPECT_NEAR(c.label->x(), 449 - (c.label->x() + c.label->width()), 1);
        EXPECT_GE(c.label->x(), 5) << "text runs into the bevel";
    }
}

TEST_F(TFormHelpAboutTest, CardComesUpCentredOverTheMainWindow)
{
    // A client area wider and one narrower than the card (449 x 297 pixels); odd differences
    // show the truncation toward zero.
    const struct {
        QRect area;
        QPoint shown;
    } cases[] = {{{101, 57, 700, 501}, {226, 159}}, {{101, 57, 300, 200}, {27, 9}}, {{0, 0, 300, 200}, {-74, -48}}};
    for (const auto& c : cases) {
        mainClientArea = c.area;
        showCard();
        EXPECT_EQ(card->pos(), c.shown) << c.area.width();
        card->hide();
    }
}

TEST_F(TFormHelpAboutTest, CardHidesWhenItLosesTheFocus)
{
    QWidget mainWindow;
    mainWindow.show();
    showCard();
    mainWindow.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([this] { return card->isHidden(); }));
    showCard();
    QTest::mouseClick(button("B_Close"), Qt::LeftButton);
    EXPECT_TRUE(card->isHidden());
}

TEST_F(TFormHelpAboutTest, ButtonsHandTheWebPageAndAMailToTheSystem)
{
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &recorder, "open");
    showCard();
    QTest::mouseClick(button("Button3"), Qt::LeftButton);
    QTest::mouseClick(button("Button2"), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    ASSERT_EQ(recorder.urls.size(), 2);
    EXPECT_EQ(recorder.urls[0], QUrl(QStringLiteral("https://corvane.example.org")));
    EXPECT_TRUE(button("Button3")->text().endsWith(QStringLiteral("corvane.example.org")));
    EXPECT_EQ(recorder.urls[1].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(recorder.urls[1].path(), QStringLiteral("corvane@example.org"));
    EXPECT_EQ(QUrlQuery(recorder.urls[1]).queryItemValue(QStringLiteral("subject")), QStringLiteral("Corvane"));
}

} // namespace

#include "TFormHelpAboutTest.moc"
