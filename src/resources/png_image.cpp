// Loads a PNG resource into a GDI+ bitmap in nine steps. A failing step throws an error that
// names it; the loader catches every one itself, releases what it had, and yields no image.
#include "resources/png_image.h"

#include <cstring>

namespace {

struct PngLoadError {
  const wchar_t* text;
};

// The movable block holding the PNG bytes, freed unless handed on to a PngImage.
struct LockedBlock {
  HGLOBAL memory = nullptr;
  void* bytes = nullptr;
  ~LockedBlock() {
    if (bytes) GlobalUnlock(memory);
    if (memory) GlobalFree(memory);
  }
};

std::unique_ptr<PngImage> DecodePngResource(HMODULE module, int id) {
  HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), L"PNG");
  if (!resource) throw PngLoadError{L"リソースが見つからないっす。"};
  const DWORD size = SizeofResource(module, resource);
  if (size == 0) throw PngLoadError{L"リソースのサイズが０っす。"};
  const void* source = LockResource(LoadResource(module, resource));
  if (!source) throw PngLoadError{L"リソースが読み込めなかったっす。"};

  LockedBlock block;
  block.memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!block.memory) throw PngLoadError{L"ヒープにメモリが確保できなかったっす。"};
  block.bytes = GlobalLock(block.memory);
  if (!block.bytes) throw PngLoadError{L"メモリブロックが廃棄されてるかサイズが０っす。"};
  std::memcpy(block.bytes, source, size);

  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(block.memory, FALSE, &stream))) {
    throw PngLoadError{L"ストリームの作成に失敗しました。"};
  }
  Gdiplus::Bitmap* bitmap = Gdiplus::Bitmap::FromStream(stream);
  if (!bitmap) {
    stream->Release();
    throw PngLoadError{L"ストリームからBitmapを作成できなかったっす。"};
  }
  if (bitmap->GetLastStatus() != Gdiplus::Ok) {
    delete bitmap;
    stream->Release();
    throw PngLoadError{L"GdiPlus GenericError"};
  }
  auto image = std::make_unique<PngImage>(block.memory, stream, bitmap);
  block.memory = nullptr;  // now owned by the image, still locked
  block.bytes = nullptr;
  return image;
}

}  // namespace

PngImage::~PngImage() {
  delete bitmap_;
  stream_->Release();
  GlobalUnlock(memory_);
  GlobalFree(memory_);
}

std::unique_ptr<PngImage> LoadPngImage(HMODULE module, int id) {
  try {
    return DecodePngResource(module, id);
  } catch (const PngLoadError&) {
    return nullptr;
  }
}
