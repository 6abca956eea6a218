// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "text/TextLines.h"
#include "text/Windows1252.h"

#include <gtest/gtest.h>

TEST(Windows1252Test, EveryByteRoundTripsAndTheHighControlsAreTheirLetters)
{
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    EXPECT_EQ(Windows1252::encode(Windows1252::decode(all)), all);
    EXPECT_EQ(Windows1252::decode("\x80\x8A\x9F\xE4\xDF"), QStringLiteral("€ŠŸäß"));
    EXPECT_EQ(Windows1252::encode(QStringLiteral("Łódź")), QByteArray("?\xF3" "d?"));
}

TEST(TextLinesTest, AllLineEndsAndTheLastLine)
{
    const struct { QString text; QStringList lines; } cases[] = {
        {QString(), {}},
        {QStringLiteral("a"), {QStringLiteral("a")}},
        {QStringLiteral("a\r\n"), {QStringLiteral("a")}},
        {QStringLiteral("a\r\nb"), {QStringLiteral("a"), QStringLiteral("b")}},
        {QStringLiteral("a\rb\nc\r\n\r\nd"), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QString(), QStringLiteral("d")}},
        {QStringLiteral("\n\n"), {QString(), QString()}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextLines::split(c.text), c.lines) << c.text.toStdString();
}
