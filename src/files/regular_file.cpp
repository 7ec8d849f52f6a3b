// SPDX-License-Identifier: MIT
#include "regular_file.h"

#include "translation.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The style sheet is checked before the application exists: the texts come from the catalogue itself.
QString translated(const char *source)
{
    return Translation::text("RegularFile", source);
}

//: What a name that is not a regular file is, in "the name leads to /dev/full, a device, not a regular file".
QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return translated(QT_TRANSLATE_NOOP("RegularFile", "a folder"));
    if (S_ISFIFO(mode))
        return translated(QT_TRANSLATE_NOOP("RegularFile", "a named pipe"));
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return translated(QT_TRANSLATE_NOOP("RegularFile", "a device"));
    if (S_ISSOCK(mode))
        return translated(QT_TRANSLATE_NOOP("RegularFile", "a socket"));
    return translated(QT_TRANSLATE_NOOP("RegularFile", "not a plain file"));
}

// Why a file that is not regular was refused, as a whole phrase.
QString notRegular(mode_t mode)
{
    if (S_ISDIR(mode))
        return translated(QT_TRANSLATE_NOOP("RegularFile", "a folder, not a regular file"));
    if (S_ISFIFO(mode))
        return translated(QT_TRANSLATE_NOOP("RegularFile", "a named pipe, not a regular file"));
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return translated(QT_TRANSLATE_NOOP("RegularFile", "a device, not a regular file"));
    if (S_ISSOCK(mode))
        return translated(QT_TRANSLATE_NOOP("RegularFile", "a socket, not a regular file"));
    return translated(QT_TRANSLATE_NOOP("RegularFile", "not a plain file, not a regular file"));
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

struct Opened {
    int descriptor = -1;
    RegularFile result;
};

Opened openChecked(const QByteArray &nativeName, qint64 maxBytes)
{
    Opened opened;
    RegularFile &result = opened.result;
    // Without O_NONBLOCK, opening a named pipe waits for a writer that may never come.
    const int descriptor = ::open(nativeName.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        const int error = errno;
        result.problem = error == ENOENT ? RegularFile::NotFound : RegularFile::CannotOpen;
        result.reason = systemReason(error);
        return opened;
    }
    struct stat status;
    if (::fstat(descriptor, &status) != 0) {
        result.problem = RegularFile::CannotOpen;
        result.reason = systemReason(errno);
    } else if (!S_ISREG(status.st_mode)) {
        result.problem = RegularFile::NotRegular;
        result.isFolder = S_ISDIR(status.st_mode);
        result.reason = notRegular(status.st_mode);
    } else if (status.st_size > maxBytes) {
        result.problem = RegularFile::TooLarge;
        //: Why a file was refused: %1 is its size, %2 the largest allowed, such as "64 MiB".
        result.reason =
            translated(QT_TRANSLATE_NOOP("RegularFile", "the file is too large: %1, more than the %2 allowed"))
                .arg(readableSize(status.st_size), readableSize(maxBytes));
    } else {
        // A regular file: reads block as usual from here on.
        const int flags = ::fcntl(descriptor, F_GETFL);
        if (flags != -1)
            ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK);
        opened.descriptor = descriptor;
        return opened;
    }
    ::close(descriptor);
    return opened;
}

} // namespace

RegularFile checkRegularFile(const QByteArray &nativeName, qint64 maxBytes)
{
    Opened opened = openChecked(nativeName, maxBytes);
    if (opened.descriptor >= 0)
        ::close(opened.descriptor);
    return opened.result;
}

RegularFile readRegularFile(const QByteArray &nativeName, qint64 maxBytes)
{
    Opened opened = openChecked(nativeName, maxBytes);
    if (opened.descriptor < 0)
        return opened.result;
    RegularFile &result = opened.result;
    // The file may grow while it is read: never past the limit.
    QByteArray &data = result.data;
    qsizetype filled = 0;
    for (;;) {
        if (data.size() - filled < 65536)
            data.resize(std::min<qint64>(std::max<qint64>(2 * data.size(), 65536), maxBytes + 1));
        if (filled == data.size())
            break;
        const ssize_t count = ::read(opened.descriptor, data.data() + filled, data.size() - filled);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            result.problem = RegularFile::ReadFailed;
            result.reason = systemReason(errno);
            break;
        }
        if (count == 0)
            break;
        filled += count;
    }
    ::close(opened.descriptor);
    data.resize(filled);
    if (result.problem == RegularFile::None && filled > maxBytes) {
        result.problem = RegularFile::TooLarge;
        //: Why a file was refused: %1 is the largest size allowed, such as "64 MiB".
        result.reason = translated(QT_TRANSLATE_NOOP("RegularFile", "the file is too large: more than the %1 allowed"))
                            .arg(readableSize(maxBytes));
    }
    if (result.problem != RegularFile::None)
        data.clear();
    return result;
}

QString refusedSaveTarget(const QByteArray &nativeName)
{
    struct stat status;
    // Nothing there, a link to nothing, or a folder that cannot be reached: the save itself creates the file or
    // reports why it cannot.
    if (::stat(nativeName.constData(), &status) != 0 || S_ISREG(status.st_mode))
        return {};
    struct stat link;
    if (::lstat(nativeName.constData(), &link) == 0 && S_ISLNK(link.st_mode)) {
        char target[PATH_MAX];
        if (::realpath(nativeName.constData(), target)) {
            //: %1 is where a link leads, such as /dev/full; %2 says what it is, such as "a device".
            return translated(QT_TRANSLATE_NOOP("RegularFile", "the name leads to %1, %2, not a regular file"))
                .arg(QFile::decodeName(target), kindOf(status.st_mode));
        }
    }
    return notRegular(status.st_mode);
}

QString readableSize(qint64 bytes)
{
    // A whole number of its unit without decimals, "64 MiB"; any other to a tenth, "12.5 MiB".
    qint64 unit = 1;
    while (unit < (qint64(1) << 40) && bytes / unit >= 1024)
        unit *= 1024;
    return QLocale().formattedDataSize(bytes, bytes % unit == 0 ? 0 : 1);
}
