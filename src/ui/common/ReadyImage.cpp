// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/common/ReadyImage.h"

#include <QResource>
#include <QtEndian>

namespace qvz {

namespace {

constexpr qint64 kHeaderBytes = 12;
constexpr int kPixelBytes = 4;
// Keeps the size arithmetic below far from overflowing.
constexpr quint32 kMaxSide = 0xffff;

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the pixels are stored in little-endian order");

bool isReadyFormat(quint32 format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied;
}

} // namespace

QImage readyImage(const QString& resourcePath)
{
    const QResource resource(resourcePath);
    // The build embeds these uncompressed (src/CMakeLists.txt), so the bytes are the pixels.
    if (resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() < kHeaderBytes)
        return {};
    const uchar* bytes = resource.data();
    const quint32 width = qFromLittleEndian<quint32>(bytes);
    const quint32 height = qFromLittleEndian<quint32>(bytes + 4);
    const quint32 format = qFromLittleEndian<quint32>(bytes + 8);
    if (!isReadyFormat(format) || width > kMaxSide || height > kMaxSide ||
        resource.size() != kHeaderBytes + qint64(width) * height * kPixelBytes)
        return {};
    const QImage image(bytes + kHeaderBytes, int(width), int(height), int(width) * kPixelBytes,
                       QImage::Format(format));
    // QImage reads its pixels as 32-bit words; rcc does not promise to align the data.
    return quintptr(bytes + kHeaderBytes) % alignof(quint32) == 0 ? image : image.copy();
}

} // namespace qvz
