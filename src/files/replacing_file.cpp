// SPDX-License-Identifier: MIT
#include "replacing_file.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

QString resolvedTarget(const QString &target)
{
    const QFileInfo info(target);
    if (const QString canonical = info.canonicalFilePath(); !canonical.isEmpty())
        return canonical;
    // A link to nothing yet: the file is made where it leads.
    return info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

ReplacingFile::ReplacingFile(const QString &target) : m_target(resolvedTarget(target))
{}

ReplacingFile::~ReplacingFile()
{
    if (m_descriptor < 0)
        return;
    ::close(m_descriptor);
    if (!m_temporary.isEmpty())
        ::unlink(QFile::encodeName(m_temporary).constData());
}

bool ReplacingFile::create()
{
    // Not QTemporaryFile: it makes a file without a name, and the writer needs one to open.
    QByteArray name = QFile::encodeName(m_target) + ".XXXXXX";
    m_descriptor = ::mkostemp(name.data(), O_CLOEXEC);
    if (m_descriptor < 0) {
        m_error = systemReason(errno);
        return false;
    }
    m_temporary = QFile::decodeName(name);
    return true;
}

qint64 ReplacingFile::freeBytes() const
{
    struct statvfs status;
    if (::statvfs(QFile::encodeName(m_temporary).constData(), &status) != 0)
        return -1;
    return qint64(status.f_bavail) * qint64(status.f_frsize);
}

bool ReplacingFile::commit()
{
    const QByteArray target = QFile::encodeName(m_target);
    struct stat existing;
    mode_t mode = 0;
    if (::stat(target.constData(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    // The writer wrote through a descriptor of its own; syncing the file through ours puts the same data on disk.
    if (::fchmod(m_descriptor, mode) != 0 || ::fsync(m_descriptor) != 0) {
        m_error = systemReason(errno);
        return false;
    }
    if (::rename(QFile::encodeName(m_temporary).constData(), target.constData()) != 0) {
        m_error = systemReason(errno);
        return false;
    }
    m_temporary.clear();
    return true;
}
