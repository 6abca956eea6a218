#include "platform/NamedMutex.h"

#include <QDir>
#include <QFile>

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
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QDir(runtime).exists() ? runtime : QDir::tempPath();
}

bool NamedMutex::tryLock()
{
    if (fd_ >= 0)
        return true;
    const int fd = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true;  // no lock folder to write: run rather than refuse to start at all
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
