// SPDX-License-Identifier: MIT
#include "lockfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Makes the folder (for this user alone) if it is missing; says what is wrong with it otherwise.
QString checkFolder(const QString& folder)
{
    const QByteArray path = QFile::encodeName(folder);
    struct stat info
    {
    };
    if (::lstat(path.constData(), &info) != 0) {
        if (errno != ENOENT)
            return QCoreApplication::translate("LockFile", "%1 cannot be examined (%2)")
                .arg(folder, errorText(errno));
        QDir().mkpath(QFileInfo(folder).path());
        if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
            return QCoreApplication::translate("LockFile", "%1 cannot be made (%2)")
                .arg(folder, errorText(errno));
        if (::lstat(path.constData(), &info) != 0)
            return QCoreApplication::translate("LockFile", "%1 cannot be examined (%2)")
                .arg(folder, errorText(errno));
    }
    if (!S_ISDIR(info.st_mode))
        return QCoreApplication::translate("LockFile", "%1 is not a folder").arg(folder);
    if (info.st_uid != ::geteuid())
        return QCoreApplication::translate("LockFile", "%1 belongs to another user").arg(folder);
    if (info.st_mode & (S_IWGRP | S_IWOTH))
        return QCoreApplication::translate("LockFile", "%1 may be written to by other users")
            .arg(folder);
    return {};
}

} // namespace

LockFile::LockFile(const QString& path)
{
    m_problem = checkFolder(QFileInfo(path).path());
    if (!m_problem.isEmpty())
        return;
    m_fd = ::open(QFile::encodeName(path).constData(),
        O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (m_fd < 0) {
        m_problem = errno == ELOOP
            ? QCoreApplication::translate("LockFile", "%1 is a symbolic link").arg(path)
            : QCoreApplication::translate("LockFile", "%1 cannot be opened (%2)")
                  .arg(path, errorText(errno));
        return;
    }
    struct stat info
    {
    };
    if (::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode))
        m_problem = QCoreApplication::translate("LockFile", "%1 is not a plain file").arg(path);
    else if (info.st_uid != ::geteuid())
        m_problem = QCoreApplication::translate("LockFile", "%1 belongs to another user").arg(path);
    if (!m_problem.isEmpty()) {
        ::close(m_fd);
        m_fd = -1;
        return;
    }
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
        m_state = State::Held;
        return;
    }
    if (errno == EWOULDBLOCK) {
        m_state = State::HeldElsewhere;
    } else {
        m_problem = QCoreApplication::translate("LockFile", "%1 cannot be locked (%2)")
                        .arg(path, errorText(errno));
    }
    ::close(m_fd);
    m_fd = -1;
}

LockFile::~LockFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}
