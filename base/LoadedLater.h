// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <future>
#include <utility>

// A value read on a thread of its own while the program goes on (a table the first paint does
// not need); its first use waits for the reading to end. Used from one thread only.
template <typename T>
class LoadedLater {
public:
    // Starts read() on a thread of its own; its result becomes the value.
    template <typename Read>
    void loadWith(Read&& read)
    {
        loading_ = std::async(std::launch::async, std::forward<Read>(read));
    }

    LoadedLater& operator=(T value)
    {
        loading_ = {};
        value_ = std::move(value);
        return *this;
    }

    // The value, once its reading has ended. Reading on is not a change of the value, so the
    // holder's readers, which see it as const, may wait for it too.
    const T& get() const
    {
        if (loading_.valid())
            value_ = loading_.get();
        return value_;
    }
    operator const T&() const { return get(); }

private:
    mutable T value_{};
    mutable std::future<T> loading_;
};
