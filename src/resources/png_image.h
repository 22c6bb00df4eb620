// A PNG image from the program's own resources, decoded by GDI+. GDI+ may read the encoded
// bytes again at any time while the bitmap exists, so the memory block and the stream over
// it live exactly as long as the bitmap and are released with it.
#pragma once

#include <windows.h>
#include <objidl.h>  // GDI+ needs it, also where WIN32_LEAN_AND_MEAN leaves it out
#include <gdiplus.h>

#include <memory>

class PngImage {
 public:
  PngImage(HGLOBAL memory, IStream* stream, Gdiplus::Bitmap* bitmap)
      : memory_(memory), stream_(stream), bitmap_(bitmap) {}
  PngImage(const PngImage&) = delete;
  PngImage& operator=(const PngImage&) = delete;
  ~PngImage();

  Gdiplus::Bitmap* bitmap() const { return bitmap_; }

 private:
  HGLOBAL memory_;
  IStream* stream_;
  Gdiplus::Bitmap* bitmap_;
};

// Resource type "PNG" with the given identifier in module; no image when any step fails.
std::unique_ptr<PngImage> LoadPngImage(HMODULE module, int id);
