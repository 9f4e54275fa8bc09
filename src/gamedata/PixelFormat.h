#pragma once

#include <cstddef>
#include <string_view>

#include "gamedata/Image.h"

namespace qv {

// How a texture's pixels are stored, as Direct3D 9 keeps them in memory (little-endian words,
// so "Bgra8888" is D3DFMT_A8R8G8B8 byte by byte).
enum class PixelFormat {
    Dxt1,
    Dxt3,
    Dxt5,
    Bgra8888,  // 32 bits with alpha
    Bgrx8888,  // 32 bits, the fourth byte unused
    Bgr888,    // 24 bits
    Rgb565,
    Argb1555,
    Xrgb1555,
    Argb4444,
    Lum8,
};

// The bytes a picture of `width` × `height` takes in `format` (whole 4 × 4 blocks for DXT).
std::size_t encodedSize(PixelFormat format, int width, int height);

// Decodes a picture; `data` holds at least encodedSize() bytes.
Image decodePixels(PixelFormat format, std::string_view data, int width, int height);

}  // namespace qv
