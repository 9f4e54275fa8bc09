#include "gamedata/PixelFormat.h"

#include <array>
#include <cstdint>

namespace qv {
namespace {

std::uint32_t byteAt(std::string_view data, std::size_t index) {
    return static_cast<unsigned char>(data[index]);
}

std::uint32_t word16(std::string_view data, std::size_t index) {
    return byteAt(data, index) | byteAt(data, index + 1) << 8;
}

std::uint32_t word32(std::string_view data, std::size_t index) {
    return word16(data, index) | word16(data, index + 2) << 16;
}

std::uint32_t argb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return a << 24 | r << 16 | g << 8 | b;
}

// A channel of `bits` bits widened to 8, so that its largest value becomes 255.
std::uint32_t widen(std::uint32_t value, int bits) {
    return (value * 255 + ((1u << bits) - 1) / 2) / ((1u << bits) - 1);
}

struct Rgb {
    std::uint32_t r, g, b;
};

Rgb fromRgb565(std::uint32_t v) {
    return {widen(v >> 11 & 31, 5), widen(v >> 5 & 63, 6), widen(v & 31, 5)};
}

// The four colours of a DXT colour block; with `oneBitAlpha` (DXT1) and c0 <= c1 the fourth is
// transparent black.
std::array<std::uint32_t, 4> blockColours(std::uint32_t c0, std::uint32_t c1, bool oneBitAlpha) {
    const Rgb a = fromRgb565(c0);
    const Rgb b = fromRgb565(c1);
    std::array<std::uint32_t, 4> colours{argb(255, a.r, a.g, a.b), argb(255, b.r, b.g, b.b)};
    if (c0 > c1 || !oneBitAlpha) {
        colours[2] = argb(255, (2 * a.r + b.r) / 3, (2 * a.g + b.g) / 3, (2 * a.b + b.b) / 3);
        colours[3] = argb(255, (a.r + 2 * b.r) / 3, (a.g + 2 * b.g) / 3, (a.b + 2 * b.b) / 3);
    } else {
        colours[2] = argb(255, (a.r + b.r) / 2, (a.g + b.g) / 2, (a.b + b.b) / 2);
        colours[3] = 0;
    }
    return colours;
}

// The sixteen alphas of a DXT5 alpha block.
std::array<std::uint32_t, 16> interpolatedAlphas(std::string_view block) {
    const std::uint32_t a0 = byteAt(block, 0);
    const std::uint32_t a1 = byteAt(block, 1);
    std::array<std::uint32_t, 8> levels{a0, a1};
    if (a0 > a1) {
        for (std::uint32_t i = 1; i < 7; ++i) {
            levels[i + 1] = ((7 - i) * a0 + i * a1) / 7;
        }
    } else {
        for (std::uint32_t i = 1; i < 5; ++i) {
            levels[i + 1] = ((5 - i) * a0 + i * a1) / 5;
        }
        levels[6] = 0;
        levels[7] = 255;
    }
    std::uint64_t indices = 0;
    for (int i = 0; i < 6; ++i) {
        indices |= static_cast<std::uint64_t>(byteAt(block, 2 + static_cast<std::size_t>(i)))
                   << (8 * i);
    }
    std::array<std::uint32_t, 16> alphas{};
    for (std::size_t i = 0; i < 16; ++i) {
        alphas[i] = levels[indices >> (3 * i) & 7];
    }
    return alphas;
}

// The sixteen alphas of a DXT3 alpha block: four bits each.
std::array<std::uint32_t, 16> explicitAlphas(std::string_view block) {
    std::array<std::uint32_t, 16> alphas{};
    for (std::size_t i = 0; i < 16; ++i) {
        alphas[i] = (byteAt(block, i / 2) >> (4 * (i % 2)) & 15) * 17;
    }
    return alphas;
}

std::size_t blockBytes(PixelFormat format) {
    return format == PixelFormat::Dxt1 ? 8 : 16;
}

void decodeBlocks(PixelFormat format, std::string_view data, Image& image) {
    const int across = (image.width + 3) / 4;
    const int down = (image.height + 3) / 4;
    const std::size_t size = blockBytes(format);
    for (int by = 0; by < down; ++by) {
        for (int bx = 0; bx < across; ++bx) {
            const std::string_view block =
                data.substr(static_cast<std::size_t>(by * across + bx) * size, size);
            const std::string_view colour = block.substr(size - 8);
            const auto colours =
                blockColours(word16(colour, 0), word16(colour, 2), format == PixelFormat::Dxt1);
            std::array<std::uint32_t, 16> alphas{};
            if (format == PixelFormat::Dxt3) {
                alphas = explicitAlphas(block);
            } else if (format == PixelFormat::Dxt5) {
                alphas = interpolatedAlphas(block);
            }
            const std::uint32_t indices = word32(colour, 4);
            for (int i = 0; i < 16; ++i) {
                const int x = bx * 4 + i % 4;
                const int y = by * 4 + i / 4;
                if (x >= image.width || y >= image.height) {
                    continue;
                }
                std::uint32_t pixel = colours[indices >> (2 * i) & 3];
                if (format != PixelFormat::Dxt1) {
                    pixel = (pixel & 0x00FFFFFFu) | alphas[static_cast<std::size_t>(i)] << 24;
                }
                image.pixels[static_cast<std::size_t>(y * image.width + x)] = pixel;
            }
        }
    }
}

std::size_t bytesPerPixel(PixelFormat format) {
    switch (format) {
        case PixelFormat::Bgra8888:
        case PixelFormat::Bgrx8888:
            return 4;
        case PixelFormat::Bgr888:
            return 3;
        case PixelFormat::Lum8:
            return 1;
        default:
            return 2;
    }
}

std::uint32_t plainPixel(PixelFormat format, std::string_view data, std::size_t at) {
    switch (format) {
        case PixelFormat::Bgra8888:
            return word32(data, at);
        case PixelFormat::Bgrx8888:
            return word32(data, at) | 0xFF000000u;
        case PixelFormat::Bgr888:
            return argb(255, byteAt(data, at + 2), byteAt(data, at + 1), byteAt(data, at));
        case PixelFormat::Rgb565: {
            const Rgb c = fromRgb565(word16(data, at));
            return argb(255, c.r, c.g, c.b);
        }
        case PixelFormat::Argb1555:
        case PixelFormat::Xrgb1555: {
            const std::uint32_t v = word16(data, at);
            const std::uint32_t a = format == PixelFormat::Xrgb1555 || (v & 0x8000) ? 255 : 0;
            return argb(a, widen(v >> 10 & 31, 5), widen(v >> 5 & 31, 5), widen(v & 31, 5));
        }
        case PixelFormat::Argb4444: {
            const std::uint32_t v = word16(data, at);
            return argb((v >> 12 & 15) * 17, (v >> 8 & 15) * 17, (v >> 4 & 15) * 17, (v & 15) * 17);
        }
        case PixelFormat::Lum8: {
            const std::uint32_t l = byteAt(data, at);
            return argb(255, l, l, l);
        }
        default:
            return 0;
    }
}

bool isBlockFormat(PixelFormat format) {
    return format == PixelFormat::Dxt1 || format == PixelFormat::Dxt3 ||
           format == PixelFormat::Dxt5;
}

}  // namespace

std::size_t encodedSize(PixelFormat format, int width, int height) {
    const auto w = static_cast<std::size_t>(width);
    const auto h = static_cast<std::size_t>(height);
    if (isBlockFormat(format)) {
        return ((w + 3) / 4) * ((h + 3) / 4) * blockBytes(format);
    }
    return w * h * bytesPerPixel(format);
}

Image decodePixels(PixelFormat format, std::string_view data, int width, int height) {
    Image image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    if (isBlockFormat(format)) {
        decodeBlocks(format, data, image);
        return image;
    }
    const std::size_t step = bytesPerPixel(format);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        image.pixels[i] = plainPixel(format, data, i * step);
    }
    return image;
}

}  // namespace qv
