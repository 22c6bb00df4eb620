// Reading what is on the screen: the pixels of a screen rectangle or of a window's screen area.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "harness/wait.h"

namespace e2e {

// 32-bit pixels, top row first, each 0xAARRGGBB read as a little-endian BGRA quad.
struct Capture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;

  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  bool Empty() const { return pixels.empty(); }
};

// What the screen shows in rect (screen coordinates); Empty() if it could not be read.
Capture CaptureScreen(const RECT& rect);
// Whether the screen shows the colour rgb (0xRRGGBB) at the point.
bool ScreenShows(int x, int y, uint32_t rgb);
// How many of the middles of r's four edges show rgb 2 px inside r: where a frame's inner ring is.
int EdgesShowing(const RECT& r, uint32_t rgb);
// What the screen shows where window is (its whole window rectangle, frame included).
Capture CaptureWindow(HWND window);
// Captures window into capture until shows(capture) holds: a window paints when it gets to it.
bool WaitForCapture(HWND window, Capture& capture, const std::function<bool(const Capture&)>& shows,
                    Millis timeout = 5s);

// The number of pixels that differ (ignoring alpha); captures of different sizes differ
// everywhere (the larger pixel count).
size_t CountDifferentPixels(const Capture& a, const Capture& b);
// How many distinct colours the capture holds (a blank area has one).
size_t CountColours(const Capture& capture);

// Writes a 32-bit top-down .bmp for a person to look at; false on failure.
bool SaveBmp(const Capture& capture, const std::wstring& path);

}  // namespace e2e
