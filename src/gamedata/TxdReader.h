#pragma once

#include <string_view>

#include "gamedata/Image.h"

namespace qv {

// The largest side of a texture the reader accepts.
inline constexpr int MaxTextureSide = 4096;

// The first texture of a RenderWare texture dictionary (.txd) for Direct3D 9 on the PC
// (platform 9; Direct3D 8's platform 8 reads too), at its full size: the largest mipmap level.
// DXT1, DXT3, DXT5 and the plain 32-, 24- and 16-bit formats and 8-bit grey decode. Anything
// else, a damaged or cut-off dictionary, a size out of bounds, throws Error with the reason.
Image readTxdTexture(std::string_view bytes);

}  // namespace qv
