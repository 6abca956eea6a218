// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "spots/AdifWatcher.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// A log without a QSO, and where reading it stopped, in German.
QString noQsoText(const QString& path, const AdifLog::Worked& worked, qint64 size)
{
    const QLocale locale;
    const QString text =
        QCoreApplication::translate("AdifWatcher", "Das Logbuch %1 enthält kein QSO (gelesen bis Byte %2 von %3")
            .arg(path, locale.toString(worked.bytesRead), locale.toString(size));
    if (worked.cutOff)
        return text +
            QCoreApplication::translate("AdifWatcher", ": dort beginnt ein Feld, das über das Dateiende hinausreicht)");
    return text + u')';
}

} // namespace

AdifWatcher::AdifWatcher(const CallsignTable& calls, QObject* parent)
    : QObject(parent), calls_(calls)
{
    connect(&files_, &QFileSystemWatcher::fileChanged, this, &AdifWatcher::read);
    // A logger that writes a new file and renames it over the old one takes the watched file
    // away; the folder tells of the new one.
    connect(&files_, &QFileSystemWatcher::directoryChanged, this, [this] {
        if (!path_.isEmpty() && !files_.files().contains(path_) && QFile::exists(path_)) {
            files_.addPath(path_);
            read();
        }
    });
    connect(&reading_, &QFutureWatcher<Result>::finished, this, &AdifWatcher::finished);
}

AdifWatcher::~AdifWatcher()
{
    reading_.waitForFinished();
}

void AdifWatcher::watch(const QString& path)
{
    if (!files_.files().isEmpty())
        files_.removePaths(files_.files());
    if (!files_.directories().isEmpty())
        files_.removePaths(files_.directories());
    path_ = path;
    if (path_.isEmpty()) {
        worked_ = {};
        emit workedChanged();
        return;
    }
    files_.addPath(path_);
    files_.addPath(QFileInfo(path_).absolutePath());
    read();
}

void AdifWatcher::read()
{
    if (reading_.isRunning()) {
        readAgain_ = true;
        return;
    }
    const QString path = path_;
    const CallsignTable& calls = calls_;
    reading_.setFuture(QtConcurrent::run([path, &calls] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return Result {{},
                           QCoreApplication::translate("AdifWatcher", "Das Logbuch %1 kann nicht gelesen werden: %2")
                               .arg(path, file.errorString())};
        Result result{AdifLog::read(file, calls), QString()};
        if (result.worked.records == 0)
            result.error = noQsoText(path, result.worked, file.size());
        return result;
    }));
}

void AdifWatcher::finished()
{
    const Result result = reading_.result();
    if (readAgain_) {
        readAgain_ = false;
        read();
        return;
    }
    worked_ = result.worked;
    if (!result.error.isEmpty())
        emit readFailed(result.error);
    emit workedChanged();
}
