#pragma once
// A minimal PNG encoder for test screenshots: 8-bit RGB, no compression (zlib "stored" blocks).

#include <cstdint>
#include <vector>

// pixels: width x height 32-bit pixels, rows top-down, bytes blue, green, red, unused.
std::vector<uint8_t> EncodePng(const uint8_t* pixels, int width, int height);
