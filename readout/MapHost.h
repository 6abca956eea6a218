// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QString>

class CursorPanel;
class QAction;
class QWidget;

// What a map window needs from the window that shows its image: the client area the image lies
// in, the cursor panel over it, and the Mercator map's menu. The main window is one; a map can
// be built over any other, so that it runs without the rest of the program.
class MapHost {
public:
    // The area below the menu bar where the map images lie.
    virtual QWidget* clientArea() const = 0;
    // Resizes the window so that its client area takes this size, pixels.
    virtual void setClientSize(int width, int height) = 0;
    virtual CursorPanel& cursorPanel() = 0;
    // An item of the Mercator map menu, after the fixed ones.
    virtual QAction* addMapMenuItem(const QString& caption) = 0;
    virtual void showMercatorZoomOut(bool shown) = 0;
    // Shows or hides the Mercator map's image; the beam map, which takes the client area in turn,
    // tells the Mercator map through here.
    virtual void showMercatorImage(bool shown) = 0;

protected:
    ~MapHost() = default;
};
