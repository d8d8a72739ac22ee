// Inside the layer: pictures from resources. Bitmaps are BMP file bytes, icons ICO
// file bytes (each holds one or more images with a transparency mask). Uses Qt; the
// program's own code never includes this header.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPalette>
#include <span>

#include "framework/afx_types.h"

// An uncompressed BMP of 1, 4, 8, 24 or 32 bits a pixel; a null image when the bytes
// are not one.
QImage AfxDecodeBitmap(std::span<const BYTE> bmpFile);
// Every image of an ICO; an empty icon when the bytes are not one.
QIcon AfxDecodeIcon(std::span<const BYTE> icoFile);

// Bitmap nIDResource with its black, dark grey (128, 128, 128), light grey (192, 192,
// 192) and white drawn in the palette's button text, shadow, face and highlight
// colours, as bitmaps made for buttons expect. Null when there is no such bitmap.
QImage AfxLoadSysColorBitmap(UINT nIDResource, const QPalette& palette);
// Icon nIDResource; an empty icon when there is none.
QIcon AfxLoadIcon(UINT nIDResource);
