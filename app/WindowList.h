// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "app/LaterWindows.h"
#include "widgets/ErrorBox.h"

#include <QObject>

#include <functional>
#include <type_traits>
#include <utility>
#include <vector>

// The windows of one run in their fixed order: each made from its collaborators, at once or after
// the main window's first paint (in its place in the order all the same), and at shut-down
// destroyed in the reverse order, each writing its settings (FormDestroy) before it goes.
// A window's constructor runs its creation handler; a failure there skips the rest of that
// handler only, so the window still exists. A window whose constructor fails stays null.
class WindowList {
public:
    // Makes the window now.
    template <typename Window, typename... Collaborators>
    void create(Window*& instance, Collaborators&&... collaborators)
    {
        slots_.emplace_back();
        createInSlot(slots_.size() - 1, instance, std::forward<Collaborators>(collaborators)...);
    }

    // Keeps the window's place in the order and makes it after the first paint; the collaborators
    // are kept as copies until then (a shared part goes in as std::ref).
    template <typename Window, typename... Collaborators>
    void createLater(Window*& instance, Collaborators... collaborators)
    {
        const std::size_t slot = slots_.size();
        slots_.emplace_back();
        later_.add([this, slot, &instance, collaborators...] { createInSlot(slot, instance, collaborators...); });
    }

    // A step that must wait for the windows put off before it.
    void addLater(std::function<void()> step) { later_.add(std::move(step)); }
    void createAfterFirstPaint(QWidget* window) { later_.createAfterFirstPaint(window); }
    // Makes every window put off, at once.
    void createAll() { later_.createAll(); }

    // Stops every window's timers (an error box shown by a FormDestroy runs an event loop, and
    // nothing may then work on windows that are half gone), then destroys the windows, the last
    // made first.
    void destroyAll();

private:
    template <typename T, typename = void> struct HasFormDestroy : std::false_type {
    };
    template <typename T>
    struct HasFormDestroy<T, std::void_t<decltype(std::declval<T&>().FormDestroy())>> : std::true_type {
    };

    struct Slot {
        QObject* window = nullptr;          // none for a window not made (yet)
        std::function<void()> formDestroy;  // empty for windows that keep no settings
        std::function<void()> forget;       // clears the program's pointer to it
    };

    template <typename Window, typename... Collaborators>
    void createInSlot(std::size_t slot, Window*& instance, Collaborators&&... collaborators)
    {
        instance = nullptr;
        Window* window = nullptr;
        ErrorBox::guard([&] { window = new Window(std::forward<Collaborators>(collaborators)...); });
        if (!window)
            return;
        instance = window;
        Slot made {window, {}, [&instance] { instance = nullptr; }};
        if constexpr (HasFormDestroy<Window>::value)
            made.formDestroy = [window] { window->FormDestroy(); };
        slots_[slot] = std::move(made);
    }

    std::vector<Slot> slots_;  // in the order of creation at start, which shut-down reverses
    LaterWindows later_;
};
