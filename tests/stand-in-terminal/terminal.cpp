// Window class, creation and window procedure of the stand-in terminal. Key
// messages are never passed through TranslateMessage: the window turns
// WM_KEYDOWN into text itself, so every recorded WM_CHAR came from outside.
#include "terminal.h"

#include <algorithm>

#include "harness/stand_in.h"
#include "paste_dialog.h"
#include "record.h"
#include "setup_dialog.h"

namespace {

// Menu items that only get recorded (File > Close also closes the window).
constexpr WORD kNewConnectionCommand = 40001;
constexpr WORD kCloseCommand = 40002;
constexpr WORD kCopyCommand = 40003;
constexpr WORD kSetupTerminalCommand = 40004;

// The screen keeps only its tail; older text has scrolled away.
constexpr size_t kScreenLimit = 4000;

constexpr int kDefaultWidth = 400;
constexpr int kDefaultHeight = 300;
// Layers of the default grid are shifted by this many px, so that up to
// kLayers screenfuls of windows never share a rectangle exactly.
constexpr int kLayerStep = 4;
constexpr int kLayers = 64;
constexpr int kPositionCascadeStep = 24;  // px between windows sharing one --pos

HFONT TerminalFont = nullptr;
int LiveTerminals = 0;

HMENU CreateMenuBar() {
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, kNewConnectionCommand, L"&New connection...");
  AppendMenuW(file, MF_STRING, kCloseCommand, L"&Close");
  HMENU edit = CreatePopupMenu();
  AppendMenuW(edit, MF_STRING, kCopyCommand, L"&Copy");
  AppendMenuW(edit, MF_STRING, kPasteCommand, L"&Paste");
  HMENU setup = CreatePopupMenu();
  AppendMenuW(setup, MF_STRING, kSetupTerminalCommand, L"&Terminal...");
  AppendMenuW(setup, MF_STRING, kSetupWindowCommand, L"&Window...");
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), L"&Edit");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(setup), L"&Setup");
  return bar;
}

// Default normal rectangle: a grid that fills the work area without overlap,
// then further layers shifted a little so no two windows stack exactly.
RECT DefaultRect(int index) {
  RECT work{0, 0, 1024, 768};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int columns = std::max(1, static_cast<int>(work.right - work.left) / kDefaultWidth);
  const int rows = std::max(1, static_cast<int>(work.bottom - work.top) / kDefaultHeight);
  const int slot = (index - 1) % (columns * rows);
  const int layer = ((index - 1) / (columns * rows)) % kLayers;
  const int x = work.left + (slot % columns) * kDefaultWidth + layer * kLayerStep;
  const int y = work.top + (slot / columns) * kDefaultHeight + layer * kLayerStep;
  return {x, y, x + kDefaultWidth, y + kDefaultHeight};
}

// "separator", the item's id in hex, or "none" past the end of the menu.
std::string DescribeMenuItem(HMENU menu, UINT position) {
  MENUITEMINFOW item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_FTYPE | MIIM_ID;
  if (!GetMenuItemInfoW(menu, position, TRUE, &item)) return "none";
  return (item.fType & MFT_SEPARATOR) ? "separator" : Hex(item.wID);
}

void RecordKey(HWND hwnd, const char* name, WPARAM wParam, LPARAM lParam) {
  RecordEvent(hwnd,
              std::string(name) + ' ' + Hex(wParam) + ' ' + Hex8(static_cast<uint64_t>(lParam)));
}

void EchoKeyDown(Terminal& terminal, WPARAM wParam, LPARAM lParam) {
  BYTE keys[256];
  if (!GetKeyboardState(keys)) return;
  wchar_t text[8];
  // Flag 4 leaves the dead-key state alone (ignored before Windows 10 1607).
  const int length = ToUnicode(static_cast<UINT>(wParam), (static_cast<UINT>(lParam) >> 16) & 0xFF,
                               keys, text, 8, 4);
  if (length > 0) AppendToScreen(terminal, std::wstring(text, static_cast<size_t>(length)));
}

void RecordPlacementIfChanged(Terminal& terminal) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(terminal.hwnd, &placement)) return;
  const RECT& r = placement.rcNormalPosition;
  if (terminal.placementRecorded && placement.showCmd == terminal.lastShowCmd &&
      EqualRect(&r, &terminal.lastNormal)) {
    return;
  }
  terminal.placementRecorded = true;
  terminal.lastShowCmd = placement.showCmd;
  terminal.lastNormal = r;
  RecordEvent(terminal.hwnd, "PLACEMENT " + std::to_string(placement.showCmd) + ' ' +
                                 std::to_string(r.left) + ' ' + std::to_string(r.top) + ' ' +
                                 std::to_string(r.right) + ' ' + std::to_string(r.bottom));
}

void Paint(Terminal& terminal) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(terminal.hwnd, &paint);
  RECT client;
  GetClientRect(terminal.hwnd, &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  HGDIOBJ oldFont = SelectObject(dc, TerminalFont);
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  InflateRect(&client, -4, -4);
  const UINT format = DT_WORDBREAK | DT_EDITCONTROL | DT_EXPANDTABS | DT_NOPREFIX;
  // Measure first so that the end of the text stays in view, like a terminal.
  RECT measured = client;
  DrawTextW(dc, terminal.screen.c_str(), static_cast<int>(terminal.screen.size()), &measured,
            format | DT_CALCRECT);
  RECT target = client;
  const LONG overflow = (measured.bottom - measured.top) - (client.bottom - client.top);
  if (overflow > 0) target.top -= overflow;
  DrawTextW(dc, terminal.screen.c_str(), static_cast<int>(terminal.screen.size()), &target, format);
  SelectObject(dc, oldFont);
  EndPaint(terminal.hwnd, &paint);
}

void OnCommand(Terminal& terminal, WORD id) {
  switch (id) {
    case kPasteCommand:
      // When the command was posted, or arrived when sent (ms tick count), so that tests can
      // tell the pauses between terminals apart from the stand-in's own delays.
      RecordEvent(terminal.hwnd,
                  "PASTECOMMAND " + std::to_string(InSendMessage()
                                                       ? GetTickCount()
                                                       : static_cast<DWORD>(GetMessageTime())));
      PasteFromClipboard(terminal);
      break;
    case kSetupWindowCommand:
      RecordEvent(terminal.hwnd, "SETUP");
      if (terminal.options->closeOnSetup) {
        DestroyWindow(terminal.hwnd);  // terminal is gone with it
        break;
      }
      if (terminal.options->noSetupDialog) break;
      if (terminal.dialogOpen) {
        RecordEvent(terminal.hwnd, "BUSY " + std::to_string(id));
        break;
      }
      OpenSetupDialog(terminal);
      break;
    default:
      RecordEvent(terminal.hwnd, "COMMAND " + std::to_string(id));
      if (id == kCloseCommand) PostMessageW(terminal.hwnd, WM_CLOSE, 0, 0);
      break;
  }
}

LRESULT CALLBACK TerminalProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* terminal =
        static_cast<Terminal*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    terminal->hwnd = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(terminal));
    ++LiveTerminals;
  }
  Terminal* terminal = TerminalFromWindow(hwnd);
  if (!terminal) return DefWindowProcW(hwnd, message, wParam, lParam);

  switch (message) {
    case WM_KEYDOWN:
      RecordKey(hwnd, "KEYDOWN", wParam, lParam);
      EchoKeyDown(*terminal, wParam, lParam);
      return 0;
    case WM_KEYUP: RecordKey(hwnd, "KEYUP", wParam, lParam); return 0;
    case WM_CHAR:
      RecordKey(hwnd, "CHAR", wParam, lParam);
      AppendToScreen(*terminal, std::wstring(1, static_cast<wchar_t>(wParam)));
      return 0;
    // System keys are recorded and swallowed: DefWindowProc would enter the
    // menu loop on Alt or F10 and eat the keys that follow.
    case WM_SYSKEYDOWN: RecordKey(hwnd, "SYSKEYDOWN", wParam, lParam); return 0;
    case WM_SYSKEYUP: RecordKey(hwnd, "SYSKEYUP", wParam, lParam); return 0;
    case WM_SYSCHAR: return 0;
    case WM_COMMAND: OnCommand(*terminal, LOWORD(wParam)); return 0;
    case WM_SYSCOMMAND:
      RecordEvent(hwnd, "SYSCOMMAND " + Hex(wParam));
      if ((wParam & 0xFFF0) == kShowMenuBarCommand) {
        SetMenuBarHidden(*terminal, false);
        return 0;
      }
      break;
    case WM_ACTIVATE: RecordEvent(hwnd, "ACTIVATE " + std::to_string(LOWORD(wParam))); break;
    case WM_WINDOWPOSCHANGED: RecordPlacementIfChanged(*terminal); break;
    case WM_SETTEXT:
      RecordEventText(hwnd, "TITLE", lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"");
      break;
    case WM_PAINT: Paint(*terminal); return 0;
    case e2e::kSyncMessage: RecordEvent(hwnd, "SYNC " + std::to_string(lParam)); return 0;
    case WM_DESTROY:
      if (--LiveTerminals == 0) PostQuitMessage(0);
      break;
    case WM_NCDESTROY:
      // A detached menu bar is not destroyed with the window.
      if (terminal->menuHidden) DestroyMenu(terminal->menuBar);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      delete terminal;
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

bool RegisterTerminalClass(HINSTANCE instance, const Options& options) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  LOGFONTW font = metrics.lfMessageFont;
  font.lfHeight = -16;  // px; large enough to read in a screenshot
  TerminalFont = CreateFontIndirectW(&font);

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = TerminalProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_IBEAM);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = options.className.c_str();
  return RegisterClassExW(&windowClass) != 0;
}

HWND CreateTerminal(HINSTANCE instance, const Options& options, int index) {
  std::wstring title;
  if (!options.emptyTitle) {
    title = options.title;
    if (options.count > 1) title += L' ' + std::to_wstring(index);
  }
  RECT rect;
  if (options.hasPosition) {
    // Extra windows of one --pos cascade from it.
    const int shift = ((index - 1) % 16) * kPositionCascadeStep;
    rect = {options.x + shift, options.y + shift, options.x + shift + options.width,
            options.y + shift + options.height};
  } else {
    rect = DefaultRect(index);
  }
  auto* terminal = new Terminal;
  terminal->options = &options;
  terminal->menuBar = CreateMenuBar();
  HWND hwnd = CreateWindowExW(0, options.className.c_str(), title.c_str(), WS_OVERLAPPEDWINDOW,
                              rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                              nullptr, terminal->menuBar, instance, terminal);
  if (!hwnd && !terminal->hwnd) {
    // WM_NCCREATE never ran, so the window did not take these over.
    DestroyMenu(terminal->menuBar);
    delete terminal;
  }
  return hwnd;
}

void ShowTerminal(HWND hwnd, ShowState show) {
  switch (show) {
    case ShowState::Normal: ShowWindow(hwnd, SW_SHOWNORMAL); break;
    case ShowState::Minimized: ShowWindow(hwnd, SW_SHOWMINNOACTIVE); break;
    case ShowState::Maximized: ShowWindow(hwnd, SW_SHOWMAXIMIZED); break;
    case ShowState::Hidden: break;
  }
  if (show != ShowState::Hidden) UpdateWindow(hwnd);
  std::wstring title(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  title.resize(
      static_cast<size_t>(GetWindowTextW(hwnd, title.data(), static_cast<int>(title.size()))));
  RecordEventText(hwnd, "READY", title);
}

Terminal* TerminalFromWindow(HWND hwnd) {
  return reinterpret_cast<Terminal*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void AppendToScreen(Terminal& terminal, const std::wstring& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c == L'\r') {
      // Enter; the CR of a pasted CR LF pair adds nothing of its own.
      if (i + 1 == text.size() || text[i + 1] != L'\n') terminal.screen += L'\n';
    } else if (c == L'\n') {
      terminal.screen += L'\n';
    } else if (c == L'\b') {
      if (!terminal.screen.empty()) terminal.screen.pop_back();
    } else if (c < 0x20 && c != L'\t') {
      terminal.screen += L'^';
      terminal.screen += static_cast<wchar_t>(c + 0x40);
    } else {
      terminal.screen += c;
    }
  }
  if (terminal.screen.size() > kScreenLimit) {
    terminal.screen.erase(0, terminal.screen.size() - kScreenLimit);
  }
  InvalidateRect(terminal.hwnd, nullptr, FALSE);
}

void SetMenuBarHidden(Terminal& terminal, bool hidden) {
  if (hidden == terminal.menuHidden) return;
  terminal.menuHidden = hidden;
  if (!hidden) {
    SetMenu(terminal.hwnd, terminal.menuBar);
    GetSystemMenu(terminal.hwnd, TRUE);  // back to the standard entries
    RecordEvent(terminal.hwnd, "MENUBAR shown");
    return;
  }
  SetMenu(terminal.hwnd, nullptr);
  // Inserted by position rather than appended: Wine's standard system menu
  // has a separator and "About Wine" after Close, so appending would not
  // land at position 8 there.
  HMENU system = GetSystemMenu(terminal.hwnd, FALSE);
  InsertMenuW(system, 7, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
  InsertMenuW(system, 8, MF_BYPOSITION | MF_STRING, kShowMenuBarCommand, L"Show menu &bar");
  RecordEvent(terminal.hwnd, "MENUBAR hidden");
  // Read back, since under Wine no other process can read our menus.
  RecordEvent(terminal.hwnd,
              "SYSMENU 7=" + DescribeMenuItem(system, 7) + " 8=" + DescribeMenuItem(system, 8));
}
