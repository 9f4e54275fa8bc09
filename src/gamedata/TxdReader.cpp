#include "gamedata/TxdReader.h"

#include <cstdint>
#include <optional>
#include <string>

#include "gamedata/ByteReader.h"
#include "gamedata/PixelFormat.h"
#include "model/Error.h"
#include "platform/Translation.h"

namespace qv {
namespace {

// RenderWare chunk types.
constexpr std::uint32_t StructChunk = 0x01;
constexpr std::uint32_t TextureNativeChunk = 0x15;
constexpr std::uint32_t TextureDictionaryChunk = 0x16;

constexpr std::uint32_t PlatformD3D8 = 8;
constexpr std::uint32_t PlatformD3D9 = 9;

// Raster format: the pixel format in bits 8 to 11, and flags.
constexpr std::uint32_t RasterPixelMask = 0x0F00;
constexpr std::uint32_t RasterPalette8 = 0x2000;
constexpr std::uint32_t RasterPalette4 = 0x4000;

constexpr std::uint32_t fourCc(char a, char b, char c, char d) {
    return static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b) << 8 |
           static_cast<std::uint32_t>(c) << 16 | static_cast<std::uint32_t>(d) << 24;
}

std::string truncated() {
    return translate("TxdReader", "словарь текстур обрывается");
}

// The body of the next chunk, which must be of `type`: the RenderWare chunk header is its type,
// its size and the RenderWare version. `what` names the chunk, marked for the catalogue.
std::string_view expectChunk(ByteReader& reader, std::uint32_t type, const char* what) {
    if (reader.u32() != type) {
        throw Error(formatText(translate("TxdReader", "не словарь текстур RenderWare: нет %1"),
                               {translate("TxdReader", what)}));
    }
    const std::uint32_t size = reader.u32();
    reader.skip(4);
    return reader.take(size);
}

std::optional<PixelFormat> fromD3dFormat(std::uint32_t format) {
    switch (format) {
        case fourCc('D', 'X', 'T', '1'):
            return PixelFormat::Dxt1;
        case fourCc('D', 'X', 'T', '2'):
        case fourCc('D', 'X', 'T', '3'):
            return PixelFormat::Dxt3;
        case fourCc('D', 'X', 'T', '4'):
        case fourCc('D', 'X', 'T', '5'):
            return PixelFormat::Dxt5;
        case 20:  // D3DFMT_R8G8B8
            return PixelFormat::Bgr888;
        case 21:  // D3DFMT_A8R8G8B8
            return PixelFormat::Bgra8888;
        case 22:  // D3DFMT_X8R8G8B8
            return PixelFormat::Bgrx8888;
        case 23:  // D3DFMT_R5G6B5
            return PixelFormat::Rgb565;
        case 24:  // D3DFMT_X1R5G5B5
            return PixelFormat::Xrgb1555;
        case 25:  // D3DFMT_A1R5G5B5
            return PixelFormat::Argb1555;
        case 26:  // D3DFMT_A4R4G4B4
            return PixelFormat::Argb4444;
        case 50:  // D3DFMT_L8
            return PixelFormat::Lum8;
        default:
            return std::nullopt;
    }
}

std::optional<PixelFormat> fromRasterFormat(std::uint32_t raster, int depth) {
    switch (raster & RasterPixelMask) {
        case 0x0100:
            return PixelFormat::Argb1555;
        case 0x0200:
            return PixelFormat::Rgb565;
        case 0x0300:
            return PixelFormat::Argb4444;
        case 0x0400:
            return PixelFormat::Lum8;
        case 0x0500:
            return PixelFormat::Bgra8888;
        case 0x0600:
            return depth == 24 ? PixelFormat::Bgr888 : PixelFormat::Bgrx8888;
        case 0x0A00:
            return PixelFormat::Xrgb1555;
        default:
            return std::nullopt;
    }
}

// Direct3D 8 names its compression by number in the last byte of the raster header.
std::optional<PixelFormat> fromD3d8Compression(std::uint8_t compression) {
    switch (compression) {
        case 1:
            return PixelFormat::Dxt1;
        case 3:
            return PixelFormat::Dxt3;
        case 5:
            return PixelFormat::Dxt5;
        default:
            return std::nullopt;
    }
}

Image readNativeTexture(std::string_view native) {
    ByteReader reader(native, truncated());
    const std::uint32_t platform = reader.u32();
    if (platform != PlatformD3D9 && platform != PlatformD3D8) {
        throw Error(formatText(translate("TxdReader", "текстура не для Direct3D (платформа %1)"),
                               {std::to_string(platform)}));
    }
    reader.skip(4 + 32 + 32);  // filtering and addressing, the name, the mask's name
    const std::uint32_t raster = reader.u32();
    const std::uint32_t d3dFormat = reader.u32();
    const int width = reader.u16();
    const int height = reader.u16();
    const int depth = reader.u8();
    const int levels = reader.u8();
    reader.skip(1);  // the raster type
    const std::uint8_t flags = reader.u8();

    if (raster & (RasterPalette8 | RasterPalette4)) {
        throw Error(translate("TxdReader", "текстура с палитрой не поддерживается"));
    }
    if (width < 1 || height < 1 || width > MaxTextureSide || height > MaxTextureSide) {
        throw Error(formatText(translate("TxdReader", "размер текстуры %1×%2 вне пределов"),
                               {std::to_string(width), std::to_string(height)}));
    }
    if (levels < 1) {
        throw Error(translate("TxdReader", "у текстуры нет ни одного уровня"));
    }
    std::optional<PixelFormat> format;
    if (platform == PlatformD3D9) {
        format = fromD3dFormat(d3dFormat);
    } else {
        format = fromD3d8Compression(flags);
    }
    if (!format) {
        format = fromRasterFormat(raster, depth);
    }
    if (!format) {
        throw Error(translate("TxdReader", "формат текстуры не поддерживается"));
    }
    const std::uint32_t size = reader.u32();
    const std::size_t needed = encodedSize(*format, width, height);
    if (size < needed) {
        throw Error(translate("TxdReader", "данных текстуры меньше, чем нужно для её размера"));
    }
    return decodePixels(*format, reader.take(size), width, height);
}

}  // namespace

Image readTxdTexture(std::string_view bytes) {
    ByteReader file(bytes, truncated());
    ByteReader dictionary(
        expectChunk(file, TextureDictionaryChunk, QT_TRANSLATE_NOOP("TxdReader", "словаря")),
        truncated());
    ByteReader header(
        expectChunk(dictionary, StructChunk, QT_TRANSLATE_NOOP("TxdReader", "заголовка словаря")),
        truncated());
    if (header.u16() == 0) {
        throw Error(translate("TxdReader", "в словаре нет текстур"));
    }
    ByteReader texture(
        expectChunk(dictionary, TextureNativeChunk, QT_TRANSLATE_NOOP("TxdReader", "текстуры")),
        truncated());
    return readNativeTexture(
        expectChunk(texture, StructChunk, QT_TRANSLATE_NOOP("TxdReader", "данных текстуры")));
}

}  // namespace qv
