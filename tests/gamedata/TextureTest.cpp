#include <gtest/gtest.h>

#include "ErrorOf.h"
#include "GameFixtures.h"
#include "gamedata/Image.h"
#include "gamedata/TxdReader.h"

namespace qv {
namespace {

using test::dxt1Block;
using test::le16;
using test::le32;
using test::textureDictionary;
using test::TextureHeader;

constexpr std::uint32_t Dxt3 = 0x33545844;
constexpr std::uint32_t Dxt5 = 0x35545844;

constexpr std::uint16_t Red = 0xF800;
constexpr std::uint16_t Blue = 0x001F;

Image decode(const TextureHeader& header, const std::string& pixels) {
    return readTxdTexture(textureDictionary(header, pixels));
}

TEST(Texture, Dxt1BlocksDecodeToTheirPaletteInBothModes) {
    // Indices 0, 1, 2, 3 along the first row, then 1 everywhere else.
    const std::uint32_t indices = 0b11100100u | 0x55555500u;
    TextureHeader header;
    header.width = 8;
    header.height = 4;
    // Four colours (red before blue), then three and transparent (blue before red).
    const Image image =
        decode(header, dxt1Block(Red, Blue, indices) + dxt1Block(Blue, Red, indices));
    ASSERT_EQ(image.width, 8);
    ASSERT_EQ(image.height, 4);
    EXPECT_EQ(image.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(1, 0), 0xFF0000FFu);
    EXPECT_EQ(image.pixel(2, 0), 0xFFAA0055u);  // two thirds red
    EXPECT_EQ(image.pixel(3, 0), 0xFF5500AAu);  // one third red
    EXPECT_EQ(image.pixel(3, 3), 0xFF0000FFu);
    EXPECT_EQ(image.pixel(4, 0), 0xFF0000FFu);
    EXPECT_EQ(image.pixel(5, 0), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(6, 0), 0xFF7F007Fu);  // half way
    EXPECT_EQ(image.pixel(7, 0), 0x00000000u);  // transparent black
}

TEST(Texture, DxtBlocksCoverSidesThatAreNoMultipleOfFour) {
    TextureHeader header;
    header.width = 5;
    header.height = 3;
    const Image image = decode(header, dxt1Block(Red, Red, 0) + dxt1Block(Blue, Blue, 0));
    EXPECT_EQ(image.pixels.size(), 15u);
    EXPECT_EQ(image.pixel(3, 2), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(4, 2), 0xFF0000FFu);
}

TEST(Texture, Dxt3AndDxt5CarryTheirAlpha) {
    TextureHeader header;
    header.d3dFormat = Dxt3;
    header.rasterFormat = 0x0300;
    // Alpha 4 bits a pixel: pixel 0 gets 0x3, pixel 1 0xF, the rest 0.
    std::string alpha = std::string(1, char(0xF3)) + std::string(7, '\0');
    Image image = decode(header, alpha + dxt1Block(Blue, Red, 0));
    EXPECT_EQ(image.pixel(0, 0), 0x330000FFu);  // four colours even though blue < red
    EXPECT_EQ(image.pixel(1, 0), 0xFF0000FFu);
    EXPECT_EQ(image.pixel(2, 0), 0x000000FFu);

    header.d3dFormat = Dxt5;
    // a0 = 255, a1 = 0: index 0 -> 255, 1 -> 0, 2 -> 6/7 of 255; pixel 0 index 2, pixel 1 index 1.
    alpha = std::string{char(255), char(0), char(0b00001010), 0, 0, 0, 0, 0};
    image = decode(header, alpha + dxt1Block(Red, Red, 0));
    EXPECT_EQ(image.pixel(0, 0) >> 24, 218u);
    EXPECT_EQ(image.pixel(1, 0) >> 24, 0u);
    EXPECT_EQ(image.pixel(2, 0), 0xFFFF0000u);
}

TEST(Texture, PlainFormatsReadTheirBytesInDirect3DOrder) {
    TextureHeader header;
    header.width = 2;
    header.height = 1;

    header.d3dFormat = 21;  // A8R8G8B8: bytes B, G, R, A
    header.rasterFormat = 0x0500;
    header.depth = 32;
    Image image = decode(header, "\x01\x02\x03\x80\x10\x20\x30\x40");
    EXPECT_EQ(image.pixel(0, 0), 0x80030201u);
    EXPECT_EQ(image.pixel(1, 0), 0x40302010u);

    header.d3dFormat = 0;  // unnamed: the raster format decides; 888 at 24 bits is three bytes
    header.rasterFormat = 0x0600;
    header.depth = 24;
    image = decode(header, "\x01\x02\x03\x04\x05\x06");
    EXPECT_EQ(image.pixel(1, 0), 0xFF060504u);

    header.d3dFormat = 23;  // R5G6B5
    header.rasterFormat = 0x0200;
    header.depth = 16;
    image = decode(header, le16(0x07E0) + le16(0xFFFF));
    EXPECT_EQ(image.pixel(0, 0), 0xFF00FF00u);
    EXPECT_EQ(image.pixel(1, 0), 0xFFFFFFFFu);

    header.d3dFormat = 25;  // A1R5G5B5
    image = decode(header, le16(0x7C00) + le16(0x801F));
    EXPECT_EQ(image.pixel(0, 0), 0x00FF0000u);
    EXPECT_EQ(image.pixel(1, 0), 0xFF0000FFu);
}

TEST(Texture, DamagedDictionariesAreRefusedWithTheirReason) {
    const std::string block = dxt1Block(Red, Red, 0);
    TextureHeader header;
    EXPECT_EQ(test::errorOf([&] { readTxdTexture("not a dictionary at all"); }),
              "не словарь текстур RenderWare: нет словаря");
    header.platform = 6;
    EXPECT_EQ(test::errorOf([&] { decode(header, block); }),
              "текстура не для Direct3D (платформа 6)");
    header.platform = 9;
    header.width = 8;
    EXPECT_EQ(test::errorOf([&] { decode(header, block); }),
              "данных текстуры меньше, чем нужно для её размера");
    header.width = 0;
    EXPECT_EQ(test::errorOf([&] { decode(header, block); }), "размер текстуры 0×4 вне пределов");
    header.width = 4;
    header.rasterFormat = 0x2500;
    EXPECT_EQ(test::errorOf([&] { decode(header, block); }),
              "текстура с палитрой не поддерживается");
    header.rasterFormat = 0x0200;
    header.d3dFormat = 0x12345678;
    header.rasterFormat = 0x0700;
    EXPECT_EQ(test::errorOf([&] { decode(header, block); }), "формат текстуры не поддерживается");

    // Every cut of a good dictionary is refused, none is read past its end.
    const std::string whole = textureDictionary(TextureHeader{}, block);
    for (std::size_t size = 0; size < whole.size(); ++size) {
        EXPECT_NE(test::errorOf([&] { readTxdTexture(whole.substr(0, size)); }), "(no error)")
            << size;
    }
}

TEST(Texture, LargeTilesAreHalvedToTheLimitByAveraging) {
    Image image;
    image.width = 8;
    image.height = 2;
    image.pixels.assign(16, 0xFF000000u);
    image.pixels[0] = 0xFFFFFFFFu;  // one white pixel of the first four
    const Image reduced = reducedTo(image, 4);
    ASSERT_EQ(reduced.width, 4);
    ASSERT_EQ(reduced.height, 1);
    EXPECT_EQ(reduced.pixel(0, 0), 0xFF404040u);
    EXPECT_EQ(reduced.pixel(1, 0), 0xFF000000u);
}

}  // namespace
}  // namespace qv
