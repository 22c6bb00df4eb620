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

// Flockhand's controls carry a tooltip that subclasses them (TTF_SUBCLASS), so every message to
// them passes through the tooltip's subclass procedure; the bare ones carry the same. The
// tooltip is owned by the control and destroyed with it.
void AddTip(HWND control) {
  HWND tooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, control, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = control;
  GetClientRect(control, &tool.rect);
  tool.lpszText = const_cast<wchar_t*>(L"bare tip");
  SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

HWND AddControl(HWND parent, DWORD exStyle, const wchar_t* windowClass, DWORD style, RECT place,
                bool tip) {
  HWND control = CreateWindowExW(exStyle, windowClass, L"", WS_CHILD | WS_VISIBLE | style,
                                 place.left, place.top, place.right, place.bottom, parent, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               TRUE);
  if (tip) AddTip(control);
  return control;
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
  AddTip(list_);
  // The group box and its seven controls where Flockhand has them at this size (x, y, w, h).
  HWND group = AddControl(frame_, 0, L"BUTTON", BS_GROUPBOX, {264, 55, 130, 256}, false);
  const DWORD button = BS_PUSHBUTTON, number = WS_BORDER | ES_NUMBER | ES_RIGHT;
  operations_ = {AddControl(group, 0, L"COMBOBOX", CBS_DROPDOWNLIST, {8, 18, 115, 100}, true),
                 AddControl(group, 0, L"BUTTON", button, {8, 45, 115, 22}, true),
                 AddControl(group, 0, L"COMBOBOX", CBS_DROPDOWNLIST, {8, 75, 115, 100}, true),
                 AddControl(group, WS_EX_CLIENTEDGE, L"EDIT", number, {23, 100, 40, 21}, false),
                 AddControl(group, WS_EX_CLIENTEDGE, L"EDIT", number, {83, 100, 40, 21}, false),
                 AddControl(group, 0, L"BUTTON", button, {8, 125, 115, 80}, true),
                 AddControl(group, 0, L"BUTTON", button, {8, 210, 115, 22}, true)};
  SendMessageW(operations_[2], CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"画面いっぱい"));
  SendMessageW(operations_[2], CB_SETCURSEL, 0, 0);
  counter_ = AddControl(frame_, 0, L"STATIC", SS_RIGHT, {244, 301, 150, 20}, false);
  ShowWindow(frame_, SW_SHOWNOACTIVATE);
  UpdateWindow(frame_);
}

BareList::~BareList() {
  if (frame_) DestroyWindow(frame_);
}

void BareList::Fill(const std::vector<Terminal>& rows, size_t marked) const {
  // The same calls as Flockhand: redrawing paused while the rows are replaced and marked.
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list_, LB_RESETCONTENT, 0, 0);
  for (const Terminal& row : rows) {
    SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.title.c_str()));
  }
  MarkFirst(marked);
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

void BareList::Mark(size_t count) const {
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  MarkFirst(count);
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

void BareList::MarkFirst(size_t count) const {
  SendMessageW(list_, LB_SETSEL, FALSE, -1);
  if (count > 0) SendMessageW(list_, LB_SELITEMRANGE, TRUE, MAKELPARAM(0, count - 1));
}

void BareList::ShowSelection(size_t count) const {
  for (HWND control : operations_) EnableWindow(control, count > 0);
  SendMessageW(operations_[2], CB_GETCURSEL, 0, 0);
  if (count < 55) {
    SetWindowTextW(operations_[3], L"2");
    SetWindowTextW(operations_[4], L"2");
  }
  wchar_t text[100] = {};
  swprintf(text, 100, L"選択ウィンドウ数：  %-3zu", count);
  SetWindowTextW(counter_, text);
}

int BareList::RowCount() const { return static_cast<int>(SendMessageW(list_, LB_GETCOUNT, 0, 0)); }

}  // namespace bench
