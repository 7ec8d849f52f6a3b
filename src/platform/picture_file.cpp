// SPDX-License-Identifier: MIT
#include "picture_file.h"

#include "app.h"
#include "picture_ends.h"
#include "regular_file.h"
#include "runtime_error.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

QImage LoadPicture(const QString &path, QSize toFill)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    const auto refuse = [&fullPath](int number, const QString &description, const QString &reason) {
        //: What a message about a picture concerns: %1 is the file's path, %2 why it was refused.
        return RuntimeError(number, description,
                            QCoreApplication::translate("RuntimeError", "%1 (%2)").arg(fullPath, reason));
    };
    const RegularFile file = readRegularFile(App::nativeFileName(fullPath), MaxPictureFileBytes);
    switch (file.problem) {
    case RegularFile::None:
        break;
    case RegularFile::NotFound:
        throw RuntimeError(RuntimeError::FileNotFound,
                           QStringLiteral(QT_TRANSLATE_NOOP("RuntimeError", "File not found")), fullPath);
    case RegularFile::TooLarge:
        throw refuse(RuntimeError::InvalidPicture, QStringLiteral(QT_TRANSLATE_NOOP("RuntimeError", "Invalid picture")),
                     file.reason);
    default:
        throw refuse(RuntimeError::PathFileAccessError,
                     QStringLiteral(QT_TRANSLATE_NOOP("RuntimeError", "Path/File access error")),
                     file.isFolder ? QCoreApplication::translate("RuntimeError", "a folder, not a picture file")
                                   : file.reason);
    }

    QByteArray data = file.data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // The plate is a JPEG: a picture whose bytes say so is given to Qt's JPEG plugin alone, where a picture of
    // unknown format has Qt load every image plugin and ask each in turn. Any other picture, or a JPEG when the
    // plugin is missing, is told by its bytes.
    if (data.startsWith("\xFF\xD8\xFF")) {
        reader.setFormat("jpeg");
        reader.setAutoDetectImageFormat(false);
        if (!reader.canRead()) {
            reader.setFormat(QByteArray());
            reader.setAutoDetectImageFormat(true);
            reader.setDevice(&buffer);
        }
    }
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
                ? QCoreApplication::translate("RuntimeError", "the picture is too large: %1 × %2 pixels")
                      .arg(full.width())
                      .arg(full.height())
                : reader.errorString();
        throw refuse(RuntimeError::InvalidPicture, QStringLiteral(QT_TRANSLATE_NOOP("RuntimeError", "Invalid picture")),
                     reason);
    }
    // Qt's readers fill what is missing from a cut-short JPEG, GIF or BMP and report success.
    if (!pictureIsComplete(data))
        throw refuse(RuntimeError::InvalidPicture, QStringLiteral(QT_TRANSLATE_NOOP("RuntimeError", "Invalid picture")),
                     QCoreApplication::translate("RuntimeError", "the file is truncated"));
    return picture;
}
