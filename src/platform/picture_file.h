// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// A plate picture needs far less; a larger file is refused before it is read.
inline constexpr qint64 MaxPictureFileBytes = 64 * 1024 * 1024;

// Reads a picture file; a missing, unreadable, damaged or too large file, or one that is not a regular file, raises a
// runtime error that names it and says why. With a size to fill, a JPEG is halved while it is decoded, as often as it
// stays at least that large (up to an eighth); the caller scales what remains.
QImage LoadPicture(const QString &path, QSize toFill = {});
