// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "settings/ParameterRules.h"

#include <gtest/gtest.h>

namespace {

TEST(ParameterRulesTest, KeyFilterKeepsDigitsBackspaceEnterAndKeysThatTypeNothing)
{
    struct Case {
        int key;
        const char* text;
        bool control, kept;
    } const cases[] = {
        {Qt::Key_0, "0", false, true},         {Qt::Key_9, "9", false, true},
        {Qt::Key_Backspace, "\b", false, true}, {Qt::Key_Return, "\r", false, true},
        {Qt::Key_Enter, "\r", false, true},     {Qt::Key_Tab, "\t", false, true},
        {Qt::Key_Left, "", false, true},        {Qt::Key_Delete, "", false, true},
        {Qt::Key_A, "a", false, false},         {Qt::Key_Minus, "-", false, false},
        {Qt::Key_Comma, ",", false, false},     {Qt::Key_Period, ".", false, false},
        {Qt::Key_Space, " ", false, false},     {Qt::Key_Escape, "\x1b", false, false},
        {Qt::Key_V, "\x16", true, false},       {Qt::Key_V, "", true, false},
        {Qt::Key_X, "", true, false},           {Qt::Key_twosuperior, "\u00b2", false, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParameterRules::keepsKey(c.key, QString::fromUtf8(c.text), c.control), c.kept) << std::hex << c.key;
}

} // namespace
