// The program icon as ready-made pixels (0xAARRGGBB, row by row): decoding
// PNG files at start-up costs more than building the whole entry window.
// The build writes them from resources/ardentis-32.png and -64.png.
#pragma once

#include <cstdint>

namespace windows::style::iconpixels {

extern const std::uint32_t Icon32[32 * 32];
extern const std::uint32_t Icon64[64 * 64];

}  // namespace windows::style::iconpixels
