// SPDX-License-Identifier: MIT
// Any bytes as the plate picture's file: the end check that runs before Qt's readers see it, the one parser of
// bytes from outside that is the program's own.
#include "fuzz_checks.h"
#include "picture_ends.h"

#include <cstdint>
#include <initializer_list>

namespace {

// How many leading bytes say which walk the check takes; a shorter copy of the data takes another.
qsizetype signatureLength(const QByteArray &data)
{
    if (data.startsWith("GIF87a") || data.startsWith("GIF89a"))
        return 6;
    if (data.startsWith("\xFF\xD8") || data.startsWith("BM"))
        return 2;
    return 0;
}

QByteArray bytesOf(const uint8_t *data, qsizetype size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), size);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Over the fuzzer's own buffer, not a copy with room to spare: a read past its end is one ASan sees.
    const QByteArray bytes = bytesOf(data, qsizetype(size));
    const bool complete = pictureIsComplete(bytes);
    if (complete != pictureIsComplete(bytes))
        fail("the same bytes gave two answers");

    // Bytes after a complete picture do not count; the zero first cannot start another kind of picture.
    if (complete && !pictureIsComplete(bytes + QByteArray("\0\xFF\xD9\x3B more", 9)))
        fail("bytes after a complete picture made it cut short");

    // Cut short is cut short at every shorter length that is still the same kind of picture.
    const qsizetype signature = signatureLength(bytes);
    if (!complete && signature > 0) {
        for (const qsizetype length : {qsizetype(size) - 1, qsizetype(size) / 2, signature}) {
            if (length >= signature && length < qsizetype(size) && pictureIsComplete(bytesOf(data, length)))
                fail("a picture cut short is complete when cut shorter", QString::number(length));
        }
    }
    return 0;
}
