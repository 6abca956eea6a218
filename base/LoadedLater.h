// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <functional>
#include <future>
#include <utility>

// A value read on a thread of its own once the program has time for it (a table the first paint
// does not need); its first use waits for the reading to end, or reads it there and then when the
// reading has not started yet. Used from one thread only.
template <typename T> class LoadedLater {
public:
    // The reading, read(), is kept until startReading or the first use; its result becomes the value.
    template <typename Read> void readWith(Read&& read)
    {
        loading_ = {};
        read_ = std::forward<Read>(read);
    }

    // Starts the kept reading on a thread of its own; nothing when there is none. Starting the
    // reading is not a change of the value, so the holder's readers, which see it as const, may
    // start it.
    void startReading() const
    {
        if (read_)
            loading_ = std::async(std::launch::async, std::exchange(read_, nullptr));
    }

    LoadedLater& operator=(T value)
    {
        loading_ = {};
        read_ = nullptr;
        value_ = std::move(value);
        return *this;
    }

    // The value, once its reading has ended. Reading on is not a change of the value either.
    const T& get() const
    {
        if (read_)
            value_ = std::exchange(read_, nullptr)();
        else if (loading_.valid())
            value_ = loading_.get();
        return value_;
    }
    operator const T&() const { return get(); }

private:
    mutable T value_ {};
    mutable std::function<T()> read_;  // the reading not started yet
    mutable std::future<T> loading_;
};
