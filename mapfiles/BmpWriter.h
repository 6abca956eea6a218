// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QImage>

#include <atomic>

class QIODevice;

// Writes an RGB32 picture as an uncompressed 24-bit BMP file, byte for byte as Qt's own BMP
// writer does, but straight into the device: the rows are encoded a batch at a time into a small
// buffer, so no copy of the whole file is ever made.
class BmpWriter {
public:
    enum class Outcome { written, abandoned, failed };

    // Every write's count is checked: a short one (full disk) ends the file as failed. Between
    // batches of rows `abandon` is looked at; once it is set the rest is left unwritten.
    static Outcome write(const QImage& picture, QIODevice& device, const std::atomic<bool>* abandon = nullptr);

    // Bytes of the whole file for a picture of this size.
    static qint64 fileSize(int width, int height);
};
