// SPDX-License-Identifier: MIT
#include "app.h"

#include "picture_ends.h"
#include "regular_file.h"
#include "runtime_error.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QResource>
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
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {
        // Raw pixels, stored uncompressed, rendered from the scalable icon during the build.
        const QResource pixels(QStringLiteral(":/icons/%1.argb").arg(size));
        if (pixels.isValid() && pixels.size() == qint64(size) * size * 4)
            icon.addPixmap(QPixmap::fromImage(QImage(pixels.data(), size, size, QImage::Format_ARGB32_Premultiplied)));
    }
    return icon;
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
    const auto refuse = [&fullPath](int number, const QString &description, const QString &reason) {
        return RuntimeError(number, description, fullPath + QStringLiteral(" (") + reason + u')');
    };
    const RegularFile file = readRegularFile(nativeFileName(fullPath), MaxPictureFileBytes);
    switch (file.problem) {
    case RegularFile::None:
        break;
    case RegularFile::NotFound:
        throw RuntimeError(RuntimeError::FileNotFound, QStringLiteral("File not found"), fullPath);
    case RegularFile::NotRegular:
        if (file.isFolder)
            throw refuse(RuntimeError::PathFileAccessError, QStringLiteral("Path/File access error"),
                         QStringLiteral("a folder, not a picture file"));
        throw refuse(RuntimeError::PathFileAccessError, QStringLiteral("Path/File access error"), file.reason);
    case RegularFile::TooLarge:
        throw refuse(RuntimeError::InvalidPicture, QStringLiteral("Invalid picture"), file.reason);
    default:
        throw refuse(RuntimeError::PathFileAccessError, QStringLiteral("Path/File access error"), file.reason);
    }

    QByteArray data = file.data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // The reader forgets the size and the format once a read has failed.
    const QSize full = reader.size();
    const QImage::Format format = reader.imageFormat();
    // libjpeg reduces by whole halves in its inverse DCT, at a fraction of the cost, whatever the sides; Qt scales
    // the odd pixel that remains. Other readers scale afterwards.
    QSize decoded = full;
    if (!toFill.isEmpty() && reader.format() == "jpeg") {
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
        const int bitsPerPixel = format == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(format).bitsPerPixel();
        const qint64 bytes = qint64(decoded.width()) * decoded.height() * bitsPerPixel / 8;
        const qint64 limit = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
        const QString reason =
            decoded.isValid() && limit > 0 && bytes > limit
                ? QStringLiteral("the picture is too large: %1 × %2 pixels").arg(full.width()).arg(full.height())
                : reader.errorString();
        throw refuse(RuntimeError::InvalidPicture, QStringLiteral("Invalid picture"), reason);
    }
    // Qt's readers fill what is missing from a cut-short JPEG, GIF or BMP and report success.
    if (!pictureIsComplete(data))
        throw refuse(RuntimeError::InvalidPicture, QStringLiteral("Invalid picture"),
                     QStringLiteral("the file is truncated"));
    return picture;
}

QColor QBColor(int n)
{
    static const QRgb palette[16] = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
    };
    if (n < 0 || n > 15)
        throw RuntimeError(RuntimeError::InvalidProcedureCall, QStringLiteral("Invalid procedure call or argument"),
                           QStringLiteral("QBColor(%1)").arg(n));
    return QColor(palette[n]);
}
