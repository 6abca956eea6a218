// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/WebPassword.h"

#include "platform/XdgFolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QSaveFile>

namespace {

constexpr int keyBytes = 32;   // bytes of the derived key, as long as a SHA-256 hash
constexpr int saltBytes = 16;  // bytes: 128 bits
const QByteArray scheme = "pbkdf2-sha256";

QByteArray derive(const QString& password, const QByteArray& salt, int rounds)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt, rounds, keyBytes);
}

}  // namespace

QByteArray WebPassword::hashLine(const QString& password, const QByteArray& salt)
{
    QByteArray used = salt;
    if (used.isEmpty()) {
        used.resize(saltBytes);
        QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(used.data()), saltBytes / 4);
    }
    return scheme + '$' + QByteArray::number(iterations) + '$' + used.toBase64() + '$' +
           derive(password, used, iterations).toBase64();
}

bool WebPassword::matches(const QString& password, const QByteArray& line)
{
    const QList<QByteArray> parts = line.trimmed().split('$');
    if (parts.size() != 4 || parts[0] != scheme)
        return false;
    bool number = false;
    const int rounds = parts[1].toInt(&number);
    const QByteArray salt = QByteArray::fromBase64(parts[2]);
    const QByteArray key = QByteArray::fromBase64(parts[3]);
    // A line of fewer rounds than made here was not written by this program.
    if (!number || rounds < iterations || rounds > 100 * iterations || salt.size() < saltBytes || key.size() != keyBytes)
        return false;
    const QByteArray tried = derive(password, salt, rounds);
    // Every byte compared, so the time taken tells nothing of where a guess went wrong.
    unsigned char difference = 0;
    for (int i = 0; i < keyBytes; ++i)
        difference |= static_cast<unsigned char>(tried[i] ^ key[i]);
    return difference == 0;
}

QString WebPassword::defaultPath()
{
    return XdgFolder::base("XDG_DATA_HOME", ".local/share") + QStringLiteral("/Corvane/CorvaneRotor-web.pass");
}

QString WebPassword::refusal(const QString& password)
{
    if (password.size() < minimumLength)
        return QCoreApplication::translate("WebPassword", "Das Passwort muss mindestens %1 Zeichen lang sein").arg(minimumLength);
    return QString();
}

QString WebPassword::save(const QString& path, const QString& password)
{
    if (const QString refused = refusal(password); !refused.isEmpty())
        return refused;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QCoreApplication::translate("WebPassword", "Ordner %1 kann nicht angelegt werden").arg(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    // The file is the user's alone before anything is written into it.
    if (!file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        file.write(hashLine(password) + '\n') < 0 || !file.commit())
        return QCoreApplication::translate("WebPassword", "%1 kann nicht geschrieben werden: %2").arg(path, file.errorString());
    return QString();
}

QByteArray WebPassword::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    // One short line; anything longer is not ours.
    return file.read(512).trimmed();
}
