// See image_size.h.
#include "resources/image_size.h"

#include <iterator>

int ImageSizePlace(int pixels) {
  const int count = static_cast<int>(std::size(kImageSizes));
  for (int place = 0; place < count; ++place) {
    if (kImageSizes[place] >= pixels) return place;
  }
  return count - 1;
}
