// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// The settings file: an INI text in Windows-1252 with CR LF line ends. Section and key names
// match without regard to case. The file is read once, at the first access, and kept in memory;
// every write that changes a value replaces the file at once, atomically (temporary file +
// rename), so a crash or a full disk leaves either the old or the new file, never a torn one.
// A write that changes nothing leaves the file alone. While writes are held (at shut-down, when
// every window saves its place), they collect in memory and flush() writes the file once.
class SettingsFile {
public:
    static constexpr int maxStringLength = 2047;  // characters returned by readString

    explicit SettingsFile(QString path);

    const QString& path() const { return path_; }

    // False when the file exists but could not be read (no read permission, an I/O error): the
    // reads then give their defaults and nothing is ever written to it, so that it is not
    // rebuilt from nothing.
    bool isReadable() const;
    // What to tell the user about a file that could not be read; empty while it is readable.
    QString unreadableMessage() const;

    // Decimal, or hexadecimal with "0x" or "$"; anything else yields the default.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;
    // The same without a default: nothing for a missing key or one that holds no integer.
    std::optional<int> readOptionalInteger(const QString& section, const QString& key) const;
    // Any integer other than 0 is true; a value that is not an integer yields the default.
    bool readBool(const QString& section, const QString& key, bool defaultValue) const;
    // A missing key yields the default, a present but empty one an empty text.
    QString readString(const QString& section, const QString& key, const QString& defaultValue) const;

    // Each write that changes the file goes to it at once (unless writes are held); a failure
    // (read-only file or folder, full disk) throws AppError and leaves the file as it was, while
    // the value stays in memory for the next write. Writes to an unreadable file do nothing.
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);
    void writeString(const QString& section, const QString& key, const QString& value);

    // From now on writes stay in memory until flush().
    void holdWrites();
    // Writes what changed since the file was last written, once; throws AppError as a write does.
    void flush();

    // The integer rule of readInteger, for texts from elsewhere.
    static bool parseInteger(const QString& text, int& value);

private:
    void load() const;
    // Where each key is found first, by folded section and key name.
    void buildIndex() const;
    void store();

    QString path_;
    mutable std::optional<QStringList> lines_;
    mutable bool unreadable_ = false;
    mutable QHash<QString, qsizetype> index_;  // "section\nkey", case-folded -> line
    mutable bool indexValid_ = false;
    bool holding_ = false;
    bool changed_ = false;  // lines_ differ from the file
};
