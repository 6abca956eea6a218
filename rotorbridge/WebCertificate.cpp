// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/WebCertificate.h"

#include "platform/XdgFolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

QString dataFolder()
{
    return XdgFolder::base("XDG_DATA_HOME", ".local/share") + QStringLiteral("/Corvane/");
}

// An empty file only the user may read, for openssl to write into (it keeps a file's mode).
bool privateFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

}  // namespace

bool WebCertificate::needed(const QHostAddress& served, const QString& certificatePath)
{
    return !served.isLoopback() || !certificatePath.isEmpty();
}

QString WebCertificate::defaultCertificatePath()
{
    return dataFolder() + QStringLiteral("CorvaneRotor-web.crt");
}

QString WebCertificate::defaultKeyPath()
{
    return dataFolder() + QStringLiteral("CorvaneRotor-web.key");
}

std::optional<WebCertificate> WebCertificate::obtain(const QString& certificatePath, const QString& keyPath,
                                                     const QHostAddress& served, QString* error)
{
    if (!certificatePath.isEmpty() || !keyPath.isEmpty())
        return read(certificatePath, keyPath, error);
    const QString certificate = defaultCertificatePath();
    const QString key = defaultKeyPath();
    if (!QFileInfo::exists(certificate) || !QFileInfo::exists(key)) {
        if (const QString failed = make(certificate, key, served); !failed.isEmpty()) {
            *error = failed;
            return std::nullopt;
        }
    }
    return read(certificate, key, error);
}

QString WebCertificate::make(const QString& certificatePath, const QString& keyPath, const QHostAddress& served)
{
    const QString folder = QFileInfo(certificatePath).absolutePath();
    if (!QDir().mkpath(folder))
        return QCoreApplication::translate("WebCertificate", "Ordner %1 kann nicht angelegt werden").arg(folder);
    const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
    if (openssl.isEmpty())
        return QCoreApplication::translate("WebCertificate",
                                           "openssl fehlt, um ein Zertifikat zu machen (Paket openssl, oder --web-cert und --web-key)");
    // Written beside the final files and renamed when whole, so a failed run leaves none half made.
    const QString newCertificate = certificatePath + QStringLiteral(".new");
    const QString newKey = keyPath + QStringLiteral(".new");
    QString names = QStringLiteral("DNS:localhost,IP:127.0.0.1,IP:::1");
    if (!served.isNull() && served != QHostAddress(QHostAddress::AnyIPv4) && served != QHostAddress(QHostAddress::AnyIPv6) &&
        served != QHostAddress(QHostAddress::Any) && !served.isLoopback())
        names += QStringLiteral(",IP:") + served.toString();
    const bool prepared = privateFile(newKey) && privateFile(newCertificate);
    QProcess process;
    if (prepared)
        process.start(openssl, {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                                QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                                QStringLiteral("-days"), QStringLiteral("3650"), QStringLiteral("-subj"), QStringLiteral("/CN=CorvaneRotor"),
                                QStringLiteral("-addext"), QStringLiteral("subjectAltName=") + names,
                                QStringLiteral("-keyout"), newKey, QStringLiteral("-out"), newCertificate});
    const bool made = prepared && process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
                      process.exitCode() == 0;
    if (!made) {
        QFile::remove(newKey);
        QFile::remove(newCertificate);
        return QCoreApplication::translate("WebCertificate", "Zertifikat nicht gemacht: %1")
            .arg(QString::fromLocal8Bit(process.readAllStandardError()).trimmed().section(QLatin1Char('\n'), -1));
    }
    QFile::remove(keyPath);
    QFile::remove(certificatePath);
    if (!QFile::rename(newKey, keyPath) || !QFile::rename(newCertificate, certificatePath))
        return QCoreApplication::translate("WebCertificate", "%1 kann nicht geschrieben werden").arg(certificatePath);
    return QString();
}

std::optional<WebCertificate> WebCertificate::read(const QString& certificatePath, const QString& keyPath, QString* error)
{
    QFile certificateFile(certificatePath);
    QFile keyFile(keyPath);
    if (certificatePath.isEmpty() || keyPath.isEmpty()) {
        *error = QCoreApplication::translate("WebCertificate", "--web-cert und --web-key nur zusammen");
        return std::nullopt;
    }
    for (QFile* file : {&certificateFile, &keyFile}) {
        // Neither file is a large one; a larger file is no certificate.
        if (!file->open(QIODevice::ReadOnly) || file->size() > 1 << 20) {
            *error = QCoreApplication::translate("WebCertificate", "%1 nicht lesbar").arg(file->fileName());
            return std::nullopt;
        }
    }
    WebCertificate pair;
    const QList<QSslCertificate> chain = QSslCertificate::fromData(certificateFile.readAll(), QSsl::Pem);
    const QByteArray keyText = keyFile.readAll();
    for (const QSsl::KeyAlgorithm algorithm : {QSsl::Ec, QSsl::Rsa}) {
        pair.key = QSslKey(keyText, algorithm, QSsl::Pem, QSsl::PrivateKey);
        if (!pair.key.isNull())
            break;
    }
    if (chain.isEmpty()) {
        *error = QCoreApplication::translate("WebCertificate", "%1 enthält kein Zertifikat (PEM)").arg(certificatePath);
        return std::nullopt;
    }
    if (pair.key.isNull()) {
        *error = QCoreApplication::translate("WebCertificate", "%1 enthält keinen privaten Schlüssel (PEM, EC oder RSA, ohne Passwort)")
                     .arg(keyPath);
        return std::nullopt;
    }
    pair.certificate = chain.first();
    return pair;
}

QString WebCertificate::fingerprint() const
{
    return QString::fromLatin1(certificate.digest(QCryptographicHash::Sha256).toHex(':').toUpper());
}
