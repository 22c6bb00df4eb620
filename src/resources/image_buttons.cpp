// Each image is decoded on its first paint and kept until the main window is destroyed, so
// repeated painting allocates nothing. The image is the button's whole face: its transparent
// pixels show the button's background.
#include "resources/image_buttons.h"

#include <gdiplus.h>

#include "resources/help_file.h"
#include "resources/png_image.h"
#include "base/resource_ids.h"
#include "base/subclass.h"

namespace {

void (*CompactButtonClick)();
bool (*CompactButtonShowsDown)();
std::unique_ptr<PngImage> ChevronUp, ChevronDown, HelpImage;

const PngImage* CachedImage(std::unique_ptr<PngImage>& slot, int id) {
  if (!slot) slot = LoadPngImage(GetModuleHandleW(nullptr), id);
  return slot.get();
}

void PaintImage(HWND button, const PngImage* image) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(button, &paint);
  if (image) {
    Gdiplus::Graphics graphics(dc);
    graphics.DrawImage(image->bitmap(), 0, 0, image->bitmap()->GetWidth(),
                       image->bitmap()->GetHeight());
  }
  EndPaint(button, &paint);
}

LRESULT CALLBACK CompactButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR, DWORD_PTR) {
  if (message == WM_PAINT) {
    PaintImage(window, CompactButtonShowsDown() ? CachedImage(ChevronDown, IDP_CHEVRON_DOWN)
                                                : CachedImage(ChevronUp, IDP_CHEVRON_UP));
  } else if (message == WM_LBUTTONUP) {
    CompactButtonClick();
  }
  // After our paint the button is validated, so its own drawing adds nothing visible.
  return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK HelpButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR) {
  if (message == WM_PAINT) {
    PaintImage(window, CachedImage(HelpImage, IDP_HELP));
    return 0;
  }
  if (message == WM_LBUTTONUP) {
    // The button never sees this release, so it would keep the mouse capture that it took on
    // the press: no accelerator works while a window holds it.
    ReleaseCapture();
    OpenHelp(GetParent(window));
    return 0;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

void InstallCompactButtonProc(HWND button, void (*onClick)(), bool (*showsDown)()) {
  CompactButtonClick = onClick;
  CompactButtonShowsDown = showsDown;
  SubclassControl(button, CompactButtonProc);
}

void InstallHelpButtonProc(HWND button) { SubclassControl(button, HelpButtonProc); }

void ReleaseButtonImages() {
  ChevronUp.reset();
  ChevronDown.reset();
  HelpImage.reset();
}
