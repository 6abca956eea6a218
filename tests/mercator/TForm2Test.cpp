// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mercator/TForm2.h"
#include "support/Controls.h"
#include "support/ScriptedDialogs.h"
#include "support/WindowSession.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// The crosshair data window alone. The own station at 90 degrees east on the equator; the
// reference data hold country 1 "Nullinsel" with prefix "N0" at 0, 0 and the cities Berlin,
// Dortmund and Sydney.
class TForm2Test : public testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        world.folder.writeReferenceData();
    }
    void build()
    {
        world.open();
        world.session.setOwnPosition({90, 0});
        window = std::make_unique<TForm2>(world.session, ShownMap(nullptr, nullptr), world.places, world.store.mainWindow);
    }
    // The partner's locator JJ00AA, as the entry window sets it: its centre, 1/24 degree east
    // and 1/48 degree north.
    void targetJJ00AA() { world.session.setTarget(1.0 / 24, 1.0 / 48); }
    QString text(const char* label) const { return control<QLabel>(window.get(), label)->text(); }
    using Texts = std::initializer_list<std::pair<const char*, const char*>>;  // label, text
    void expectTexts(Texts labels) const
    {
        for (const auto& [label, expected] : labels)
            EXPECT_EQ(text(label), QString::fromUtf8(expected)) << label;
    }
    void click(const char* name) const { QTest::mouseClick(control<QWidget>(window.get(), name), Qt::LeftButton); }
    QByteArray iniText() const { return world.folder.readFile(QStringLiteral("Corvane.ini")); }

    ScriptedDialogs dialogs;
    WindowSession world;
    std::unique_ptr<TForm2> window;
};

TEST_F(TForm2Test, LabelsDescribeAKnownTarget)
{
    build();
    ASSERT_TRUE(window->isHidden());
    targetJJ00AA();
    ASSERT_TRUE(window->isVisible());
    // Expected distances and bearing from an independent haversine / atan2 computation.
    const Texts shown = {
        {"Label1", "0,04167"}, {"Label2", "0,02083"},   {"Label3", "JJ00AA"},
        {"Label4", "10014"},   {"Label5", "270"},       {"Label11", "Nullinsel"},
        {"Label14", "N0"},     {"Label12", "Dortmund"}, {"Label13", "5774"},
    };
    expectTexts(shown);
}

TEST_F(TForm2Test, ClickOnTheCityMakesItTheTarget)
{
    build();
    targetJJ00AA();
    click("Label12");
    EXPECT_DOUBLE_EQ(world.session.target().latitude, 51.51);
    EXPECT_DOUBLE_EQ(world.session.target().longitude, 7.47);
    // No country in the tiny raster there.
    expectTexts({{"Label4", "9502"}, {"Label5", "322"}, {"Label12", "Dortmund"}, {"Label13", "0"}, {"Label11", ""}});
    // The caption "Stadt:" reacts the same way.
    world.session.clearTarget();
    click("Label32");
    EXPECT_DOUBLE_EQ(world.session.target().longitude, 7.47);
}

TEST_F(TForm2Test, WithoutCitiesNoCityIsShownAndTheClickDoesNothing)
{
    world.folder.writeFile(QStringLiteral("Karten/Citys.txt"), "");
    build();
    ASSERT_TRUE(world.session.referenceData().cityTable.get().empty());
    targetJJ00AA();
    expectTexts({{"Label4", "10014"}, {"Label12", ""}, {"Label13", ""}});
    const TargetInfo before = world.session.target();
    click("Label12");
    EXPECT_EQ(world.session.target().longitude, before.longitude);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

// A cancelled colour dialog changes nothing; a chosen colour is written at once and read at the
// next start.
TEST_F(TForm2Test, ChosenColourIsWrittenAtOnceAndReadAtTheNextStart)
{
    build();
    const QByteArray before = iniText();
    click("Button1");
    EXPECT_EQ(dialogs.shown, QStringList {QStringLiteral("color||")});
    EXPECT_EQ(world.session.crosshairColor(), 0xFFFFFFu);
    EXPECT_EQ(iniText(), before);
    dialogs.colorAnswers.push_back(0x0000FFu);  // red
    click("Button1");
    EXPECT_EQ(world.session.crosshairColor(), 0x0000FFu);
    EXPECT_TRUE(iniText().contains("Fadenkreuzfarbe=255\r\n"));
    world.session.setCrosshairColor(0xFFFFFFu);
    build();  // the file read anew
    EXPECT_EQ(world.session.crosshairColor(), 0x0000FFu);
}

TEST_F(TForm2Test, ClosingClearsTheTarget)
{
    build();
    world.session.setTarget(7.0417, 51.5208);
    ASSERT_TRUE(window->isVisible());
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(world.session.target().isSet());
}

}  // namespace
