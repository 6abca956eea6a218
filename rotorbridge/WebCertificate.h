// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QHostAddress>
#include <QSslCertificate>
#include <QSslKey>
#include <QString>

#include <optional>

// The web page's TLS certificate and key: the files the user gave, or else a self-signed pair made
// at first use in the user's data folder (both files mode 0600) and kept for every later start, so
// that the browser's exception for it holds.
class WebCertificate {
public:
    QSslCertificate certificate;
    QSslKey key;

    // Whether a page served there is encrypted: beyond the loopback always, on it when the user
    // gave a certificate.
    static bool needed(const QHostAddress& served, const QString& certificatePath);

    // ~/.local/share/Corvane/CorvaneRotor-web.crt and .key
    static QString defaultCertificatePath();
    static QString defaultKeyPath();
    // The pair in the files given, or in the default files, made there first (with openssl, for
    // the address served and the loopback) when neither is given and they are not there yet.
    // Nothing and the reason in *error when a file is missing, unreadable or not a pair.
    static std::optional<WebCertificate> obtain(const QString& certificatePath, const QString& keyPath,
                                                const QHostAddress& served, QString* error);
    // The SHA-256 of the certificate as browsers show it: 32 hex pairs joined by ':'.
    QString fingerprint() const;

private:
    static QString make(const QString& certificatePath, const QString& keyPath, const QHostAddress& served);
    static std::optional<WebCertificate> read(const QString& certificatePath, const QString& keyPath, QString* error);
};
