// SPDX-License-Identifier: MIT
#include "app.h"

#include "core/runtime_error.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QUtf8StringView>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString &pathOverride()
{
    static QString path;
    return path;
}

// Some writers pad a JPEG with zeros after its end-of-image marker.
bool jpegEndsWithEndOfImage(const QByteArray &data)
{
    qsizetype end = data.size();
    while (end > 0 && data[end - 1] == '\0')
        --end;
    return end >= 4 && uchar(data[end - 2]) == 0xFF && uchar(data[end - 1]) == 0xD9;
}

// The executable's folder as the file system names it. The name need not be UTF-8, and a QString would not carry
// other bytes back to the same file.
const QByteArray &programFolderBytes()
{
    static const QByteArray folder = [] {
        char buffer[PATH_MAX];
        const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
        if (length <= 0 || length >= ssize_t(sizeof buffer))
            return QFile::encodeName(QCoreApplication::applicationDirPath());
        const QByteArray executable(buffer, length);
        return executable.left(std::max<qsizetype>(executable.lastIndexOf('/'), 1));
    }();
    return folder;
}

// A file name for the user to read: UTF-8 as it is, any other byte written as \xE9.
QString readableName(const QByteArray &bytes)
{
    QString name;
    for (qsizetype i = 0; i < bytes.size();) {
        const uchar lead = uchar(bytes[i]);
        const qsizetype length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        const QByteArray piece = bytes.mid(i, length);
        if (length > 0 && piece.size() == length && QUtf8StringView(piece).isValidUtf8()) {
            name += QString::fromUtf8(piece);
            i += length;
        } else {
            name += QStringLiteral("\\x") + QString::number(lead, 16).toUpper().rightJustified(2, u'0');
            ++i;
        }
    }
    return name;
}

// The bytes to open for a path that App::Path() began.
QByteArray nativeFileName(const QString &path)
{
    const QString folder = App::Path();
    if (pathOverride().isEmpty() && (path == folder || path.startsWith(folder + u'/')))
        return programFolderBytes() + QFile::encodeName(path.mid(folder.size()));
    return QFile::encodeName(path);
}

} // namespace

QString App::Title()
{
    return QStringLiteral("Dorlasco's astrolabe simulator");
}

QIcon App::Icon()
{
    // A static QIcon would outlive the application that its engine belongs to.
    return QIcon::fromTheme(QStringLiteral("io.github.dorlasco.AstrolabeSimulator"),
                            QIcon(QStringLiteral(":/icons/io.github.dorlasco.AstrolabeSimulator.svg")));
}

QString App::Path()
{
    QString path = pathOverride().isEmpty() ? readableName(programFolderBytes()) : pathOverride();
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

void App::setPathForTesting(const QString &path)
{
    pathOverride() = path;
}

QImage LoadPicture(const QString &path, QSize toFill)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    const QByteArray native = nativeFileName(fullPath);
    struct stat status;
    if (::stat(native.constData(), &status) != 0)
        throw RuntimeError(RuntimeError::FileNotFound, QStringLiteral("File not found"), fullPath);
    if (S_ISDIR(status.st_mode))
        throw RuntimeError(RuntimeError::PathFileAccessError, QStringLiteral("Path/File access error"),
                           fullPath + QStringLiteral(" (a folder, not a picture file)"));

    const int descriptor = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        throw RuntimeError(RuntimeError::PathFileAccessError, QStringLiteral("Path/File access error"),
                           fullPath + QStringLiteral(" (") + QString::fromLocal8Bit(std::strerror(errno)) + u')');
    QFile file;
    file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);

    QByteArray data = file.readAll();
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // libjpeg reduces by whole halves in its inverse DCT, at a fraction of the cost, whatever the sides; Qt scales
    // the odd pixel that remains. Other readers scale afterwards.
    QSize decoded = reader.size();
    if (!toFill.isEmpty() && reader.format() == "jpeg") {
        const QSize full = reader.size();
        int reduction = 1;
        while (reduction < 8 && full.width() / (2 * reduction) >= toFill.width()
               && full.height() / (2 * reduction) >= toFill.height())
            reduction *= 2;
        if (reduction > 1) {
            decoded = QSize(full.width() / reduction, full.height() / reduction);
            reader.setScaledSize(decoded);
        }
    }
    QImage picture = reader.read();
    if (picture.isNull()) {
        const qint64 bytes = qint64(decoded.width()) * decoded.height() * 4;
        const qint64 limit = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
        const QString reason = decoded.isValid() && limit > 0 && bytes > limit
                                   ? QStringLiteral("the picture is too large: %1 × %2 pixels")
                                         .arg(reader.size().width())
                                         .arg(reader.size().height())
                                   : reader.errorString();
        throw RuntimeError(RuntimeError::InvalidPicture, QStringLiteral("Invalid picture"),
                           fullPath + QStringLiteral(" (") + reason + u')');
    }
    // Qt's reader fills the rows missing from a cut-short JPEG with grey and reports success.
    if (data.startsWith("\xFF\xD8") && !jpegEndsWithEndOfImage(data))
        throw RuntimeError(RuntimeError::InvalidPicture, QStringLiteral("Invalid picture"),
                           fullPath + QStringLiteral(" (the file is truncated)"));
    return picture;
}

QColor QBColor(int n)
{
    static const QRgb palette[16] = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),     qRgb(0, 128, 0),     qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128),   qRgb(128, 128, 0),   qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),     qRgb(0, 255, 0),     qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255),   qRgb(255, 255, 0),   qRgb(255, 255, 255),
    };
    if (n < 0 || n > 15)
        throw RuntimeError(RuntimeError::InvalidProcedureCall, QStringLiteral("Invalid procedure call or argument"),
                           QStringLiteral("QBColor(%1)").arg(n));
    return QColor(palette[n]);
}
