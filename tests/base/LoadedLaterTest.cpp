// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "base/LoadedLater.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>

namespace {

// The reading runs exactly once, whether it was started early, twice, or not at all before the
// first use; a value set in its place wins and the reading never runs.
TEST(LoadedLaterTest, ReadsOnceWhenFirstNeeded)
{
    const struct {
        const char* name;
        std::function<void(LoadedLater<int>&)> before;  // between readWith and the first use
        int value, reads;
    } cases[] = {
        {"used without a start", [](LoadedLater<int>&) {}, 42, 1},
        {"started, then used", [](LoadedLater<int>& v) { v.startReading(); }, 42, 1},
        {"started twice",
         [](LoadedLater<int>& v) {
             v.startReading();
             v.startReading();
         },
         42, 1},
        {"set in its place", [](LoadedLater<int>& v) { v = 7; }, 7, 0},
    };
    for (const auto& c : cases) {
        std::atomic<int> reads {0};
        LoadedLater<int> value;
        value.readWith([&reads] {
            ++reads;
            return 42;
        });
        c.before(value);
        EXPECT_EQ(value.get(), c.value) << c.name;
        EXPECT_EQ(int(value), c.value) << c.name;
        value.startReading();  // after the first use: nothing left to read
        EXPECT_EQ(value.get(), c.value) << c.name;
        EXPECT_EQ(reads, c.reads) << c.name;
    }
}

}  // namespace
