// Each image is decoded on its first paint and kept until the main window is destroyed, so
// repeated painting allocates nothing. The image is the button's whole face: its transparent
// pixels show the button's background.
#include "resources/image_buttons.h"

#include <gdiplus.h>

#include "app/compact_mode.h"
#include "app/subclass.h"
#include "resources/png_image.h"
#include "resources/resource_ids.h"

namespace {

WNDPROC CompactButtonDefaultProc;
WNDPROC HelpButtonDefaultProc;
std::unique_ptr<PngImage> ChevronUp, ChevronDown, HelpImage;

const PngImage* CachedImage(std::unique_ptr<PngImage>& slot, int id) {
  if (!slot) slot = LoadPngImage(id);
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

LRESULT CALLBACK CompactButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PaintImage(window, CompactMode ? CachedImage(ChevronDown, IDP_CHEVRON_DOWN)
                                   : CachedImage(ChevronUp, IDP_CHEVRON_UP));
  } else if (message == WM_LBUTTONUP) {
    ToggleCompactMode();
  }
  // After our paint the button is validated, so its own drawing adds nothing visible.
  return CallWindowProcW(CompactButtonDefaultProc, window, message, wParam, lParam);
}

LRESULT CALLBACK HelpButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PaintImage(window, CachedImage(HelpImage, IDP_HELP));
    return 0;
  }
  return CallWindowProcW(HelpButtonDefaultProc, window, message, wParam, lParam);
}

}  // namespace

void InstallCompactButtonProc(HWND button) {
  CompactButtonDefaultProc = SubclassControl(button, CompactButtonProc);
}

void InstallHelpButtonProc(HWND button) {
  HelpButtonDefaultProc = SubclassControl(button, HelpButtonProc);
}

void ReleaseButtonImages() {
  ChevronUp.reset();
  ChevronDown.reset();
  HelpImage.reset();
}
