// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// Reading a file that anything may lie at: a named pipe, a device, a folder, a file of gigabytes. The file is opened
// without waiting for a writer, checked on the opened descriptor (so nothing can be swapped in between), and read
// only when it is a regular file no larger than the limit.
struct RegularFile {
    enum Problem { None, NotFound, CannotOpen, NotRegular, TooLarge, ReadFailed };
    Problem problem = None;
    // What went wrong, as a phrase for a message: "a named pipe, not a regular file".
    QString reason;
    QByteArray data;
    bool isFolder = false;
};

RegularFile readRegularFile(const QByteArray &nativeName, qint64 maxBytes);
// Only checks: opens, looks at the descriptor, reads nothing. For a file that another part (Qt) reads afterwards.
RegularFile checkRegularFile(const QByteArray &nativeName, qint64 maxBytes);

// Whether a file may be saved under the name: what lies there, after links, must be a regular file or nothing. A
// device or a named pipe would be replaced by the saved file, or block the save; a link to the user's own regular
// file is written through. Returns why it may not, as a phrase for a message, or nothing. Opens nothing.
QString refusedSaveTarget(const QByteArray &nativeName);

// "12.5 MiB", "3 GiB", "640 bytes": a size for the user to read, in the user's language.
QString readableSize(qint64 bytes);
