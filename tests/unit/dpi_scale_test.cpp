// Scaling from 96 DPI rounded as MulDiv rounds (halves away from zero), worked out by hand at
// 125 %, 150 % and 175 %; the button images' sizes; a window moved between display scales.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>

#include "app/panel_layout.h"
#include "base/dpi_scale.h"
#include "resources/image_size.h"

namespace {

TEST(DpiScale, RoundsAsMulDiv) {
  const int cases[][4] = {
      // value, dpi, from dpi, scaled
      {420, 96, 96, 420},  {370, 120, 96, 463},         {95, 120, 96, 119},
      {21, 120, 96, 26},   {-11, 120, 96, -14},         {95, 144, 96, 143},
      {-11, 144, 96, -17}, {370, 168, 96, 648},         {95, 168, 96, 166},
      {18, 168, 96, 32},   {-11, 168, 96, -19},         {555, 96, 144, 370},
      {-17, 96, 144, -11}, {INT_MAX, 192, 96, INT_MAX}, {INT_MIN, 192, 96, INT_MIN},
      {7, 144, 0, 7}};
  for (const auto& [value, dpi, from, scaled] : cases) {
    EXPECT_EQ(ScaleToDpi(value, dpi, from), scaled) << value << " from " << from << " to " << dpi;
  }
}

TEST(DpiScale, ImagesAreShrunkNeverEnlarged) {
  for (const auto& [pixels, drawn] :
       {std::pair{12, 16}, {16, 16}, {17, 20}, {23, 24}, {28, 28}, {36, 40}, {48, 48}, {64, 48}}) {
    EXPECT_EQ(kImageSizes[ImageSizePlace(pixels)], drawn) << pixels;
  }
}

// WM_DPICHANGED suggests the window's size scaled to the new display: there the controls that
// follow the window's edges lie within a pixel of their 96-DPI rectangles scaled, and back at
// 96 DPI the window, its remembered full-mode height and the panel are what they were.
TEST(DpiScale, MovingBetweenScalesKeepsThePanel) {
  const PanelLayout before = ComputePanelLayout(404, 331, 96);
  for (const int dpi : {120, 144, 168, 192, 240}) {
    const int w = ScaleToDpi(404, dpi), h = ScaleToDpi(331, dpi);
    const PanelLayout there = ComputePanelLayout(w, h, dpi);
    for (const auto control : {&PanelLayout::commandBox, &PanelLayout::terminalList,
                               &PanelLayout::flashButton, &PanelLayout::windowOpsGroup,
                               &PanelLayout::selectionCountLabel, &PanelLayout::hideOthersButton}) {
      const LayoutRect scaled = ScaleRect(before.*control, dpi), r = there.*control;
      EXPECT_LE(std::abs(r.x - scaled.x) + std::abs(r.width - scaled.width), 1) << dpi;
      EXPECT_LE(std::abs(r.y - scaled.y) + std::abs(r.height - scaled.height), 1) << dpi;
    }
    const PanelLayout back = ComputePanelLayout(ScaleToDpi(w, 96, dpi), ScaleToDpi(h, 96, dpi), 96);
    EXPECT_EQ(std::memcmp(&back, &before, sizeof before), 0) << dpi;
    EXPECT_EQ(ScaleToDpi(ScaleToDpi(370, dpi), 96, dpi), 370) << dpi;
  }
}

}  // namespace
