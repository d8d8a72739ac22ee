#include "framework/dib_image.h"

#include <QPixmap>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

#include "framework/resources.h"

namespace {

constexpr int kMaxSide = 4096;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::size_t kFileHeaderSize = 14;

// Little-endian fields; reading past the end yields nothing.
class ByteReader {
public:
    explicit ByteReader(std::span<const BYTE> bytes) : m_bytes(bytes) {}

    std::optional<std::uint32_t> U32(std::size_t offset) const {
        if (offset > m_bytes.size() || m_bytes.size() - offset < 4) {
            return std::nullopt;
        }
        return static_cast<std::uint32_t>(m_bytes[offset]) |
               static_cast<std::uint32_t>(m_bytes[offset + 1]) << 8 |
               static_cast<std::uint32_t>(m_bytes[offset + 2]) << 16 |
               static_cast<std::uint32_t>(m_bytes[offset + 3]) << 24;
    }
    std::optional<std::int32_t> I32(std::size_t offset) const {
        const auto v = U32(offset);
        return v ? std::optional<std::int32_t>(static_cast<std::int32_t>(*v)) : std::nullopt;
    }
    std::optional<std::uint16_t> U16(std::size_t offset) const {
        if (offset > m_bytes.size() || m_bytes.size() - offset < 2) {
            return std::nullopt;
        }
        return static_cast<std::uint16_t>(m_bytes[offset] | m_bytes[offset + 1] << 8);
    }
    // The n bytes at offset, or nothing when they are not all there.
    std::optional<std::span<const BYTE>> Bytes(std::size_t offset, std::size_t n) const {
        if (offset > m_bytes.size() || m_bytes.size() - offset < n) {
            return std::nullopt;
        }
        return m_bytes.subspan(offset, n);
    }

private:
    std::span<const BYTE> m_bytes;
};

std::size_t Stride(int width, int bitsPerPixel) {
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32) *
           4;
}

struct DibLayout {
    int width = 0;
    int height = 0;  // rows of colour pixels
    bool topDown = false;
    int bitsPerPixel = 0;
    std::vector<QRgb> colours;
    std::size_t pixelOffset = 0;  // from the start of the info header
};

// The info header and colour table at the start of `dib`. For an icon image the
// header's height counts the colour rows and the mask rows.
std::optional<DibLayout> ReadLayout(std::span<const BYTE> dib, bool iconImage) {
    const ByteReader in(dib);
    const auto headerSize = in.U32(0);
    const auto width = in.I32(4);
    const auto height = in.I32(8);
    const auto planes = in.U16(12);
    const auto bpp = in.U16(14);
    const auto compression = in.U32(16);
    const auto coloursUsed = in.U32(32);
    if (!headerSize || *headerSize < kInfoHeaderSize || !width || !height || !planes || !bpp ||
        !compression || !coloursUsed || *planes != 1 || *compression != 0) {
        return std::nullopt;
    }
    DibLayout layout;
    layout.bitsPerPixel = *bpp;
    if (layout.bitsPerPixel != 1 && layout.bitsPerPixel != 4 && layout.bitsPerPixel != 8 &&
        layout.bitsPerPixel != 24 && layout.bitsPerPixel != 32) {
        return std::nullopt;
    }
    layout.width = *width;
    std::int64_t rows = *height;
    if (iconImage) {
        rows /= 2;
    } else if (rows < 0) {
        layout.topDown = true;
        rows = -rows;
    }
    if (layout.width <= 0 || layout.width > kMaxSide || rows <= 0 || rows > kMaxSide) {
        return std::nullopt;
    }
    layout.height = static_cast<int>(rows);
    std::uint32_t tableSize = *coloursUsed;
    if (layout.bitsPerPixel <= 8) {
        const std::uint32_t most = 1u << layout.bitsPerPixel;
        if (tableSize == 0) {
            tableSize = most;
        }
        if (tableSize > most) {
            return std::nullopt;
        }
    } else if (tableSize > 256) {
        return std::nullopt;
    }
    const auto table = in.Bytes(*headerSize, static_cast<std::size_t>(tableSize) * 4);
    if (!table) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < tableSize; ++i) {
        const BYTE* q = table->data() + i * 4;  // blue, green, red, unused
        layout.colours.push_back(qRgb(q[2], q[1], q[0]));
    }
    layout.pixelOffset = *headerSize + static_cast<std::size_t>(tableSize) * 4;
    return layout;
}

QRgb PixelAt(const DibLayout& layout, const BYTE* row, int x) {
    switch (layout.bitsPerPixel) {
        case 24: {
            const BYTE* p = row + static_cast<std::size_t>(x) * 3;
            return qRgb(p[2], p[1], p[0]);
        }
        case 32: {
            const BYTE* p = row + static_cast<std::size_t>(x) * 4;
            return qRgba(p[2], p[1], p[0], p[3]);
        }
        default: {
            const int bpp = layout.bitsPerPixel;
            const std::size_t bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(bpp);
            const int shift = 8 - bpp - static_cast<int>(bit % 8);
            const unsigned index = (row[bit / 8] >> shift) & ((1u << bpp) - 1);
            return index < layout.colours.size() ? layout.colours[index] : qRgb(0, 0, 0);
        }
    }
}

// The colour pixels (and, for an icon image, the mask that follows them) of a DIB.
QImage DecodeDib(std::span<const BYTE> dib, bool iconImage,
                 std::optional<std::size_t> pixelOffset) {
    const auto layout = ReadLayout(dib, iconImage);
    if (!layout) {
        return {};
    }
    const ByteReader in(dib);
    const std::size_t stride = Stride(layout->width, layout->bitsPerPixel);
    const std::size_t offset = pixelOffset.value_or(layout->pixelOffset);
    const auto pixels = in.Bytes(offset, stride * static_cast<std::size_t>(layout->height));
    if (!pixels) {
        return {};
    }
    const std::size_t maskStride = Stride(layout->width, 1);
    const auto mask = iconImage ? in.Bytes(offset + pixels->size(),
                                           maskStride * static_cast<std::size_t>(layout->height))
                                : std::nullopt;
    // A 32-bit image carries its own transparency unless every alpha byte is 0.
    bool useAlpha = false;
    if (layout->bitsPerPixel == 32) {
        for (std::size_t i = 3; i < pixels->size(); i += 4) {
            useAlpha = useAlpha || (*pixels)[i] != 0;
        }
    }
    if (iconImage && !mask && !useAlpha) {
        return {};
    }
    QImage image(layout->width, layout->height, QImage::Format_ARGB32);
    for (int y = 0; y < layout->height; ++y) {
        const int sourceRow = layout->topDown ? y : layout->height - 1 - y;
        const BYTE* row = pixels->data() + stride * static_cast<std::size_t>(sourceRow);
        const BYTE* maskRow =
            mask ? mask->data() + maskStride * static_cast<std::size_t>(sourceRow) : nullptr;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < layout->width; ++x) {
            QRgb pixel = PixelAt(*layout, row, x);
            if (!useAlpha) {
                pixel = qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
            }
            if (maskRow != nullptr && !useAlpha && ((maskRow[x / 8] >> (7 - x % 8)) & 1) != 0) {
                pixel = qRgba(0, 0, 0, 0);
            }
            out[x] = pixel;
        }
    }
    return image;
}

}  // namespace

QImage AfxDecodeBitmap(std::span<const BYTE> bmpFile) {
    const ByteReader in(bmpFile);
    const auto magic = in.U16(0);
    const auto pixelOffset = in.U32(10);
    if (!magic || *magic != 0x4D42 || !pixelOffset || *pixelOffset < kFileHeaderSize) {
        return {};
    }
    return DecodeDib(bmpFile.subspan(kFileHeaderSize), false, *pixelOffset - kFileHeaderSize);
}

QIcon AfxDecodeIcon(std::span<const BYTE> icoFile) {
    const ByteReader in(icoFile);
    const auto reserved = in.U16(0);
    const auto type = in.U16(2);
    const auto count = in.U16(4);
    QIcon icon;
    if (!reserved || !type || !count || *reserved != 0 || *type != 1) {
        return icon;
    }
    for (std::size_t i = 0; i < *count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        const auto size = in.U32(entry + 8);
        const auto offset = in.U32(entry + 12);
        if (!size || !offset) {
            return {};
        }
        const auto data = in.Bytes(*offset, *size);
        if (!data) {
            return {};
        }
        static constexpr BYTE kPngSignature[] = {0x89, 'P', 'N', 'G'};
        QImage image;
        if (data->size() >= 4 &&
            std::equal(std::begin(kPngSignature), std::end(kPngSignature), data->begin())) {
            image = QImage::fromData(data->data(), static_cast<int>(data->size()), "PNG");
        } else {
            image = DecodeDib(*data, true, std::nullopt);
        }
        if (image.isNull()) {
            return {};
        }
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QImage AfxLoadSysColorBitmap(UINT nIDResource, const QPalette& palette) {
    QImage image = AfxDecodeBitmap(AfxFindBitmap(nIDResource));
    if (image.isNull()) {
        return image;
    }
    const struct {
        QRgb from;
        QRgb to;
    } kMap[] = {
        {qRgb(0, 0, 0), palette.color(QPalette::Active, QPalette::ButtonText).rgb()},
        {qRgb(128, 128, 128), palette.color(QPalette::Active, QPalette::Dark).rgb()},
        {qRgb(192, 192, 192), palette.color(QPalette::Active, QPalette::Button).rgb()},
        {qRgb(255, 255, 255), palette.color(QPalette::Active, QPalette::Light).rgb()},
    };
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            for (const auto& m : kMap) {
                if (line[x] == m.from) {
                    line[x] = m.to;
                    break;
                }
            }
        }
    }
    return image;
}

QIcon AfxLoadIcon(UINT nIDResource) {
    return AfxDecodeIcon(AfxFindIcon(nIDResource));
}
