// Bare discovery and this process's list box; see bare_list.h.
#include "bare_list.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>

#include "measure.h"

namespace bench {

namespace {

constexpr int kTextCapacity = 1024;
constexpr wchar_t kFrameClass[] = L"FlockhandBenchFrame";

BOOL CALLBACK CollectTerminal(HWND window, LPARAM param) {
  wchar_t title[kTextCapacity];
  wchar_t className[kTextCapacity];
  const int length = GetWindowTextW(window, title, kTextCapacity);
  GetClassNameW(window, className, kTextCapacity);
  if (length > 0 && std::wcscmp(className, L"VTWin32") == 0) {
    reinterpret_cast<std::vector<Terminal>*>(param)->push_back(
        {std::wstring(title, static_cast<size_t>(length)), window});
  }
  return TRUE;
}

void RegisterFrameClass() {
  WNDCLASSEXW frameClass{};
  frameClass.cbSize = sizeof(frameClass);
  frameClass.lpfnWndProc = DefWindowProcW;
  frameClass.hInstance = GetModuleHandleW(nullptr);
  frameClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENU + 1);
  frameClass.lpszClassName = kFrameClass;
  RegisterClassExW(&frameClass);
}

}  // namespace

bool TitleOrder(const Terminal& a, const Terminal& b) {
  const int order = a.title.compare(b.title);
  if (order != 0) return order < 0;
  return reinterpret_cast<UINT_PTR>(a.window) < reinterpret_cast<UINT_PTR>(b.window);
}

std::vector<Terminal> DiscoverTerminals() {
  std::vector<Terminal> found;
  EnumWindows(CollectTerminal, reinterpret_cast<LPARAM>(&found));
  std::sort(found.begin(), found.end(), TitleOrder);
  return found;
}

BareList::BareList(POINT topLeft, POINT listOffset, SIZE listSize) {
  // Load Common Controls 6 as Flockhand does, so the list box is the same control.
  INITCOMMONCONTROLSEX commonControls{sizeof(commonControls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&commonControls);
  RegisterFrameClass();
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  frame_ = CreateWindowExW(0, kFrameClass, L"flockhand_bench",
                           WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX, topLeft.x,
                           topLeft.y, 420, 370, nullptr, nullptr, instance, nullptr);
  Require(frame_ != nullptr,
          "could not create the benchmark's window: error " + std::to_string(GetLastError()));
  list_ = CreateWindowExW(
      WS_EX_CLIENTEDGE, L"LISTBOX", nullptr,
      WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_EXTENDEDSEL | LBS_NOTIFY, listOffset.x,
      listOffset.y, listSize.cx, listSize.cy, frame_, nullptr, instance, nullptr);
  Require(list_ != nullptr,
          "could not create the benchmark's list box: error " + std::to_string(GetLastError()));
  SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  // Flockhand's list carries a tooltip that subclasses it (TTF_SUBCLASS), so every message to
  // the list passes through the tooltip's subclass procedure; the bare list carries the same.
  tooltip_ =
      CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, list_, nullptr, instance, nullptr);
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = list_;
  GetClientRect(list_, &tool.rect);
  tool.lpszText = const_cast<wchar_t*>(L"bare list");
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  ShowWindow(frame_, SW_SHOWNOACTIVATE);
  UpdateWindow(frame_);
}

BareList::~BareList() {
  if (frame_) DestroyWindow(frame_);
}

void BareList::Fill(const std::vector<Terminal>& rows) const {
  // The same calls as Flockhand: redrawing paused while the rows are replaced.
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list_, LB_RESETCONTENT, 0, 0);
  for (const Terminal& row : rows) {
    SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.title.c_str()));
  }
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

int BareList::RowCount() const { return static_cast<int>(SendMessageW(list_, LB_GETCOUNT, 0, 0)); }

}  // namespace bench
