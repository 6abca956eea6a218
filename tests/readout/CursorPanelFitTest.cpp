// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "readout/CursorPanelFit.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(CursorPanelFitTest, MeasuresOnlyNewShapesOfANewLengthOrAllInANewFont)
{
    QFont normal(QStringLiteral("DejaVu Sans"), 8);
    QFont large = normal;
    large.setPointSize(14);
    struct Step {
        const char* what;
        CursorPanelFit::Lines lines;
        const QFont* font;
        std::vector<int> measured;  // line numbers
    };
    const Step steps[] = {
        {"first read-out", {"7,04°O 51,52°N JO31MM", "Entfernung: 0,0Km", "Antennenwinkel: 90°", "Deutschland"}, &normal, {0, 1, 2, 3}},
        {"same lengths, other digits", {"7,05°O 51,53°N JO31MN", "Entfernung: 1,2Km", "Antennenwinkel: 91°", "Deutschland"}, &normal, {}},
        {"a longer distance", {"7,05°O 51,53°N JO31MN", "Entfernung: 12,2Km", "Antennenwinkel: 91°", "Deutschland"}, &normal, {1}},
        {"a shorter country", {"7,05°O 51,53°N JO31MN", "Entfernung: 12,2Km", "Antennenwinkel: 91°", "Polen"}, &normal, {3}},
        {"no country", {"7,05°O 51,53°N JO31MN", "Entfernung: 12,2Km", "Antennenwinkel: 91°", ""}, &normal, {3}},
        {"unchanged", {"7,05°O 51,53°N JO31MN", "Entfernung: 12,2Km", "Antennenwinkel: 91°", ""}, &normal, {}},
        {"a country measured before", {"7,05°O 51,53°N JO31MN", "Entfernung: 12,2Km", "Antennenwinkel: 91°", "Polen"}, &normal, {}},
        {"a distance of a shape measured before", {"7,05°O 51,53°N JO31MN", "Entfernung: 3,7Km", "Antennenwinkel: 91°", "Polen"}, &normal, {}},
        {"another font", {"7,05°O 51,53°N JO31MN", "Entfernung: 12,2Km", "Antennenwinkel: 91°", ""}, &large, {0, 1, 2, 3}},
        {"the same font again", {"7,05°O 51,53°N JO31MN", "Entfernung: 12,2Km", "Antennenwinkel: 91°", ""}, &large, {}},
        {"a country known only in the old font", {"7,05°O 51,53°N JO31MN", "Entfernung: 12,2Km", "Antennenwinkel: 91°", "Polen"}, &large, {3}},
    };
    CursorPanelFit fit;
    for (const Step& step : steps) {
        std::vector<int> measured;
        // Width: ten pixels a character, so that the widest line is known.
        const int widest = fit.widest(step.lines, *step.font, [&](int line) {
            measured.push_back(line);
            return int(step.lines[std::size_t(line)].size()) * 10;
        });
        EXPECT_EQ(measured, step.measured) << step.what;
        int expected = 0;
        for (const QString& line : step.lines)
            expected = std::max(expected, int(line.size()) * 10);
        EXPECT_EQ(widest, expected) << step.what;
    }
}

} // namespace
