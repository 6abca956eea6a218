// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QObject>

class SettingsFile;

// One section of the settings file as typed values with a change signal each, signalled only on a
// real change. load() reads the section and keeps the file; save() writes every key of it. The
// window sections' setters also write their keys at once (the file leaves unchanged bytes alone and
// holds its writes at shut-down); the parameters are written by save() when their window goes.
// Before load() the values are the defaults and nothing is written.
class SettingsSection : public QObject {
    Q_OBJECT
public:
    void load(SettingsFile& file);
    void save();

protected:
    virtual void read(const SettingsFile& file) = 0;
    virtual void write(SettingsFile& file) const = 0;
    // The file to write to; none before load().
    SettingsFile* file() const { return file_; }

    // Takes the value; true when it differs from the one before.
    template <typename T> static bool change(T& stored, const T& value)
    {
        if (stored == value)
            return false;
        stored = value;
        return true;
    }

private:
    SettingsFile* file_ = nullptr;
};
