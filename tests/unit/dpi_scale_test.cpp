// Scaling from 96 DPI, rounded as MulDiv rounds (halves away from zero), worked out by hand at
// 125 %, 150 % and 175 %; the panel at those scales; and a window moved between displays of
// different scales.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>

#include "app/panel_layout.h"
#include "base/dpi_scale.h"
#include "resources/image_size.h"

namespace {

TEST(DpiScale, RoundsAsMulDiv) {
  const struct {
    int value, dpi, fromDpi, scaled;
  } cases[] = {
      {420, 96, 96, 420},     {-1, 96, 96, -1},        {420, 120, 96, 525},   {370, 120, 96, 463},
      {95, 120, 96, 119},     {21, 120, 96, 26},       {-11, 120, 96, -14},   {95, 144, 96, 143},
      {-11, 144, 96, -17},    {11, 144, 96, 17},       {370, 168, 96, 648},   {95, 168, 96, 166},
      {18, 168, 96, 32},      {-11, 168, 96, -19},     {16, 168, 96, 28},     {555, 96, 144, 370},
      {463, 96, 120, 370},    {-17, 96, 144, -11},     {INT_MAX, 192, 96, INT_MAX},
      {INT_MIN, 192, 96, INT_MIN},                     {7, 144, 0, 7},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ScaleToDpi(c.value, c.dpi, c.fromDpi), c.scaled)
        << c.value << " from " << c.fromDpi << " to " << c.dpi;
  }
}

TEST(DpiScale, PanelAt125And175Percent) {
  const struct {
    int dpi, width, height;
    LayoutRect PanelLayout::*control;
    LayoutRect expected;
  } cases[] = {
      {120, 515, 429, &PanelLayout::commandBox, {13, 10, 490, 26}},
      {120, 515, 429, &PanelLayout::compactButton, {13, 48, 23, 23}},
      {120, 515, 429, &PanelLayout::terminalList, {13, 100, 315, 173}},
      {120, 515, 429, &PanelLayout::windowOpsGroup, {340, 69, 163, 266}},
      {120, 515, 429, &PanelLayout::columnsEdit, {29, 125, 50, 26}},
      {168, 721, 600, &PanelLayout::commandBox, {18, 14, 686, 37}},
      {168, 721, 600, &PanelLayout::helpButton, {18, 544, 42, 42}},
      {168, 721, 600, &PanelLayout::selectionCountLabel, {441, 547, 263, 35}},
      {168, 721, 600, &PanelLayout::arrangeButton, {14, 219, 201, 92}},
  };
  for (const auto& c : cases) {
    const LayoutRect r = ComputePanelLayout(c.width, c.height, c.dpi).*c.control;
    const LayoutRect& e = c.expected;
    EXPECT_TRUE(r.x == e.x && r.y == e.y && r.width == e.width && r.height == e.height)
        << "at " << c.dpi << " dpi: " << r.x << ", " << r.y << ", " << r.width << ", " << r.height;
  }
}

constexpr LayoutRect PanelLayout::*kEveryControl[] = {
    &PanelLayout::commandBox,     &PanelLayout::compactButton,     &PanelLayout::listCaption,
    &PanelLayout::filterBox,      &PanelLayout::terminalList,      &PanelLayout::reverseOrderButton,
    &PanelLayout::invertSelectionButton, &PanelLayout::flashButton, &PanelLayout::windowOpsGroup,
    &PanelLayout::refreshButton,  &PanelLayout::helpButton,        &PanelLayout::selectionCountLabel,
    &PanelLayout::displayCombo,   &PanelLayout::menuBarButton,     &PanelLayout::areaCombo,
    &PanelLayout::columnsLabel,   &PanelLayout::columnsEdit,       &PanelLayout::rowsLabel,
    &PanelLayout::rowsEdit,       &PanelLayout::arrangeButton,     &PanelLayout::hideOthersButton};

// The button images (16 pixels at 96 DPI) at 100 % to 300 %, between the drawn sizes and beyond.
TEST(DpiScale, ImagesAreShrunkNeverEnlarged) {
  const int cases[][2] = {{12, 16}, {16, 16}, {17, 20}, {20, 20}, {23, 24}, {24, 24},
                          {28, 28}, {36, 40}, {48, 48}, {64, 48}};
  for (const auto& [pixels, drawn] : cases) {
    EXPECT_EQ(kImageSizes[ImageSizePlace(pixels)], drawn) << pixels;
  }
}

// WM_DPICHANGED suggests the window's size scaled to the new display: there every control lies
// within a pixel of its 96-DPI rectangle scaled, and back at 96 DPI the window, its remembered
// full-mode height and the panel are exactly what they were.
TEST(DpiScale, MovingBetweenScalesKeepsThePanel) {
  const int width = 404, height = 331, normalHeight = 370;
  const PanelLayout before = ComputePanelLayout(width, height, 96);
  for (const int dpi : {120, 144, 168, 192, 240}) {
    const int w = ScaleToDpi(width, dpi), h = ScaleToDpi(height, dpi);
    const PanelLayout there = ComputePanelLayout(w, h, dpi);
    for (const auto control : kEveryControl) {
      const LayoutRect scaled = ScaleRect(before.*control, dpi), r = there.*control;
      for (const int off : {r.x - scaled.x, r.y - scaled.y, r.width - scaled.width,
                            r.height - scaled.height}) {
        EXPECT_LE(std::abs(off), 1) << dpi << " dpi, " << r.x << ", " << r.y;
      }
    }
    const PanelLayout back =
        ComputePanelLayout(ScaleToDpi(w, 96, dpi), ScaleToDpi(h, 96, dpi), 96);
    EXPECT_EQ(std::memcmp(&back, &before, sizeof before), 0) << dpi;
    EXPECT_EQ(ScaleToDpi(ScaleToDpi(normalHeight, dpi), 96, dpi), normalHeight) << dpi;
  }
}

}  // namespace
