// bare_panel.exe, the floor program. Without arguments it is the start-up floor:
// minimal_window.exe plus Flockhand's 21 controls, with their classes, styles, texts, font and
// Common Controls 6 (the same manifest), placed where Flockhand's layout puts them at the
// system DPI, and the pictures of its two image buttons (the same PNG resources, decoded by
// GDI+ on their first paint), in one window shown and painted once. No tooltips, menu items,
// hot key or terminal discovery: the least any program showing this panel has to do. With
// --operations it is the floor of every other row (floor_operations.cpp).
#include "bare_window.h"

#include <commctrl.h>

#include <cwchar>
#include <initializer_list>
#include <memory>
#include <utility>

#include "app/panel_layout.h"
#include "base/dpi_scale.h"
#include "base/window_dpi.h"
#include "floor_operations.h"
#include "minimal_window.h"
#include "base/resource_ids.h"
#include "resources/image_size.h"
#include "resources/png_image.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kButton = kChild | BS_PUSHBUTTON;
constexpr DWORD kEdit = kChild | WS_BORDER;
constexpr DWORD kNumber = kChild | WS_BORDER | ES_NUMBER | ES_RIGHT;
constexpr DWORD kDropDown = kChild | CBS_DROPDOWNLIST;

// Flockhand's client area at its 420x370 outer size, at 96 DPI.
constexpr int kClientWidth = 404;
constexpr int kClientHeight = 331;

// The button's face is its image, 16 pixels square at 96 DPI; the image's resource number is in
// the control's id.
LRESULT CALLBACK ImageButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  static std::unique_ptr<PngImage> images[2];
  if (message != WM_PAINT) {
    return CallWindowProcW(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(button, GWLP_USERDATA)),
                           button, message, wParam, lParam);
  }
  const int pixels = ScaleToDpi(16, SystemDpi());
  const int id = GetDlgCtrlID(button);
  std::unique_ptr<PngImage>& image = images[id == IDP_HELP];
  if (!image) image = LoadPngImage(nullptr, id + ImageSizePlace(pixels) * IDP_SIZE_STEP);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(button, &paint);
  if (image) Gdiplus::Graphics(dc).DrawImage(image->bitmap(), 0, 0, pixels, pixels);
  EndPaint(button, &paint);
  return 0;
}

HWND Add(HWND parent, DWORD exStyle, const wchar_t* windowClass, const wchar_t* text, DWORD style,
         LayoutRect place, int id = 0) {
  return CreateWindowExW(exStyle, windowClass, text, style, place.x, place.y, place.width,
                         place.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

void AddPanel(HWND main) {
  const int dpi = SystemDpi();
  const PanelLayout at =
      ComputePanelLayout(ScaleToDpi(kClientWidth, dpi), ScaleToDpi(kClientHeight, dpi), dpi);
  // Every control but the two picture buttons gets the panel font.
  HWND lettered[19];
  int count = 0;
  auto add = [&](HWND parent, DWORD exStyle, const wchar_t* windowClass, const wchar_t* text,
                 DWORD style, LayoutRect place, int id = 0) {
    HWND control = Add(parent, exStyle, windowClass, text, style, place, id);
    lettered[count++] = control;
    return control;
  };
  FloorPanel& p = Panel;
  p.main = main;
  p.commandBox = add(main, WS_EX_CLIENTEDGE, L"EDIT", nullptr, kEdit, at.commandBox);
  for (const auto& [id, place] :
       {std::pair{IDP_CHEVRON_UP, at.compactButton}, std::pair{IDP_HELP, at.helpButton}}) {
    HWND button = Add(main, 0, L"BUTTON", L"", kButton, place, id);
    const LONG_PTR own =
        SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ImageButtonProc));
    SetWindowLongPtrW(button, GWLP_USERDATA, own);
  }
  add(main, 0, L"STATIC", L"TeraTerm ウィンドウ一覧", kChild | SS_LEFT | SS_NOTIFY, at.listCaption);
  p.filterBox = add(main, WS_EX_CLIENTEDGE, L"EDIT", nullptr, kEdit, at.filterBox, IDC_FILTER_BOX);
  p.list = add(main, WS_EX_CLIENTEDGE, L"LISTBOX", nullptr,
               kChild | WS_BORDER | WS_VSCROLL | LBS_EXTENDEDSEL | LBS_NOTIFY, at.terminalList,
               IDC_TERMINAL_LIST);
  HWND reverse = add(main, 0, L"BUTTON", L"並び順を反転", kButton, at.reverseOrderButton);
  HWND invert = add(main, 0, L"BUTTON", L"選択を反転", kButton, at.invertSelectionButton);
  HWND flash = add(main, 0, L"BUTTON", L"点滅", kButton, at.flashButton);
  HWND group = add(main, 0, L"BUTTON", L"ウィンドウ操作", kChild | BS_GROUPBOX, at.windowOpsGroup);
  HWND display = add(group, 0, L"COMBOBOX", nullptr, kDropDown, at.displayCombo);
  p.menuBarButton = add(group, 0, L"BUTTON", L"MenuBar Off", kButton, at.menuBarButton);
  HWND area = add(group, 0, L"COMBOBOX", nullptr, kDropDown, at.areaCombo);
  for (const wchar_t* item : {L"画面いっぱい", L"左半分", L"上半分", L"右半分", L"下半分"}) {
    SendMessageW(area, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  SendMessageW(area, CB_SETCURSEL, 0, 0);
  add(group, 0, L"STATIC", L"列", kChild | SS_LEFT, at.columnsLabel);
  p.columnsEdit = add(group, WS_EX_CLIENTEDGE, L"EDIT", L"1", kNumber, at.columnsEdit);
  add(group, 0, L"STATIC", L"行", kChild | SS_LEFT, at.rowsLabel);
  p.rowsEdit = add(group, WS_EX_CLIENTEDGE, L"EDIT", L"1", kNumber, at.rowsEdit);
  HWND arrange = add(group, 0, L"BUTTON", L"並べる", kButton, at.arrangeButton);
  HWND hide = add(group, 0, L"BUTTON", L"他を隠す", kButton, at.hideOthersButton);
  HWND refresh = add(main, 0, L"BUTTON", L"TeraTermウィンドウ更新", kButton, at.refreshButton);
  p.counter =
      add(main, 0, L"STATIC", L"選択ウィンドウ数：  0  ", kChild | SS_RIGHT, at.selectionCountLabel);
  p.operations = {display, p.menuBarButton, area, p.columnsEdit, p.rowsEdit, arrange, hide};
  p.tipped = {p.commandBox, p.filterBox, p.list, reverse, invert, flash,
              display, p.menuBarButton, area, arrange, hide, refresh};
  LOGFONTW logFont{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont);
  HFONT font = CreateFontIndirectW(&logFont);
  for (HWND control : lettered) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand) {
  // Common Controls 6 registers its classes only once loaded.
  INITCOMMONCONTROLSEX commonControls{sizeof(commonControls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&commonControls);
  Gdiplus::GdiplusStartupInput gdiplusInput;
  ULONG_PTR gdiplusToken = 0;
  Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, nullptr);
  // The floor of the operations has the layered, composited main window of Flockhand.
  const bool operations = wcscmp(commandLine, L"--operations") == 0;
  HWND window = CreateBareWindow(instance, kBarePanelClass, FloorProc,
                                 operations ? WS_EX_LAYERED | WS_EX_COMPOSITED : 0);
  if (!window) return 1;
  AddPanel(window);
  if (operations) StartOperations();
  return ShowAndRun(window, showCommand);
}
