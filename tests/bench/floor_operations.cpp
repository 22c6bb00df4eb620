// The floor: bare_panel.exe --operations takes the triggers the benchmark gives Flockhand (the
// same WM_COMMAND identifiers to its main window, a key-down in its command box, a character in
// its filter box) and reaches the same result on its own controls and on the same terminals with
// the fewest calls it can: the controls that follow the selection are touched only when what
// they show changes, and nothing is asked of a control that the program already knows. Paced
// operations keep Flockhand's pauses and its bounded round trips to each terminal (a paste's from
// a worker, as the window's thread never waits on a terminal), and answer the messages other
// programs send them meanwhile (SMTO_NORMAL instead of SMTO_BLOCK).
#include "floor_operations.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <unordered_set>

#include "app/selection_counter.h"
#include "bare_window.h"
#include "operations/grid_suggestion.h"
#include "base/resource_ids.h"
#include "terminals/terminal_contract.h"
#include "terminals/terminal_dialog.h"
#include "terminals/title_filter.h"

FloorPanel Panel;

namespace {

struct Terminal {
  std::wstring title;
  HWND window;
};
using Terminals = std::vector<Terminal>;

Terminals All;    // every terminal discovered, in the current order
Terminals Rows;   // the rows the list shows
std::unordered_set<HWND> Selected;  // always a subset of Rows
std::wstring Filter;
bool Descending = false, Faded = false, MenuBarsHidden = false;
WNDPROC CommandBoxDefaultProc;

constexpr DWORD kSettlePauseMs = 150, kDialogPollMs = 150;
constexpr UINT kPasteBoundMs = 1000;
constexpr int kDialogLooks = 13;
constexpr DWORD kDialogGoneMs = 3000;
constexpr UINT kAnswerTimeoutMs = 300, kSetTextTimeoutMs = 1000;
constexpr unsigned kFadedAlpha = 60, kOpaque = 255;  // the benchmark's fkh.ini: alpha 60

bool Ascending(const Terminal& a, const Terminal& b) {
  if (a.title != b.title) return a.title < b.title;
  return reinterpret_cast<UINT_PTR>(a.window) < reinterpret_cast<UINT_PTR>(b.window);
}

BOOL CALLBACK Collect(HWND window, LPARAM) {
  wchar_t title[kTitleCapacity], className[1024];
  const int length = GetWindowTextW(window, title, kTitleCapacity);
  GetClassNameW(window, className, 1024);
  if (length > 0 && std::wcscmp(className, kTerminalWindowClass) == 0) {
    All.push_back({std::wstring(title, static_cast<size_t>(length)), window});
  }
  return TRUE;
}

// The handles in `list` that are selected, or those that are not.
std::unordered_set<HWND> Among(const Terminals& list, bool selected) {
  std::unordered_set<HWND> found;
  for (const Terminal& terminal : list) {
    if ((Selected.count(terminal.window) != 0) == selected) found.insert(terminal.window);
  }
  return found;
}

Terminals SelectedInOrder(const Terminals& list) {
  Terminals selected;
  for (const Terminal& row : list) {
    if (Selected.count(row.window)) selected.push_back(row);
  }
  return selected;
}

// Replaces the rows (when `rows` is given) and marks the selected ones, one message per run of
// them, with redrawing paused so that the list paints once afterwards.
void ShowRows(const Terminals* rows) {
  SendMessageW(Panel.list, WM_SETREDRAW, FALSE, 0);
  if (rows) {
    Rows = *rows;
    SendMessageW(Panel.list, LB_RESETCONTENT, 0, 0);
    for (const Terminal& row : Rows) {
      SendMessageW(Panel.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.title.c_str()));
    }
  } else {
    SendMessageW(Panel.list, LB_SETSEL, FALSE, -1);
  }
  for (size_t first = 0; first < Rows.size();) {
    size_t end = first;
    while (end < Rows.size() && Selected.count(Rows[end].window)) ++end;
    if (end > first) {
      SendMessageW(Panel.list, LB_SELITEMRANGE, TRUE,
                   MAKELPARAM(static_cast<WORD>(first), static_cast<WORD>(end - 1)));
    }
    first = end + 1;
  }
  SendMessageW(Panel.list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Panel.list, nullptr, TRUE);
}

// After every command, the controls that follow the number selected, touched only when what
// they show changes: the seven window-operation controls are enabled while any is selected, the
// grid counts take the suggestion below 55 and the counter shows the number.
void ShowSelection(size_t before) {
  const size_t now = Selected.size();
  if ((before == 0) != (now == 0)) {
    for (HWND control : Panel.operations) EnableWindow(control, now > 0);
  }
  if (now == before) return;
  if (const auto grid = SuggestedGrid(now, ArrangeArea{})) {
    const wchar_t columns[] = {static_cast<wchar_t>(L'0' + grid->columns), 0};
    const wchar_t rows[] = {static_cast<wchar_t>(L'0' + grid->rows), 0};
    SetWindowTextW(Panel.columnsEdit, columns);
    SetWindowTextW(Panel.rowsEdit, rows);
  }
  SetWindowTextW(Panel.counter, FormatSelectionCount(now).c_str());
}

void ApplyFilter() {
  wchar_t text[kFilterTextLimit + 1];
  Filter.assign(text, static_cast<size_t>(
                          std::max(GetWindowTextW(Panel.filterBox, text, kFilterTextLimit + 1), 0)));
  Terminals rows;
  const std::wstring prepared = PrepareFilterText(Filter);
  for (const Terminal& terminal : All) {
    if (Filter.empty() || TitleMatchesFilter(terminal.title, prepared)) rows.push_back(terminal);
  }
  Selected = Among(rows, true);
  ShowRows(&rows);
}

// All terminals in the new order; a filter in place is cleared, which shows them.
void ShowAll() {
  if (Filter.empty()) {
    ShowRows(&All);
  } else {
    SetWindowTextW(Panel.filterBox, L"");  // its EN_UPDATE shows them
  }
}

void Refresh() {
  All.clear();
  EnumWindows(Collect, 0);
  std::sort(All.begin(), All.end(), Ascending);
  Descending = false;
  Selected = Among(All, true);
  ShowAll();
}

void Reverse() {
  Descending = !Descending;
  std::sort(All.begin(), All.end(), [](const Terminal& a, const Terminal& b) {
    return Descending ? Ascending(b, a) : Ascending(a, b);
  });
  ShowAll();
}

void SelectFromList() {
  std::vector<int> marked(Rows.size());
  const LRESULT count = SendMessageW(Panel.list, LB_GETSELITEMS, marked.size(),
                                     reinterpret_cast<LPARAM>(marked.data()));
  Selected.clear();
  for (LRESULT i = 0; i < count; ++i) Selected.insert(Rows[static_cast<size_t>(marked[i])].window);
}

// Every row marked with one message, redrawing paused as in ShowRows.
void SelectAll() {
  for (const Terminal& row : Rows) Selected.insert(row.window);
  SendMessageW(Panel.list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(Panel.list, LB_SETSEL, TRUE, -1);
  SendMessageW(Panel.list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Panel.list, nullptr, TRUE);
}

void Invert() {
  Selected = Among(Rows, false);
  ShowRows(nullptr);
}

bool AllNormal(const Terminals& terminals) {
  for (const Terminal& terminal : terminals) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (GetWindowPlacement(terminal.window, &placement) && placement.showCmd != SW_SHOWNORMAL) {
      return false;
    }
  }
  return true;
}

void KeyDown(WPARAM key, LPARAM lParam) {
  const Terminals targets = SelectedInOrder(Rows);
  if (targets.empty() || !AllNormal(targets)) return;
  for (const Terminal& target : targets) PostMessageW(target.window, WM_KEYDOWN, key, lParam);
}

void Fade() {
  for (unsigned step = 0; step <= kOpaque - kFadedAlpha; ++step) {
    const unsigned alpha = Faded ? kFadedAlpha + step : kOpaque - step;
    SetLayeredWindowAttributes(Panel.main, RGB(255, 255, 255), static_cast<BYTE>(alpha), LWA_ALPHA);
  }
  Faded = !Faded;
}

// Waits while answering the messages other programs send, for ms or until `until` (if any) is
// set; posted ones wait for the end of the operation.
void Pause(DWORD ms, HANDLE until = nullptr) {
  const ULONGLONG end = GetTickCount64() + ms;
  for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
    const DWORD woke = MsgWaitForMultipleObjects(until ? 1 : 0, &until, FALSE,
                                                 static_cast<DWORD>(end - now), QS_SENDMESSAGE);
    if (until && woke == WAIT_OBJECT_0) return;
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

bool Answer(HWND terminal) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(terminal, WM_NULL, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                             kAnswerTimeoutMs, &ignored) != 0;
}

// A paste command sent from a worker of the process's pool, as the operations' thread must never
// wait on a terminal; PasteSent is set once the send has returned, within its bound.
HANDLE PasteSent = CreateEventW(nullptr, FALSE, FALSE, nullptr);

DWORD WINAPI SendPaste(void* terminal) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(static_cast<HWND>(terminal), WM_COMMAND, kTerminalPasteCommand, 0,
                      SMTO_NORMAL | SMTO_ABORTIFHUNG, kPasteBoundMs, &ignored);
  SetEvent(PasteSent);
  return 0;
}

void Paste() {
  const Terminals targets = SelectedInOrder(Rows);
  if (targets.empty() || !AllNormal(targets) || !OpenClipboard(Panel.main)) return;
  std::wstring text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
      text.assign(units, wcsnlen(units, GlobalSize(data) / sizeof(wchar_t)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  if (text.empty()) return;
  // One after another: each send returns once its terminal has read the clipboard.
  for (const Terminal& target : targets) {
    if (!QueueUserWorkItem(SendPaste, target.window, WT_EXECUTELONGFUNCTION)) return;
    Pause(2 * kPasteBoundMs, PasteSent);
  }
}

void BringForward() {
  GetQueueStatus(QS_ALLINPUT);
  SetForegroundWindow(Panel.main);
  SetActiveWindow(Panel.main);
}

int Count(HWND edit) {
  wchar_t text[8] = {};
  GetWindowTextW(edit, text, 8);
  return std::max(_wtoi(text), 1);
}

void Arrange() {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT work = monitor.rcWork;
  const int columns = Count(Panel.columnsEdit), rows = Count(Panel.rowsEdit);
  const int width = (work.right - work.left) / columns, height = (work.bottom - work.top) / rows;
  const Terminals targets = SelectedInOrder(Rows);
  for (size_t i = 0; i < targets.size(); ++i) {
    const HWND terminal = targets[i].window;
    const int slot = static_cast<int>(i % static_cast<size_t>(columns * rows));
    const RECT cell = {work.left + slot % columns * width, work.top + slot / columns * height,
                       work.left + (slot % columns + 1) * width,
                       work.top + (slot / columns + 1) * height};
    SetActiveWindow(terminal);
    ShowWindowAsync(terminal, SW_RESTORE);
    // A terminal that came to rest elsewhere (one moved to a display of another scale resizes
    // itself) is placed once more.
    for (int placed = 0; placed < 2; ++placed) {
      SetWindowPos(terminal, HWND_NOTOPMOST, cell.left, cell.top, width, height,
                   SWP_ASYNCWINDOWPOS);
      SetForegroundWindow(terminal);
      RECT landed;
      if (!Answer(terminal) || !GetWindowRect(terminal, &landed) || EqualRect(&landed, &cell)) {
        break;
      }
    }
  }
  Pause(kSettlePauseMs);
  BringForward();
}

void HideOthers() {
  for (const Terminal& terminal : All) {
    if (Selected.count(terminal.window)) continue;
    ShowWindowAsync(terminal.window, SW_MINIMIZE);
    Answer(terminal.window);
  }
  Pause(kSettlePauseMs);
  SetFocus(Panel.commandBox);
}

void HideMenuBar(const Terminal& terminal) {
  SetActiveWindow(terminal.window);
  PostMessageW(terminal.window, WM_COMMAND, kTerminalWindowSetupCommand, 0);
  HWND dialog = nullptr;
  for (int look = 0; look < kDialogLooks && !dialog && IsWindow(terminal.window); ++look) {
    Pause(kDialogPollMs);
    dialog = FindTerminalDialog(terminal.window);
  }
  if (!dialog) return;
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(GetDlgItem(dialog, kSetupTitleEdit), WM_SETTEXT, 0,
                      reinterpret_cast<LPARAM>(terminal.title.c_str()),
                      SMTO_NORMAL | SMTO_ABORTIFHUNG, kSetTextTimeoutMs, &ignored);
  PostMessageW(GetDlgItem(dialog, kSetupHideMenuBarCheck), BM_SETCHECK, BST_CHECKED, 0);
  PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  // The end state needs the dialog gone and the terminal answering before the next one's
  // dialog is asked for, as Flockhand waits for them (3 s at most).
  for (DWORD waited = 0; waited < kDialogGoneMs && IsWindow(dialog); ++waited) Pause(1);
  Answer(terminal.window);
}

void ShowMenuBar(HWND terminal) {
  SetActiveWindow(terminal);
  HMENU menu = GetSystemMenu(terminal, FALSE);
  const UINT command = menu ? GetMenuItemID(menu, kShowMenuBarMenuPosition) : 0;
  if (command != 0 && command != static_cast<UINT>(-1)) {
    PostMessageW(terminal, WM_SYSCOMMAND, command, 0);
  }
}

void SwitchMenuBars() {
  for (const Terminal& terminal : SelectedInOrder(Rows)) {
    if (MenuBarsHidden) {
      ShowMenuBar(terminal.window);
    } else {
      HideMenuBar(terminal);
    }
  }
  MenuBarsHidden = !MenuBarsHidden;
  SetWindowTextW(Panel.menuBarButton, MenuBarsHidden ? L"MenuBar On" : L"MenuBar Off");
  Pause(kSettlePauseMs);
  BringForward();
  SetFocus(Panel.commandBox);
}

bool RunCommand(int id, int notification) {
  switch (id) {
    case IDC_FILTER_BOX:
      if (notification == EN_UPDATE) ApplyFilter();
      return true;
    case IDC_TERMINAL_LIST:
      if (notification == LBN_SELCHANGE) SelectFromList();
      return true;
    case IDM_REFRESH: Refresh(); return true;
    case IDM_REVERSE: Reverse(); return true;
    case IDM_SELECT_ALL: SelectAll(); return true;
    case IDM_INVERT: Invert(); return true;
    case IDM_TRANSPARENCY: Fade(); return true;
    case IDM_PASTE: Paste(); return true;
    case IDM_ARRANGE: Arrange(); return true;
    case IDM_HIDE_OTHERS: HideOthers(); return true;
    case IDM_MENU_BAR: SwitchMenuBars(); return true;
    case IDM_FOCUS_COMMAND: SetFocus(Panel.commandBox); return true;
    case IDM_FOCUS_FILTER: SetFocus(Panel.filterBox); return true;
    default: return false;
  }
}

// Every command ends with the controls that follow the selection brought up to date.
bool Command(int id, int notification) {
  const size_t before = Selected.size();
  const bool known = RunCommand(id, notification);
  ShowSelection(before);
  return known;
}

LRESULT CALLBACK CommandBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_KEYDOWN) {
    return CallWindowProcW(CommandBoxDefaultProc, window, message, wParam, lParam);
  }
  KeyDown(wParam, lParam);
  return 0;
}

void AddTip(HWND control) {
  HWND tooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, control, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = control;
  GetClientRect(control, &tool.rect);
  tool.lpszText = const_cast<wchar_t*>(L"floor");
  SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace

void StartOperations() {
  for (HWND control : Panel.tipped) AddTip(control);
  SetLayeredWindowAttributes(Panel.main, RGB(255, 255, 255), kOpaque, LWA_ALPHA);
  CommandBoxDefaultProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      Panel.commandBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CommandBoxProc)));
  Refresh();
}

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && Command(LOWORD(wParam), HIWORD(wParam))) return 0;
  return BareWindowProc(window, message, wParam, lParam);
}
