// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/RotorSetup.h"
#include "rotor/RotorSetupWindow.h"
#include "support/Controls.h"
#include "support/Mnemonics.h"
#include "support/RotorProgramRun.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(RotorSetup, OptionsForTheRotorProgramOnlyWhereAValueIsGiven)
{
    RotorSetup setup;
    EXPECT_EQ(setup.arguments(), QStringList({"--model", "1"}));
    setup.model = QStringLiteral("601");
    setup.device = QStringLiteral(" /dev/ttyUSB0 ");
    setup.serialSpeed = QStringLiteral("9600");
    setup.otherConf = QStringList {QStringLiteral("timeout=500")};
    setup.minAzimuth = QStringLiteral("-180");
    setup.rotctld = QStringLiteral("4533");
    setup.web = QStringLiteral("0.0.0.0:8765");
    setup.webCertificate = QStringLiteral("/etc/station/web.crt");
    setup.webKey = QStringLiteral("/etc/station/web.key");
    setup.pst = QStringLiteral("aus");
    setup.deadBand = QStringLiteral("3");
    EXPECT_EQ(setup.arguments(),
              QStringList({"--model", "601", "--device", "/dev/ttyUSB0", "--min-az", "-180", "--serve-rotctld", "4533",
                           "--serve-web", "0.0.0.0:8765", "--web-cert", "/etc/station/web.crt", "--web-key",
                           "/etc/station/web.key", "--pst", "aus", "--dead-band", "3", "--set-conf",
                           "serial_speed=9600", "--set-conf", "timeout=500"}));
}

TEST(RotorSetup, ModelsAsTheRotorProgramListsThemAndTheSearch)
{
    const auto models = RotorSetup::parseModels(
        QStringLiteral("1;Hamlib;Dummy\n2;Hamlib;NET "
                       "rotctl\nkaputt\n601;Yaesu;GS-232A\n602;Yaesu;GS-232B\n;x;y\n901;SPID;Rot2Prog\n"));
    ASSERT_EQ(models.size(), 5u);
    EXPECT_EQ(models[2].text(), QStringLiteral("601 – Yaesu GS-232A"));
    // A search and the model numbers it finds.
    const std::pair<const char*, std::vector<int>> cases[] = {{"", {1, 2, 601, 602, 901}}, {"yaesu", {601, 602}},
                                                              {"YAESU 232b", {602}},       {"spid", {901}},
                                                              {"60", {601, 602}},          {"Kenwood", {}}};
    for (const auto& [search, numbers] : cases) {
        std::vector<int> found;
        for (const auto& model : RotorSetup::matching(models, QString::fromLatin1(search)))
            found.push_back(model.number);
        EXPECT_EQ(found, numbers) << search;
    }
}

// The window with the real rotor program and Hamlib's dummy rotator and network model, in a
// registry of its own.
TEST(RotorSetupWindow, ChecksWithoutStoringAndRegistersWhatItShows)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    RotorSetupWindow window(rotorProgramPath());
    window.open();
    QSignalSpy finished(&window, &RotorSetupWindow::finished);
    auto* search = control<QLineEdit>(&window, "Suche");
    auto* device = control<QLineEdit>(&window, "Geraet");
    // Each underlined letter reaches one field or button.
    const QString letters = mnemonicsOf(window);
    for (const QChar letter : letters)
        EXPECT_EQ(letters.count(letter), 1) << letters.toStdString();
    // Runs a check or the registration to its end: whether it succeeded, none when it never ended.
    const auto outcome = [&](void (RotorSetupWindow::*step)()) -> std::optional<bool> {
        (window.*step)();
        // A step that cannot start ends at once; otherwise its end is waited for.
        if (finished.isEmpty() && !finished.wait(25000))
            return std::nullopt;
        return finished.takeFirst().first().toBool();
    };
    const auto nothingRegistered = [] {
        return RotorProgramRun::of({"--show"}).output.contains(QStringLiteral("kein Rotorprogramm eingetragen"));
    };
    search->setText(QStringLiteral("net rotctl"));
    ASSERT_EQ(control<QListWidget>(&window, "Modelle")->count(), 1);
    device->setText(QStringLiteral("unbekannt.invalid:4533"));
    EXPECT_EQ(outcome(&RotorSetupWindow::check), false);
    EXPECT_TRUE(window.answer().contains(QStringLiteral("lässt sich nicht öffnen"))) << window.answer().toStdString();
    EXPECT_TRUE(window.answer().contains(QStringLiteral("Nichts eingetragen.")));
    EXPECT_TRUE(nothingRegistered());
    search->setText(QStringLiteral("hamlib dummy"));
    device->clear();
    EXPECT_EQ(outcome(&RotorSetupWindow::check), true) << window.answer().toStdString();
    EXPECT_TRUE(window.answer().contains(QStringLiteral("Prüfung gelungen")));
    EXPECT_TRUE(nothingRegistered());
    control<QLineEdit>(&window, "Totzone")->setText(QStringLiteral("4"));
    EXPECT_EQ(outcome(&RotorSetupWindow::apply), true) << window.answer().toStdString();
    const RotorSetup stored = RotorSetup::registered();
    EXPECT_EQ(stored.model, QStringLiteral("1"));
    EXPECT_EQ(stored.deadBand, QStringLiteral("4"));
}

}  // namespace
