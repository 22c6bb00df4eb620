// Window transparency through the layered-window alpha of the main window. An alpha setting
// above 255 (a hand-edited fkh.ini) makes no step at all, yet the fade still counts as done.
#include "settings/transparency.h"

#include "base/debug_lines.h"
#include "base/debug_print.h"
#include "settings/settings_file.h"

namespace {

constexpr unsigned kOpaque = 255;

// What a fade did: the number of alpha changes and the first and last value set.
struct Fade {
  HWND window;
  unsigned steps = 0;
  unsigned first = 0;
  unsigned last = 0;

  void Step(unsigned alpha) {
    SetWindowAlpha(window, alpha);
    if (steps++ == 0) first = alpha;
    last = alpha;
  }
};

// One debug line per fade, so that its course can be followed from outside.
void ReportFade(const wchar_t* direction, const Fade& fade) {
  if (fade.steps == 0) {
    DebugPrint(kFadeWithoutStepsLine, direction);
  } else {
    DebugPrint(kFadeLine, direction, fade.first, fade.last, fade.steps);
  }
}

}  // namespace

void SetWindowAlpha(HWND window, unsigned alpha) {
  SetLayeredWindowAttributes(window, RGB(255, 255, 255), static_cast<BYTE>(alpha), LWA_ALPHA);
}

void FadeOut(HWND window) {
  const unsigned alpha = CurrentSettings.alpha;
  Fade fade{window};
  for (unsigned a = kOpaque; a >= alpha && a <= kOpaque; --a) fade.Step(a);
  ReportFade(L"out", fade);
}

void FadeIn(HWND window) {
  const unsigned alpha = CurrentSettings.alpha;
  Fade fade{window};
  for (unsigned a = alpha; a <= kOpaque; ++a) fade.Step(a);
  ReportFade(L"in", fade);
}

void MakeOpaque(HWND window) { SetWindowAlpha(window, kOpaque); }
