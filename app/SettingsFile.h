#pragma once

#include <QString>
#include <QStringList>

// The settings file: an INI text in Windows-1252 with CR LF line ends. Section and key names
// match without regard to case. There is no in-memory copy: every read looks at the file, and
// every write replaces it at once, atomically (temporary file + rename), so a crash or a full
// disk leaves either the old or the new file, never a torn one.
class SettingsFile {
public:
    static constexpr int maxStringLength = 2047;  // characters returned by readString

    explicit SettingsFile(QString path);

    const QString& path() const { return path_; }

    // Decimal, or hexadecimal with "0x" or "$"; anything else yields the default.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;
    // Any integer other than 0 is true; a value that is not an integer yields the default.
    bool readBool(const QString& section, const QString& key, bool defaultValue) const;
    // A missing key yields the default, a present but empty one an empty text.
    QString readString(const QString& section, const QString& key, const QString& defaultValue) const;

    // Each write goes to the file at once; a failure (read-only file or folder, full disk)
    // throws AppError and leaves the file as it was.
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);
    void writeString(const QString& section, const QString& key, const QString& value);

    // The integer rule of readInteger, for texts from elsewhere.
    static bool parseInteger(const QString& text, int& value);

private:
    QStringList readLines() const;

    QString path_;
};
