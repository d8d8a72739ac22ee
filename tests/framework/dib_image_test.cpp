// Bitmaps and icons from their file bytes, and the button colours of toolbar bitmaps.
#include "framework/dib_image.h"

#include <gtest/gtest.h>

#include <QPixmap>
#include <cstdint>
#include <vector>

#include "framework/resources.h"
#include "qt_app_fixture.h"

namespace {

using Bytes = std::vector<BYTE>;

void Put16(Bytes& out, unsigned v) {
    out.push_back(static_cast<BYTE>(v));
    out.push_back(static_cast<BYTE>(v >> 8));
}
void Put32(Bytes& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// An info header, a 16-colour table (black, dark grey, light grey, white, red, then
// black) and 4-bit rows as given (each already padded to four bytes).
Bytes Dib4(int width, int height, const Bytes& rows) {
    Bytes out;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(rows.size()));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 16);
    Put32(out, 0);
    const BYTE table[][3] = {
        {0, 0, 0}, {128, 128, 128}, {192, 192, 192}, {255, 255, 255}, {255, 0, 0}};
    for (int i = 0; i < 16; ++i) {
        const BYTE* rgb = i < 5 ? table[i] : table[0];
        out.insert(out.end(), {rgb[2], rgb[1], rgb[0], 0});
    }
    out.insert(out.end(), rows.begin(), rows.end());
    return out;
}

Bytes Bmp(const Bytes& dib) {
    Bytes out{'B', 'M'};
    Put32(out, static_cast<std::uint32_t>(14 + dib.size()));
    Put32(out, 0);
    Put32(out, 14 + 40 + 64);
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
}

Bytes Ico(const std::vector<std::pair<int, Bytes>>& images) {
    Bytes out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const auto& [size, dib] : images) {
        out.insert(out.end(), {static_cast<BYTE>(size), static_cast<BYTE>(size), 16, 0});
        Put16(out, 1);
        Put16(out, 4);
        Put32(out, static_cast<std::uint32_t>(dib.size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(dib.size());
    }
    for (const auto& image : images) {
        out.insert(out.end(), image.second.begin(), image.second.end());
    }
    return out;
}

// 3 x 2 pixels, bottom row first: light grey, white, red; then on top black, dark
// grey, black.
const Bytes kRows = {0x23, 0x40, 0, 0, 0x01, 0x00, 0, 0};

TEST(DibImage, BitmapRowsRunBottomUpThroughTheColourTable) {
    const QImage image = AfxDecodeBitmap(Bmp(Dib4(3, 2, kRows)));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(128, 128, 128));
    EXPECT_EQ(image.pixel(0, 1), qRgb(192, 192, 192));
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(2, 1), qRgb(255, 0, 0));
}

TEST(DibImage, IconMaskMakesPixelsTransparent) {
    Bytes dib = Dib4(3, 4, kRows);  // an icon image counts its mask rows in the height
    dib.insert(dib.end(), {0x40, 0, 0, 0, 0x80, 0, 0, 0});  // bottom middle, top left clear
    const QIcon icon = AfxDecodeIcon(Ico({{3, dib}}));
    ASSERT_FALSE(icon.isNull());
    const QImage image = icon.pixmap(3, 2).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(image.pixel(1, 0), qRgb(128, 128, 128));
    EXPECT_EQ(image.pixel(0, 1), qRgb(192, 192, 192));
    EXPECT_EQ(qAlpha(image.pixel(1, 1)), 0);
    EXPECT_EQ(image.pixel(2, 1), qRgb(255, 0, 0));
}

TEST(DibImage, MalformedBytesGiveNoPicture) {
    const Bytes good = Bmp(Dib4(3, 2, kRows));
    Bytes truncated(good.begin(), good.end() - 1);
    Bytes badMagic = good;
    badMagic[0] = 'X';
    Bytes huge = good;
    huge[14 + 4 + 2] = 0x10;  // width 0x100002
    Bytes tooManyColours = good;
    tooManyColours[14 + 32] = 17;
    Bytes compressed = good;
    compressed[14 + 16] = 2;
    for (const Bytes& bytes : {truncated, badMagic, huge, tooManyColours, compressed, Bytes{}}) {
        EXPECT_TRUE(AfxDecodeBitmap(bytes).isNull());
    }
    const Bytes ico = Ico({{3, Dib4(3, 4, kRows)}});  // the mask is missing
    EXPECT_TRUE(AfxDecodeIcon(ico).isNull());
    EXPECT_TRUE(AfxDecodeIcon(Bytes(ico.begin(), ico.begin() + 10)).isNull());
}

TEST(DibImage, ButtonBitmapTakesThePalettesButtonColours) {
    static const Bytes bitmap = Bmp(Dib4(3, 2, kRows));
    static const BinaryResource bitmaps[] = {{7, bitmap}};
    static AfxResourceSet set;
    set.bitmaps = bitmaps;
    AfxSetResources(set);
    QPalette palette;
    palette.setColor(QPalette::ButtonText, QColor(1, 2, 3));
    palette.setColor(QPalette::Dark, QColor(4, 5, 6));
    palette.setColor(QPalette::Button, QColor(7, 8, 9));
    palette.setColor(QPalette::Light, QColor(10, 11, 12));
    const QImage image = AfxLoadSysColorBitmap(7, palette);
    EXPECT_EQ(image.pixel(0, 0), qRgb(1, 2, 3));
    EXPECT_EQ(image.pixel(1, 0), qRgb(4, 5, 6));
    EXPECT_EQ(image.pixel(0, 1), qRgb(7, 8, 9));
    EXPECT_EQ(image.pixel(1, 1), qRgb(10, 11, 12));
    EXPECT_EQ(image.pixel(2, 1), qRgb(255, 0, 0));  // other colours stay
    EXPECT_TRUE(AfxLoadSysColorBitmap(8, palette).isNull());
    static const AfxResourceSet none{};
    AfxSetResources(none);
}

}  // namespace
