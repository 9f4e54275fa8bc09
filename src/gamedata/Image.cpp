#include "gamedata/Image.h"

#include <algorithm>

namespace qv {
namespace {

std::uint32_t average(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
    std::uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t sum =
            (a >> shift & 0xFF) + (b >> shift & 0xFF) + (c >> shift & 0xFF) + (d >> shift & 0xFF);
        result |= (sum + 2) / 4 << shift;
    }
    return result;
}

Image halved(const Image& image) {
    Image half;
    half.width = std::max(1, image.width / 2);
    half.height = std::max(1, image.height / 2);
    half.pixels.resize(static_cast<std::size_t>(half.width) *
                       static_cast<std::size_t>(half.height));
    for (int y = 0; y < half.height; ++y) {
        const int y0 = std::min(2 * y, image.height - 1);
        const int y1 = std::min(2 * y + 1, image.height - 1);
        for (int x = 0; x < half.width; ++x) {
            const int x0 = std::min(2 * x, image.width - 1);
            const int x1 = std::min(2 * x + 1, image.width - 1);
            half.pixels[static_cast<std::size_t>(y * half.width + x)] = average(
                image.pixel(x0, y0), image.pixel(x1, y0), image.pixel(x0, y1), image.pixel(x1, y1));
        }
    }
    return half;
}

}  // namespace

Image reducedTo(Image image, int maxSide) {
    while (image.width > maxSide || image.height > maxSide) {
        image = halved(image);
    }
    return image;
}

}  // namespace qv
