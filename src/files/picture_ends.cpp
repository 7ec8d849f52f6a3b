// SPDX-License-Identifier: MIT
#include "picture_ends.h"

#include <QtNumeric>

#include <cstdlib>

namespace {

uint byteAt(const QByteArray &data, qsizetype at)
{
    return uchar(data[at]);
}

uint littleEndian(const QByteArray &data, qsizetype at, int bytes)
{
    uint value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | byteAt(data, at + i);
    return value;
}

// From the start-of-image marker, segment by segment, through the coded data of every scan, to the end-of-image
// marker. A thumbnail inside a segment has its own markers, skipped with the segment.
bool jpegIsComplete(const QByteArray &data)
{
    const qsizetype size = data.size();
    qsizetype at = 2;
    while (at + 1 < size) {
        if (byteAt(data, at) != 0xFF)
            return false;
        const uint marker = byteAt(data, at + 1);
        if (marker == 0xFF) { // fill byte before a marker
            ++at;
            continue;
        }
        at += 2;
        if (marker == 0xD9)
            return true;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;
        if (at + 1 >= size)
            return false;
        at += qsizetype(byteAt(data, at)) << 8 | byteAt(data, at + 1);
        if (marker != 0xDA)
            continue;
        // Coded data: 0xFF is followed by 0 (a stuffed byte) or a restart marker inside it; anything else ends it.
        while (at + 1 < size) {
            if (byteAt(data, at) == 0xFF) {
                const uint next = byteAt(data, at + 1);
                if (next != 0 && !(next >= 0xD0 && next <= 0xD7))
                    break;
                at += 2;
            } else {
                ++at;
            }
        }
    }
    return false;
}

// Blocks of data, each led by its length, until one of length 0.
bool skipSubBlocks(const QByteArray &data, qsizetype &at)
{
    while (at < data.size()) {
        const uint length = byteAt(data, at);
        at += 1 + length;
        if (length == 0)
            return at <= data.size();
    }
    return false;
}

// Header, screen descriptor and colour table, then extensions and pictures, to the trailer.
bool gifIsComplete(const QByteArray &data)
{
    const qsizetype size = data.size();
    if (size < 13)
        return false;
    const auto colourTableBytes = [](uint flags) { return flags & 0x80 ? 3 * (2 << (flags & 7)) : 0; };
    qsizetype at = 13 + colourTableBytes(byteAt(data, 10));
    while (at < size) {
        const uint block = byteAt(data, at);
        if (block == 0x3B)
            return true;
        if (block == 0x21) {
            at += 2;
        } else if (block == 0x2C) {
            if (at + 10 > size)
                return false;
            at += 10 + colourTableBytes(byteAt(data, at + 9)) + 1; // descriptor, colour table, code size
        } else {
            return false;
        }
        if (!skipSubBlocks(data, at))
            return false;
    }
    return false;
}

// The file header says where the pixels start; the info header gives their rows, or their packed size.
bool bmpIsComplete(const QByteArray &data)
{
    if (data.size() < 26)
        return false;
    const qint64 pixelsStart = littleEndian(data, 10, 4);
    const uint headerSize = littleEndian(data, 14, 4);
    qint64 width, height, bitsPerPixel, compression = 0, packedSize = 0;
    if (headerSize == 12) {
        width = littleEndian(data, 18, 2);
        height = littleEndian(data, 20, 2);
        bitsPerPixel = littleEndian(data, 24, 2);
    } else {
        if (data.size() < 38)
            return false;
        width = qint32(littleEndian(data, 18, 4));
        height = qint32(littleEndian(data, 22, 4));
        bitsPerPixel = littleEndian(data, 28, 2);
        compression = littleEndian(data, 30, 4);
        packedSize = littleEndian(data, 34, 4);
    }
    qint64 pixelBytes;
    if (compression == 0 || compression == 3 || compression == 6) { // rows, each padded to 4 bytes
        // A header can claim more rows than any file holds, more bytes than a qint64 counts.
        if (qMulOverflow((std::abs(width) * bitsPerPixel + 31) / 32 * 4, std::abs(height), &pixelBytes))
            return false;
    } else if (compression == 1 || compression == 2) { // run lengths
        pixelBytes = packedSize;
    } else {
        return true;
    }
    return data.size() - pixelsStart >= pixelBytes;
}

} // namespace

bool pictureIsComplete(const QByteArray &data)
{
    if (data.startsWith("\xFF\xD8"))
        return jpegIsComplete(data);
    if (data.startsWith("GIF87a") || data.startsWith("GIF89a"))
        return gifIsComplete(data);
    if (data.startsWith("BM"))
        return bmpIsComplete(data);
    return true;
}
