// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "settings/SettingsFile.h"

#include "base/FileReplacement.h"
#include "text/TextLines.h"
#include "text/Windows1252.h"

#include <QCoreApplication>
#include <QFile>

#include <climits>
#include <optional>

namespace {

std::optional<QString> sectionName(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    return trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed();
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Splits a key line; comment lines and lines without "=" are not key lines.
bool keyLine(const QString& line, QString& key, QString& value)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0 || line.trimmed().startsWith(u';'))
        return false;
    key = line.left(eq).trimmed();
    value = line.mid(eq + 1).trimmed();
    return true;
}

// A line break inside a value or key would start a new line, and so a forged key, in the file.
QString singleLine(QString text)
{
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

// The key of the index: section and key name as compared, without regard to case.
QString indexKey(const QString& section, const QString& key)
{
    return section.toCaseFolded() + u'\n' + key.toCaseFolded();
}

// A line as it reads back from the file: characters Windows-1252 lacks become what the file holds.
QString asStored(const QString& line)
{
    return Windows1252::decode(Windows1252::encode(line));
}

} // namespace

SettingsFile::SettingsFile(QString path) : path_(std::move(path)) {}

void SettingsFile::load() const
{
    if (lines_)
        return;
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        // Missing is a first run; present but unreadable must not be taken for one.
        unreadable_ = file.exists();
        lines_ = QStringList();
        return;
    }
    const QByteArray bytes = file.readAll();
    unreadable_ = file.error() != QFileDevice::NoError;
    lines_ = unreadable_ ? QStringList() : TextLines::split(Windows1252::decode(bytes));
}

bool SettingsFile::isReadable() const
{
    load();
    return !unreadable_;
}

QString SettingsFile::unreadableMessage() const
{
    if (isReadable())
        return {};
    return QCoreApplication::translate("SettingsFile",
                                       "Die Einstellungsdatei %1 kann nicht gelesen werden; sie bleibt unverändert, "
                                       "und Einstellungen werden in diesem Lauf nicht gespeichert")
        .arg(path_);
}

void SettingsFile::buildIndex() const
{
    load();
    if (indexValid_)
        return;
    index_.clear();
    QString section;  // case-folded
    bool inSection = false;
    for (qsizetype i = 0; i < lines_->size(); ++i) {
        const QString& line = lines_->at(i);
        if (const auto name = sectionName(line)) {
            section = name->toCaseFolded();
            inSection = true;
            continue;
        }
        QString lineKey, value;
        if (!inSection || !keyLine(line, lineKey, value))
            continue;
        // The first one counts, as a write changes the first one: a hand-edited file may hold a
        // section or a key twice.
        const QString indexed = section + u'\n' + lineKey.toCaseFolded();
        if (!index_.contains(indexed))
            index_.insert(indexed, i);
    }
    indexValid_ = true;
}

QString SettingsFile::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    buildIndex();
    const auto found = index_.constFind(indexKey(section, key));
    if (found == index_.constEnd())
        return defaultValue;
    QString lineKey, value;
    keyLine(lines_->at(*found), lineKey, value);
    return value.left(maxStringLength);
}

bool SettingsFile::parseInteger(const QString& text, int& value)
{
    QString digits = text.trimmed();
    bool negative = false;
    if (digits.startsWith(u'-') || digits.startsWith(u'+')) {
        negative = digits.startsWith(u'-');
        digits.remove(0, 1);
    }
    int base = 10;
    if (digits.startsWith(u'$')) {
        base = 16;
        digits.remove(0, 1);
    } else if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        digits.remove(0, 2);
    }
    if (digits.isEmpty() || digits.startsWith(u'+') || digits.startsWith(u'-'))
        return false;
    bool ok = false;
    const qulonglong magnitude = digits.toULongLong(&ok, base);
    if (!ok)
        return false;
    if (base == 16) {
        // Hexadecimal covers the full 32 bits, as colour values and masks are written.
        if (magnitude > 0xFFFFFFFFull)
            return false;
        const auto bits = static_cast<qint32>(static_cast<quint32>(magnitude));
        value = negative ? -bits : bits;
        return true;
    }
    const qlonglong signedValue = negative ? -qlonglong(magnitude) : qlonglong(magnitude);
    if (magnitude > 0x80000000ull || signedValue > INT_MAX || signedValue < INT_MIN)
        return false;
    value = int(signedValue);
    return true;
}

int SettingsFile::readInteger(const QString& section, const QString& key, int defaultValue) const
{
    return readOptionalInteger(section, key).value_or(defaultValue);
}

std::optional<int> SettingsFile::readOptionalInteger(const QString& section, const QString& key) const
{
    int value = 0;
    if (!parseInteger(readString(section, key, QString()), value))
        return std::nullopt;
    return value;
}

bool SettingsFile::readBool(const QString& section, const QString& key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void SettingsFile::writeInteger(const QString& section, const QString& key, int value)
{
    writeString(section, key, QString::number(value));
}

void SettingsFile::writeBool(const QString& section, const QString& key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsFile::writeString(const QString& section, const QString& key, const QString& value)
{
    load();
    if (unreadable_)
        return;
    QStringList& lines = *lines_;
    const QString newLine = asStored(singleLine(key) + u'=' + singleLine(value));

    // Find the section, the key within it, and the last non-blank line of the section.
    qsizetype sectionLine = -1, keyIndex = -1, lastContent = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i])) {
            if (sectionLine >= 0)
                break;
            if (sameName(*name, section))
                sectionLine = lastContent = i;
            continue;
        }
        if (sectionLine < 0)
            continue;
        QString lineKey, lineValue;
        if (keyLine(lines[i], lineKey, lineValue) && sameName(lineKey, key)) {
            keyIndex = i;
            break;
        }
        if (!lines[i].trimmed().isEmpty())
            lastContent = i;
    }
    if (keyIndex >= 0) {
        QString oldKey, oldValue, newKey, newValue;
        keyLine(lines[keyIndex], oldKey, oldValue);
        keyLine(newLine, newKey, newValue);
        if (oldValue == newValue)
            return;  // it reads the same: the file stays as it is
        lines[keyIndex] = newLine;
    } else {
        if (sectionLine >= 0)
            lines.insert(lastContent + 1, newLine);
        else
            lines << asStored(u'[' + singleLine(section) + u']') << newLine;
        indexValid_ = false;
    }
    changed_ = true;
    if (!holding_)
        store();
}

void SettingsFile::holdWrites()
{
    holding_ = true;
}

void SettingsFile::flush()
{
    if (changed_)
        store();
}

void SettingsFile::store()
{
    FileReplacement::write(path_, Windows1252::encode(lines_->join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")),
                           QCoreApplication::translate("SettingsFile", "Die Einstellungsdatei %1"));
    changed_ = false;
}
