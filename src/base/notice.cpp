// The notice is one tracking tooltip, made on first use and reused: a message box would take
// the focus, and one box per key press of a held key would stack up.
#include "base/notice.h"

#include <windows.h>
#include <commctrl.h>

#include "base/dpi_scale.h"
#include "base/window_dpi.h"

namespace {

// Long enough to read a sentence.
constexpr UINT kShownMs = 4000;
// At 96 DPI, scaled to the panel's display: the widest line, and the gap below the control.
constexpr int kNoticeWidth = 300;
constexpr int kNoticeGap = 2;

// The one notice, where it shows and what it shows.
struct NoticeState {
  const HWND* Owner;
  const HWND* Anchor;
  HWND NoticeTip;
  TTTOOLINFOW NoticeTool;
  std::wstring NoticeText;
  UINT_PTR HideTimer;
  std::wstring StandingText;
  bool MainActive = true;
} Notice;

void CALLBACK HideWhenDue(HWND, UINT, UINT_PTR, DWORD) { HideNotice(); }

void CreateNoticeTip() {
  Notice.NoticeTip =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP | TTS_NOPREFIX,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, *Notice.Owner,
                      nullptr, GetModuleHandleW(nullptr), nullptr);
  Notice.NoticeTool.cbSize = TTTOOLINFOW_V2_SIZE;
  Notice.NoticeTool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  Notice.NoticeTool.hwnd = *Notice.Owner;
  Notice.NoticeTool.lpszText = const_cast<wchar_t*>(L"");
  SendMessageW(Notice.NoticeTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&Notice.NoticeTool));
}

void PlaceUnderAnchor() {
  RECT box;
  GetWindowRect(*Notice.Anchor, &box);
  const int gap = ScaleToDpi(kNoticeGap, WindowDpi(*Notice.Anchor));
  SendMessageW(Notice.NoticeTip, TTM_TRACKPOSITION, 0, MAKELPARAM(box.left, box.bottom + gap));
}

void Show(const std::wstring& text) {
  if (!Notice.NoticeTip) CreateNoticeTip();
  const int dpi = WindowDpi(*Notice.Anchor);
  SendMessageW(Notice.NoticeTip, TTM_SETMAXTIPWIDTH, 0, ScaleToDpi(kNoticeWidth, dpi));
  Notice.NoticeText = text;
  Notice.NoticeTool.lpszText = Notice.NoticeText.data();
  SendMessageW(Notice.NoticeTip, TTM_UPDATETIPTEXTW, 0,
               reinterpret_cast<LPARAM>(&Notice.NoticeTool));
  PlaceUnderAnchor();
  SendMessageW(Notice.NoticeTip, TTM_TRACKACTIVATE, TRUE,
               reinterpret_cast<LPARAM>(&Notice.NoticeTool));
}

void Hide() {
  if (Notice.NoticeTip)
    SendMessageW(Notice.NoticeTip, TTM_TRACKACTIVATE, FALSE,
                 reinterpret_cast<LPARAM>(&Notice.NoticeTool));
}

// Unless a short notice has its time: then the standing one waits for its end.
void ShowStanding() {
  if (Notice.HideTimer) return;
  if (Notice.StandingText.empty() || !Notice.MainActive) {
    Hide();
  } else if (Notice.StandingText != Notice.NoticeText || !IsWindowVisible(Notice.NoticeTip)) {
    Show(Notice.StandingText);
  }
}

}  // namespace

void AttachNotice(const HWND* owner, const HWND* anchor) {
  Notice.Owner = owner;
  Notice.Anchor = anchor;
}

void ShowNotice(const std::wstring& text) {
  Show(text);
  if (Notice.HideTimer) KillTimer(nullptr, Notice.HideTimer);
  Notice.HideTimer = SetTimer(nullptr, 0, kShownMs, HideWhenDue);
}

void HideNotice() {
  if (Notice.HideTimer) KillTimer(nullptr, Notice.HideTimer);
  Notice.HideTimer = 0;
  Hide();
  ShowStanding();
}

void SetStandingNotice(const std::wstring& text) {
  Notice.StandingText = text;
  ShowStanding();
}

void NoticeFollowsActivation(bool active) {
  Notice.MainActive = active;
  ShowStanding();
}

void FollowAnchor() {
  if (Notice.NoticeTip && IsWindowVisible(Notice.NoticeTip)) PlaceUnderAnchor();
}
