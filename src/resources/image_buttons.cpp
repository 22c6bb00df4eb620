// Each image is decoded on its first paint and kept until the main window is destroyed, so
// repeated painting allocates nothing; a change of display scale decodes the size for the new
// scale. The image is the button's whole face: its transparent pixels show the button's
// background. It is 16 pixels square at 96 DPI and scaled with the button.
#include "resources/image_buttons.h"

#include <gdiplus.h>

#include "base/dpi_scale.h"
#include "base/resource_ids.h"
#include "base/subclass.h"
#include "base/window_dpi.h"
#include "resources/help_file.h"
#include "resources/image_size.h"
#include "resources/png_image.h"

namespace {

constexpr int kImagePixels = 16;

// One image in the size last painted.
struct CachedImage {
  int sizePlace = 0;
  std::unique_ptr<PngImage> image;
};

// What the panel handed over for the compact button, and the images as last painted.
struct ImageButtonsState {
  void (*CompactButtonClick)();
  bool (*CompactButtonShowsDown)();
  CachedImage ChevronUp, ChevronDown, HelpImage;
} Buttons;

const PngImage* ImageOfSize(CachedImage& slot, int id, int pixels) {
  const int place = ImageSizePlace(pixels);
  if (!slot.image || slot.sizePlace != place) {
    slot.image = LoadPngImage(GetModuleHandleW(nullptr), id + place * IDP_SIZE_STEP);
    slot.sizePlace = place;
  }
  return slot.image.get();
}

// Drawn at its scaled size: a larger image is shrunk smoothly.
void PaintImage(HWND button, CachedImage& slot, int id) {
  const int pixels = ScaleToDpi(kImagePixels, WindowDpi(button));
  const PngImage* image = ImageOfSize(slot, id, pixels);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(button, &paint);
  if (image) {
    Gdiplus::Graphics graphics(dc);
    if (image->bitmap()->GetWidth() != static_cast<UINT>(pixels)) {
      graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
      graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    }
    graphics.DrawImage(image->bitmap(), 0, 0, pixels, pixels);
  }
  EndPaint(button, &paint);
}

LRESULT CompactButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR) {
  if (message == WM_PAINT) {
    if (Buttons.CompactButtonShowsDown()) {
      PaintImage(window, Buttons.ChevronDown, IDP_CHEVRON_DOWN);
    } else {
      PaintImage(window, Buttons.ChevronUp, IDP_CHEVRON_UP);
    }
  } else if (message == WM_LBUTTONUP) {
    Buttons.CompactButtonClick();
  }
  // After our paint the button is validated, so its own drawing adds nothing visible.
  return PassOn(window, message, wParam, lParam);
}

LRESULT HelpButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR) {
  if (message == WM_PAINT) {
    PaintImage(window, Buttons.HelpImage, IDP_HELP);
    return 0;
  }
  if (message == WM_LBUTTONUP) {
    // The button never sees this release, so it would keep the mouse capture that it took on
    // the press: no accelerator works while a window holds it.
    ReleaseCapture();
    OpenHelp(GetParent(window));
    return 0;
  }
  return PassOn(window, message, wParam, lParam);
}

}  // namespace

void InstallCompactButtonProc(HWND button, void (*onClick)(), bool (*showsDown)()) {
  Buttons.CompactButtonClick = onClick;
  Buttons.CompactButtonShowsDown = showsDown;
  SubclassControl(button, CompactButtonProc);
}

void InstallHelpButtonProc(HWND button) { SubclassControl(button, HelpButtonProc); }

void ReleaseButtonImages() {
  Buttons.ChevronUp.image.reset();
  Buttons.ChevronDown.image.reset();
  Buttons.HelpImage.image.reset();
}
