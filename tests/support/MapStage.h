// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "readout/MapHost.h"
#include "mapfiles/DecodedBitmaps.h"
#include "settings/ParameterSettings.h"
#include "support/WindowSession.h"

#include <QMenu>

#include <functional>
#include <memory>
#include <optional>

// What a map window works with, without the rest of the program: a window session over a
// throw-away folder with small reference data, the parameters read from its settings, and a host
// of plain widgets in the main window's place: a client area with a cursor panel, and a menu.
class MapStage final : public WindowSession, public MapHost {
public:
    static constexpr int cursorPanelMs = 40;  // the cursor panel's time after the last mouse move, ms

    MapStage();
    ~MapStage();

    // Writes the settings file, then opens it and reads the parameters and the reference data.
    void open(const QByteArray& ini);
    // Ends the run as the program does: save writes the window's settings, which collect in memory
    // until the settings file is written once and let go.
    void close(const std::function<void()>& save = {});

    QWidget* clientArea() const override { return client_.get(); }
    void setClientSize(int width, int height) override;
    CursorPanel& cursorPanel() override { return *panel_; }
    QAction* addMapMenuItem(const QString& caption) override { return menu.addAction(caption); }
    void showMercatorZoomOut(bool shown) override { zoomOutShown = shown; }
    void showMercatorImage(bool shown) override { mercatorImageShown = shown; }

    ParameterSettings& parameters = store.parameters;
    DecodedBitmaps bitmaps;
    QMenu menu;                              // the maps' items of the Mercator map menu
    bool zoomOutShown = true;                // the Mercator menu's "Zoom -", shown until a map is loaded
    std::optional<bool> mercatorImageShown;  // as the beam map last told

private:
    std::unique_ptr<QWidget> client_;
    bool closed_ = false;
    CursorPanel* panel_ = nullptr;
};
