// Text pieces of the schedule picture: XML escaping, milliseconds for
// people, coordinates, and a width estimate for deciding whether a label
// fits. No fonts are measured, so the picture is the same on every host.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cfgxlate {

// Text safe inside an XML attribute value or element. Names come from the
// configuration byte for byte: valid UTF-8 passes, any other byte becomes
// the character reference of its Latin-1 reading, and control characters
// XML does not allow become "?".
std::string XmlEscape(std::string_view text);

// Nanoseconds as exact milliseconds, without trailing zeros: 5000000 gives
// "5", 2500 gives "0.0025", -1500000 gives "-1.5".
std::string Milliseconds(int64_t nanoseconds);

// A coordinate with at most two decimals and no trailing zeros.
std::string Coordinate(double value);

// Estimated width in pixels of `text` in a proportional sans-serif face of
// `font_size`; generous, so that an estimate that fits really fits.
double TextWidth(std::string_view text, double font_size);

}  // namespace cfgxlate
