// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// A file for a writer that opens its output by name, as the printer does: it writes into a temporary file beside the
// target, and only a checked file is renamed over the target. The target is whole or untouched, even when the program
// is killed in between; at most the temporary file is left beside it. A link is followed, as QSaveFile does: the file
// it leads to is the one replaced.
class ReplacingFile
{
public:
    explicit ReplacingFile(const QString &target);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile &) = delete;
    ReplacingFile &operator=(const ReplacingFile &) = delete;

    // Creates the temporary file; false, with the reason in errorString(), when it cannot.
    bool create();
    QString temporaryName() const { return m_temporary; }
    // The file system's free space where the temporary file lies, in bytes, or -1.
    qint64 freeBytes() const;
    // Puts the temporary file on disk and renames it over the target, with the target's permissions, or those of a
    // new file. Without it the temporary file goes when this does.
    bool commit();
    QString errorString() const { return m_error; }

private:
    QString m_target;
    QString m_temporary;
    // Kept open for the file's permissions and its sync; the writer opens it again by name.
    int m_descriptor = -1;
    QString m_error;
};
