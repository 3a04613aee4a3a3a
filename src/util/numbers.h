// Arithmetic on numbers taken from the user, which must never overflow a
// signed type.
#pragma once

#include <cstdint>

namespace cfgxlate {

// a + b with 32-bit two's-complement wrap-around.
inline int32_t AddWrapping(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

}  // namespace cfgxlate
