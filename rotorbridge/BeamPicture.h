// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "rotor/FileStamp.h"

#include <QByteArray>
#include <QString>

// The beam map Corvane keeps (Karten/BeamKarte.bmp, centred on the own station) as a PNG small
// enough for a phone, for the web page. Read a row at a time, so the program never holds the
// whole bitmap; made again only when the file has changed.
class BeamPicture {
public:
    static constexpr int side = 600;  // pixels of the picture's width and height, at most

    explicit BeamPicture(QString bitmapPath);

    // The PNG; empty when there is no readable beam map.
    QByteArray png();

private:
    QString path_;
    FileStamp made_;
    QByteArray png_;
};
