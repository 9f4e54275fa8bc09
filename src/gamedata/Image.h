#pragma once

#include <cstdint>
#include <vector>

namespace qv {

// A decoded picture: rows from the top, each pixel 0xAARRGGBB (not premultiplied).
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t pixel(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

// `image` halved (each pixel the average of four) until neither side exceeds `maxSide`.
Image reducedTo(Image image, int maxSide);

}  // namespace qv
