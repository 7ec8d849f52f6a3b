// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

// Qt's readers decode a JPEG, GIF or BMP that was cut short and fill what is missing, without a word. These walk
// the file's own structure to its end: false when the data stops before the picture does. Bytes after a complete
// picture (some cameras append their own) do not count. Other data is left to its reader: true.
bool pictureIsComplete(const QByteArray &data);
