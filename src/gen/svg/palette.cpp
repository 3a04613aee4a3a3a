#include "gen/svg/palette.h"

#include <cstdint>

#include "util/text.h"

namespace cfgxlate {

namespace {

struct Rgb {
  double r, g, b;
};

// Hues far apart, none of them grey (grey marks the kernel and idle time).
constexpr uint32_t kBase[kPaletteSize] = {0x1f77b4, 0xff7f0e, 0x2ca02c, 0xd62728, 0x9467bd, 0x8c564b,
                                          0xe377c2, 0xbcbd22, 0x17becf, 0xffd92f, 0x393b79, 0x66c2a5};

Rgb FromHex(uint32_t value) {
  return {static_cast<double>((value >> 16) & 0xFF), static_cast<double>((value >> 8) & 0xFF),
          static_cast<double>(value & 0xFF)};
}

// `amount` of the way from `c` to `target` (0 keeps c).
Rgb Mix(Rgb c, double target, double amount) {
  return {c.r + (target - c.r) * amount, c.g + (target - c.g) * amount, c.b + (target - c.b) * amount};
}

int Channel(double value) { return static_cast<int>(value + 0.5); }

// Relative luminance with the usual sRGB weights, on a 0..1 scale.
double Luminance(Rgb c) { return (0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b) / 255.0; }

BarColour Colour(Rgb c) {
  return {Format("#%02x%02x%02x", Channel(c.r), Channel(c.g), Channel(c.b)),
          Luminance(c) > 0.5 ? "#000000" : "#ffffff"};
}

}  // namespace

BarColour PartitionColour(size_t slot) {
  const Rgb base = FromHex(kBase[slot % kPaletteSize]);
  // Beyond the base list: lighter tints, then darker shades, then again.
  switch ((slot / kPaletteSize) % 3) {
    case 1: return Colour(Mix(base, 255.0, 0.5));
    case 2: return Colour(Mix(base, 0.0, 0.4));
    default: return Colour(base);
  }
}

BarColour KernelColour() { return {"#4a4a4a", "#ffffff"}; }

}  // namespace cfgxlate
