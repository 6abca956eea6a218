// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "app/FontWarmUp.h"

#include <fontconfig/fontconfig.h>

// The configuration loaded here becomes the process's current one, which Qt's font database
// takes up when it needs fonts; should Qt ask before it is ready, it loads one itself and one of
// the two is dropped.
FontWarmUp::FontWarmUp() : thread_([] { FcInit(); })
{
}

FontWarmUp::~FontWarmUp()
{
    thread_.join();
}
