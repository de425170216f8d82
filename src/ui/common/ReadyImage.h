// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QString>

namespace qvz {

// The pictures are embedded ready to draw, as their decoded pixels: decoding a JPEG or
// PNG costs more at start-up than building a window's controls. A ".argb32" resource is
// a header of three little-endian 32-bit numbers (width, height, and the QImage format,
// RGB32 or ARGB32_Premultiplied), then the rows of 4-byte pixels as QImage holds them on
// a little-endian machine. scripts/make-art writes them beside the pictures they come from.
//
// The image over the resource's own bytes, or a null image when the resource is missing
// or malformed. It is read-only: painting on it, or converting it, makes a copy.
QImage readyImage(const QString& resourcePath);

} // namespace qvz
