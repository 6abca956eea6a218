// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "platform/NamedMutex.h"

#include <QFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

NamedMutex::NamedMutex(const QString& name) : path_(lockFolder() + u'/' + name + QStringLiteral(".lock")) {}

NamedMutex::~NamedMutex()
{
    unlock();
}

QString NamedMutex::lockFolder()
{
    // A folder only this user can write: in the shared temp folder another user could take the
    // lock first. Without $XDG_RUNTIME_DIR, Qt makes a private 0700 folder of its own.
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

bool NamedMutex::tryLock()
{
    if (fd_ >= 0)
        return true;
    const int fd = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;  // a lock that cannot be opened may be held: taking it for free would let two run
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void NamedMutex::unlock()
{
    if (fd_ < 0)
        return;
    ::close(fd_);  // closing the descriptor releases the flock
    fd_ = -1;
}
