// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "spots/AdifLog.h"

#include <QFileSystemWatcher>
#include <QFutureWatcher>
#include <QObject>
#include <QString>

#include <memory>

class CallsignTable;

// Keeps the worked entities of the own log current: reads the ADIF file on a worker thread when
// it is chosen and again whenever the logger changes or replaces it, so that even a log of
// gigabytes never holds up the window. A file that cannot be read, or that holds no QSO, gives an
// empty list and a reason.
class AdifWatcher : public QObject {
    Q_OBJECT
public:
    // calls must outlive the watcher; it is read from the worker thread.
    explicit AdifWatcher(const CallsignTable& calls, QObject* parent = nullptr);
    ~AdifWatcher() override;

    // An empty path stops watching and forgets the entities.
    void watch(const QString& path);
    const AdifLog::Worked& worked() const { return worked_; }

signals:
    void workedChanged();
    // The file could not be read or holds no QSO: the reason in German.
    void readFailed(const QString& reason);

private:
    struct Result {
        AdifLog::Worked worked;
        QString error;
    };
    void read();
    void finished();

    const CallsignTable& calls_;
    QString path_;
    QFileSystemWatcher files_;
    QFutureWatcher<Result> reading_;
    bool readAgain_ = false;  // the file changed while it was being read
    AdifLog::Worked worked_;
};
