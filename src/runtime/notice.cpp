// The notice is one tracking tooltip, made on first use and reused: a message box would take
// the focus, and one box per key press of a held key would stack up.
#include "runtime/notice.h"

#include <windows.h>
#include <commctrl.h>

#include "base/dpi_scale.h"
#include "base/window_dpi.h"
#include "runtime/flockhand_window.h"

namespace {

// Long enough to read a sentence.
constexpr UINT kShownMs = 4000;
// At 96 DPI, scaled to the panel's display: the widest line, and the gap below the command box.
constexpr int kNoticeWidth = 300;
constexpr int kNoticeGap = 2;

HWND NoticeTip;
TTTOOLINFOW NoticeTool;
std::wstring NoticeText;
UINT_PTR HideTimer;
std::wstring StandingText;
bool MainActive = true;

void CALLBACK HideWhenDue(HWND, UINT, UINT_PTR, DWORD) { HideNotice(); }

void CreateNoticeTip() {
  NoticeTip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP | TTS_NOPREFIX,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              FlockhandWindow(), nullptr, GetModuleHandleW(nullptr), nullptr);
  NoticeTool.cbSize = TTTOOLINFOW_V2_SIZE;
  NoticeTool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  NoticeTool.hwnd = FlockhandWindow();
  NoticeTool.lpszText = const_cast<wchar_t*>(L"");
  SendMessageW(NoticeTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&NoticeTool));
}

void PlaceUnderCommandBox() {
  RECT box;
  GetWindowRect(FlockhandCommandBox(), &box);
  const int gap = ScaleToDpi(kNoticeGap, WindowDpi(FlockhandCommandBox()));
  SendMessageW(NoticeTip, TTM_TRACKPOSITION, 0, MAKELPARAM(box.left, box.bottom + gap));
}

void Show(const std::wstring& text) {
  if (!NoticeTip) CreateNoticeTip();
  const int dpi = WindowDpi(FlockhandCommandBox());
  SendMessageW(NoticeTip, TTM_SETMAXTIPWIDTH, 0, ScaleToDpi(kNoticeWidth, dpi));
  NoticeText = text;
  NoticeTool.lpszText = NoticeText.data();
  SendMessageW(NoticeTip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&NoticeTool));
  PlaceUnderCommandBox();
  SendMessageW(NoticeTip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&NoticeTool));
}

void Hide() {
  if (NoticeTip) SendMessageW(NoticeTip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&NoticeTool));
}

// Unless a short notice has its time: then the standing one waits for its end.
void ShowStanding() {
  if (HideTimer) return;
  if (StandingText.empty() || !MainActive) {
    Hide();
  } else if (StandingText != NoticeText || !IsWindowVisible(NoticeTip)) {
    Show(StandingText);
  }
}

}  // namespace

void ShowNotice(const std::wstring& text) {
  Show(text);
  if (HideTimer) KillTimer(nullptr, HideTimer);
  HideTimer = SetTimer(nullptr, 0, kShownMs, HideWhenDue);
}

void HideNotice() {
  if (HideTimer) KillTimer(nullptr, HideTimer);
  HideTimer = 0;
  Hide();
  ShowStanding();
}

void SetStandingNotice(const std::wstring& text) {
  StandingText = text;
  ShowStanding();
}

void NoticeFollowsActivation(bool active) {
  MainActive = active;
  ShowStanding();
}

void FollowCommandBox() {
  if (NoticeTip && IsWindowVisible(NoticeTip)) PlaceUnderCommandBox();
}
