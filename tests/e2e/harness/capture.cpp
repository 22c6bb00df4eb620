// Screen capture with BitBlt from the screen DC into a 32-bit DIB section.
#include "harness/capture.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

namespace e2e {

namespace {

BITMAPINFOHEADER Header(int width, int height) {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = -height;  // top-down
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  return header;
}

}  // namespace

Capture CaptureScreen(const RECT& rect) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return {};
  Capture capture;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = Header(width, height);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY)) {
      GdiFlush();
      capture.width = width;
      capture.height = height;
      capture.pixels.resize(static_cast<size_t>(width) * height);
      std::memcpy(capture.pixels.data(), bits, capture.pixels.size() * sizeof(uint32_t));
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return capture;
}

bool ScreenShows(int x, int y, uint32_t rgb) {
  const Capture pixel = CaptureScreen({x, y, x + 1, y + 1});
  return !pixel.Empty() && (pixel.At(0, 0) & 0xFFFFFF) == rgb;
}

int EdgesShowing(const RECT& r, uint32_t rgb) {
  const int x = r.left + (r.right - r.left) / 2, y = r.top + (r.bottom - r.top) / 2;
  return ScreenShows(r.left + 2, y, rgb) + ScreenShows(r.right - 3, y, rgb) +
         ScreenShows(x, r.top + 2, rgb) + ScreenShows(x, r.bottom - 3, rgb);
}

Capture CaptureWindow(HWND window) {
  RECT rect{};
  if (!GetWindowRect(window, &rect)) return {};
  return CaptureScreen(rect);
}

bool WaitForCapture(HWND window, Capture& capture, const std::function<bool(const Capture&)>& shows,
                    Millis timeout) {
  return WaitUntil(
      [&] {
        capture = CaptureWindow(window);
        return shows(capture);
      },
      timeout);
}

size_t CountDifferentPixels(const Capture& a, const Capture& b) {
  if (a.width != b.width || a.height != b.height) {
    return std::max(a.pixels.size(), b.pixels.size());
  }
  size_t different = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i) {
    if ((a.pixels[i] & 0xFFFFFFu) != (b.pixels[i] & 0xFFFFFFu)) ++different;
  }
  return different;
}

size_t CountColours(const Capture& capture) {
  std::unordered_set<uint32_t> colours;
  for (const uint32_t pixel : capture.pixels) colours.insert(pixel & 0xFFFFFFu);
  return colours.size();
}

bool SaveBmp(const Capture& capture, const std::wstring& path) {
  if (capture.Empty()) return false;
  const DWORD dataSize = static_cast<DWORD>(capture.pixels.size() * sizeof(uint32_t));
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + dataSize;
  const BITMAPINFOHEADER header = Header(capture.width, capture.height);
  HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(out, &file, sizeof file, &written, nullptr) &&
            WriteFile(out, &header, sizeof header, &written, nullptr) &&
            WriteFile(out, capture.pixels.data(), dataSize, &written, nullptr);
  CloseHandle(out);
  return ok;
}

}  // namespace e2e
