// See dpi_scale.h.
#include "base/dpi_scale.h"

#include <algorithm>
#include <cstdint>
#include <limits>

int ScaleToDpi(int value, int dpi, int fromDpi) {
  if (fromDpi <= 0) return value;
  const std::int64_t product = std::int64_t{value} * dpi;
  const std::int64_t half = product < 0 ? -(fromDpi / 2) : fromDpi / 2;
  const std::int64_t scaled = (product + half) / fromDpi;  // division truncates toward zero
  return static_cast<int>(std::clamp<std::int64_t>(scaled, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}
