// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

class TForm1;
class TForm10;
class TForm4;
class TForm6;
class TFormA;

// The main window's commands to the windows in its client area, and theirs to it. Each is
// subscribed as soon as its window exists, so that the windows take their parts of a command in
// the order they were made; each part runs on its own, so that a failure in one leaves the others'
// parts done.
namespace MainWindowWiring {

void subscribeMercatorMap(TFormA& main, TForm1& map);
void subscribeBeamMap(TFormA& main, TForm10& map);
// The panel keeps its place in the client area, taken at once when it comes after the client
// area's first sizes, and shows whole however small the window is made; the directions list's
// menu item shows while the panel does.
void subscribeRotorPanel(TFormA& main, TForm6& panel);
// The entry window's first-run prompt over the main window, which stays while the entry window is
// open; a click on the Mercator map (when there is one) hides the entry window.
void subscribeEntryWindow(TFormA& main, TForm4& entry, TForm1* mercatorMap);

}
