// Self-test of vtwin32.exe: starts real stand-in processes and checks, from
// outside as Flockhand would, the windows they make and the lines they record.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "selftest_support.h"

namespace {

constexpr WORD kPaste = 50230;
constexpr WORD kSetupWindow = 50320;
constexpr DWORD kHungProbeTimeoutMs = 200;

// Inverse of the record's text escaping, written independently of it.
std::string Unescape(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    switch (text[++i]) {
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 't': out += '\t'; break;
      default: out += text[i]; break;
    }
  }
  return out;
}

HWND ReadyWindow(StandIn& standIn) {
  const std::vector<HWND> windows = standIn.WaitReady(1);
  return windows.empty() ? nullptr : windows[0];
}

std::string ReadyTitle(StandIn& standIn, HWND hwnd) {
  const std::vector<RecordLine> lines = standIn.LinesOf(hwnd, "READY");
  return lines.empty() ? "<no READY line>" : lines[0].rest;
}

// Finds the owned dialog the way Flockhand does, and reports how Wine's
// GW_ENABLEDPOPUP behaves: Wine 8 does not implement it and answers null.
HWND WaitForDialog(HWND owner) {
  HWND dialog = nullptr;
  Check(WaitUntil([&] { return (dialog = FindOwnedEnabledPopup(owner)) != nullptr; }),
        "no enabled pop-up owned by the terminal appeared");
  if (!dialog) return nullptr;
  const HWND viaEnabledPopup = GetWindow(owner, GW_ENABLEDPOPUP);
  static bool noted = false;
  if (RunningOnWine() && !viaEnabledPopup) {
    if (!noted) {
      std::printf(
          "    note: GetWindow(GW_ENABLEDPOPUP) gives null under Wine; the dialog was found by its "
          "owner; GetLastActivePopup(terminal) %s it\n",
          GetLastActivePopup(owner) == dialog ? "gives" : "does not give");
    }
    noted = true;
  } else {
    Check(viaEnabledPopup == dialog, "GetWindow(terminal, GW_ENABLEDPOPUP) is not the dialog");
  }
  Check(GetWindow(dialog, GW_OWNER) == owner, "the dialog's owner is not the terminal");
  Check(ClassName(dialog) == L"#32770", "the dialog is not of the dialog class");
  Check((GetWindowLongW(dialog, GWL_STYLE) & WS_POPUP) != 0, "the dialog is not a pop-up window");
  Check(!IsWindowEnabled(owner), "the terminal stays enabled while its dialog is open");
  return dialog;
}

void ReadyLineNamesTheWindowAndItsTitle() {
  StandIn standIn({L"--title=Hello terminal"});
  HWND hwnd = ReadyWindow(standIn);
  if (!hwnd) return;
  Check(IsWindow(hwnd), "the READY handle is not a window");
  DWORD processId = 0;
  GetWindowThreadProcessId(hwnd, &processId);
  Check(processId == standIn.ProcessId(), "the READY window belongs to another process");
  Check(ClassName(hwnd) == L"VTWin32",
        "default class is not reported as VTWin32 (a class differing only in case registered "
        "earlier in this "
        "session changes the spelling GetClassNameW reports)");
  Check(WindowText(hwnd) == L"Hello terminal", "window title differs from --title");
  Check(ReadyTitle(standIn, hwnd) == "Hello terminal",
        "READY line title: " + ReadyTitle(standIn, hwnd));
  Check(IsWindowVisible(hwnd) && !IsIconic(hwnd) && !IsZoomed(hwnd),
        "default show state is not normal");
  Check(GetMenu(hwnd) != nullptr, "the terminal has no menu bar");
}

void DefaultTitleIsStandIn() {
  StandIn standIn({});
  HWND hwnd = ReadyWindow(standIn);
  if (!hwnd) return;
  Check(WindowText(hwnd) == L"stand-in", "default title is not \"stand-in\"");
  Check(ReadyTitle(standIn, hwnd) == "stand-in", "READY line title: " + ReadyTitle(standIn, hwnd));
}

void LongTitleRoundTrips() {
  const std::wstring pattern = L"Long title \u00e9\u7aef\u672b-0123456789 \\ ";
  std::wstring title;
  while (title.size() < 1500) title += pattern[title.size() % pattern.size()];
  StandIn standIn({L"--title=" + title});
  HWND hwnd = ReadyWindow(standIn);
  if (!hwnd) return;
  Check(WindowText(hwnd) == title, "the 1500-unit title did not reach the window whole");
  Check(Unescape(ReadyTitle(standIn, hwnd)) == e2e::Utf8(title),
        "the READY line does not carry the 1500-unit title");
}

void JapaneseTitleIsUtf8InTheRecord() {
  StandIn standIn({L"--title=\u7aef\u672b\u30c6\u30b9\u30c8 \u65e5\u672c\u8a9e"});
  HWND hwnd = ReadyWindow(standIn);
  if (!hwnd) return;
  // The bytes of "端末テスト 日本語" in UTF-8, spelled out.
  const std::string expected =
      "\xE7\xAB\xAF\xE6\x9C\xAB\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88 "
      "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E";
  Check(ReadyTitle(standIn, hwnd) == expected, "READY line is not the UTF-8 of the Japanese title");
  Check(WindowText(hwnd) == L"\u7aef\u672b\u30c6\u30b9\u30c8 \u65e5\u672c\u8a9e",
        "window title differs");
}

void TextFieldsAreEscaped() {
  StandIn standIn({L"--title=a\\b\tc"});
  HWND hwnd = ReadyWindow(standIn);
  if (!hwnd) return;
  Check(ReadyTitle(standIn, hwnd) == "a\\\\b\\tc",
        "READY title escaping: " + ReadyTitle(standIn, hwnd));
  DWORD_PTR result = 0;
  Check(SendMessageTimeoutW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"x\r\ny"),
                            SMTO_ABORTIFHUNG, 2000, &result) != 0,
        "WM_SETTEXT was not answered");
  standIn.WaitForLine(hwnd, "TITLE", "x\\r\\ny");
}

void CountGivesNumberedWindowsThatDoNotStack() {
  StandIn standIn({L"--count=3", L"--title=Row"});
  const std::vector<HWND> windows = standIn.WaitReady(3);
  if (windows.size() != 3) return;
  std::set<HWND> distinct(windows.begin(), windows.end());
  Check(distinct.size() == 3, "READY lines do not name three different windows");
  for (int i = 0; i < 3; ++i) {
    const std::string expected = "Row " + std::to_string(i + 1);
    Check(ReadyTitle(standIn, windows[i]) == expected, "READY title of window " + expected);
    Check(WindowText(windows[i]) == std::wstring(expected.begin(), expected.end()),
          "title of " + expected);
  }
  const std::vector<HWND> found = standIn.WindowsOfClass(L"VTWin32");
  Check(std::set<HWND>(found.begin(), found.end()) == distinct,
        "the VTWin32 windows of the process differ");
  RECT a, b, c;
  GetWindowRect(windows[0], &a);
  GetWindowRect(windows[1], &b);
  GetWindowRect(windows[2], &c);
  Check(!EqualRect(&a, &b) && !EqualRect(&b, &c) && !EqualRect(&a, &c),
        "windows stack on the same rectangle");
}

void FiveHundredWindowsInOneProcess() {
  StandIn standIn({L"--count=500", L"--title=Many"});
  const std::vector<HWND> windows = standIn.WaitReady(500, 240000);
  if (windows.size() != 500) return;
  Check(std::set<HWND>(windows.begin(), windows.end()).size() == 500,
        "READY handles are not all different");
  Check(ReadyTitle(standIn, windows[499]) == "Many 500", "title of the last window");
  Check(standIn.WindowsOfClass(L"VTWin32").size() == 500,
        "EnumWindows does not find 500 VTWin32 windows");
  PostMessageW(windows[250], WM_KEYDOWN, 0x5A, 0x002C0001);
  standIn.WaitForLine(windows[250], "KEYDOWN", "0x5A 0x002C0001");
}

// Both processes append to one file at once; no line may be lost or torn.
void ProcessesCanShareOneRecordFile() {
  const std::wstring path = NewRecordPath();
  StandIn first({L"--count=60", L"--title=First"}, path);
  StandIn second({L"--count=60", L"--title=Second"}, path);
  const std::vector<HWND> windows = first.WaitReady(120, 60000);
  if (windows.size() != 120) return;
  int firstCount = 0, secondCount = 0;
  for (const RecordLine& line : first.Lines()) {
    Check(line.hwnd.size() == 16 && !line.event.empty(), "malformed line for " + line.hwnd);
    if (line.event != "READY") continue;
    if (line.rest.rfind("First ", 0) == 0)
      ++firstCount;
    else if (line.rest.rfind("Second ", 0) == 0)
      ++secondCount;
  }
  Check(firstCount == 60 && secondCount == 60,
        "READY lines per process: " + std::to_string(firstCount) + " and " +
            std::to_string(secondCount));
}

void DecoyClassWithAnotherName() {
  StandIn standIn({L"--class=VTWin32X", L"--title=Decoy"});
  HWND hwnd = ReadyWindow(standIn);
  if (!hwnd) return;
  Check(ClassName(hwnd) == L"VTWin32X", "class name is not exactly VTWin32X");
  Check(standIn.WindowsOfClass(L"VTWin32").empty(),
        "the decoy process has a window of class VTWin32");
  Check(FindWindowW(L"VTWin32", L"Decoy") == nullptr,
        "FindWindowW(VTWin32) finds the VTWin32X decoy");
}

// Class names are case-insensitive atoms: GetClassNameW reports the spelling
// of whichever registration created the atom first, so a decoy differing only
// in case cannot be told apart from the real class by its name.
void DecoyClassDifferingOnlyInCase() {
  StandIn real({L"--title=Real"});
  if (!ReadyWindow(real)) return;
  StandIn decoy({L"--class=vtwin32", L"--title=Decoy"});
  HWND hwnd = ReadyWindow(decoy);
  if (!hwnd) return;
  const std::wstring name = ClassName(hwnd);
  Check(lstrcmpiW(name.c_str(), L"vtwin32") == 0, "decoy class is not vtwin32 in any spelling");
  std::printf("    note: the vtwin32 decoy reports its class as \"%s\"\n", e2e::Utf8(name).c_str());
  Check(FindWindowW(L"VTWin32", L"Decoy") == hwnd,
        "FindWindowW(VTWin32) does not match the case decoy");
}

void EmptyTitle() {
  StandIn standIn({L"--empty-title", L"--title=ignored"});
  HWND hwnd = ReadyWindow(standIn);
  if (!hwnd) return;
  Check(GetWindowTextLengthW(hwnd) == 0, "--empty-title window has a title");
  const std::vector<RecordLine> ready = standIn.LinesOf(hwnd, "READY");
  Check(!ready.empty() && ready[0].hasRest && ready[0].rest.empty(),
        "READY line of an empty title is not \"READY \"");
}

void ShowStates() {
  StandIn minimized({L"--show=min"});
  StandIn maximized({L"--show=max"});
  StandIn hidden({L"--show=hidden"});
  StandIn normal({L"--show=normal"});
  HWND min = ReadyWindow(minimized), max = ReadyWindow(maximized), hid = ReadyWindow(hidden),
       nor = ReadyWindow(normal);
  if (!min || !max || !hid || !nor) return;
  Check(IsIconic(min) && IsWindowVisible(min), "--show=min is not a visible iconic window");
  Check(IsZoomed(max) && IsWindowVisible(max), "--show=max is not a visible zoomed window");
  Check(!IsWindowVisible(hid) && IsWindow(hid), "--show=hidden window is visible");
  Check(IsWindowVisible(nor) && !IsIconic(nor) && !IsZoomed(nor),
        "--show=normal is not a plain visible window");
}

void PositionOptionSetsTheNormalRectangle() {
  StandIn standIn({L"--pos=100,120,300,200", L"--show=max"});
  HWND hwnd = ReadyWindow(standIn);
  if (!hwnd) return;
  Check(IsZoomed(hwnd) != FALSE, "--show=max with --pos is not maximised");
  // The terminal's own GetWindowPlacement, as recorded.
  const std::vector<RecordLine> lines = standIn.LinesOf(hwnd, "PLACEMENT");
  Check(!lines.empty() && lines.back().rest == "3 100 120 400 320",
        "last PLACEMENT line: " + (lines.empty() ? std::string("<none>") : lines.back().rest));
  // Wine answers GetWindowPlacement for another process's window with its
  // current rectangle as the normal one, so only Windows is asked here.
  if (RunningOnWine()) return;
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  Check(GetWindowPlacement(hwnd, &placement) != FALSE, "GetWindowPlacement failed");
  const RECT& r = placement.rcNormalPosition;
  Check(r.left == 100 && r.top == 120 && r.right == 400 && r.bottom == 320,
        "normal rectangle is " + std::to_string(r.left) + ',' + std::to_string(r.top) + ',' +
            std::to_string(r.right) + ',' + std::to_string(r.bottom) + ", not 100,120,400,320");
  Check(placement.showCmd == SW_SHOWMAXIMIZED, "showCmd is not SW_SHOWMAXIMIZED");
}

void PostedKeyDownIsRecordedAndNeverTranslated() {
  StandIn standIn({});
  HWND hwnd = ReadyWindow(standIn);
  if (!hwnd) return;
  PostMessageW(hwnd, WM_KEYDOWN, 0x41, 0x001E0001);
  PostMessageW(hwnd, WM_KEYUP, 0x41, static_cast<LPARAM>(0xC01E0001u));
  PostMessageW(hwnd, WM_KEYDOWN, VK_RETURN, 0x001C0001);
  standIn.WaitForLine(hwnd, "KEYDOWN", "0x41 0x001E0001");
  standIn.WaitForLine(hwnd, "KEYUP", "0x41 0xC01E0001");
  standIn.WaitForLine(hwnd, "KEYDOWN", "0xD 0x001C0001");
  // A translated key would have queued its WM_CHAR before this sync command.
  standIn.Sync(hwnd);
  Check(standIn.LinesOf(hwnd, "CHAR").empty(), "a WM_CHAR was recorded though none was posted");
}

void PostedCharIsRecordedWithItsLowParamBits() {
  StandIn standIn({});
  HWND hwnd = ReadyWindow(standIn);
  if (!hwnd) return;
  PostMessageW(hwnd, WM_CHAR, 0x3042, 0x00000001);
  PostMessageW(hwnd, WM_CHAR, L'a', static_cast<LPARAM>(0xFFFFFFFF801E0001ull));
  standIn.WaitForLine(hwnd, "CHAR", "0x3042 0x00000001");
  standIn.WaitForLine(hwnd, "CHAR", "0x61 0x801E0001");
}

void SystemKeysAreRecordedAndDoNotOpenTheMenu() {
  StandIn standIn({});
  HWND hwnd = ReadyWindow(standIn);
  if (!hwnd) return;
  PostMessageW(hwnd, WM_SYSKEYDOWN, VK_MENU, 0x20380001);
  PostMessageW(hwnd, WM_SYSKEYUP, VK_MENU, static_cast<LPARAM>(0xC0380001u));
  PostMessageW(hwnd, WM_KEYDOWN, 0x42, 0x00300001);
  standIn.WaitForLine(hwnd, "SYSKEYDOWN", "0x12 0x20380001");
  // A menu loop entered on Alt would swallow this key.
  standIn.WaitForLine(hwnd, "KEYDOWN", "0x42 0x00300001");
}

void SysCommandActivationAndPlacementAreRecorded() {
  StandIn standIn({L"--pos=50,60,400,300"});
  HWND hwnd = ReadyWindow(standIn);
  if (!hwnd) return;
  PostMessageW(hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  standIn.WaitForLine(hwnd, "SYSCOMMAND", "0xF030");
  standIn.WaitForLine(hwnd, "PLACEMENT", "3 50 60 450 360");
  Check(IsZoomed(hwnd), "SC_MAXIMIZE did not maximise (default processing skipped?)");
  PostMessageW(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
  standIn.WaitForLine(hwnd, "SYSCOMMAND", "0xF120");
  Check(WaitUntil([&] {
          const std::vector<RecordLine> lines = standIn.LinesOf(hwnd, "PLACEMENT");
          return !lines.empty() && lines.back().rest == "1 50 60 450 360";
        }),
        "no PLACEMENT back to normal after SC_RESTORE");
  PostMessageW(hwnd, WM_ACTIVATE, WA_CLICKACTIVE, 0);
  standIn.WaitForLine(hwnd, "ACTIVATE", "2");
}

void ClipboardPaste() {
  StandIn standIn({});
  HWND hwnd = ReadyWindow(standIn);
  if (!hwnd) return;
  if (!Check(SetClipboardText(L"paste me\tnow \u2713"), "could not set the clipboard")) return;
  PostMessageW(hwnd, WM_COMMAND, kPaste, 0);
  standIn.WaitForLine(hwnd, "PASTE", "paste me\\tnow \xE2\x9C\x93");
}

void ConfirmedPasteWaitsForOk() {
  StandIn standIn({L"--confirm-paste"});
  HWND hwnd = ReadyWindow(standIn);
  if (!hwnd) return;
  if (!Check(SetClipboardText(L"first\r\nsecond"), "could not set the clipboard")) return;
  PostMessageW(hwnd, WM_COMMAND, kPaste, 0);
  if (!standIn.WaitForLine(hwnd, "PASTECONFIRM", nullptr)) return;
  HWND dialog = WaitForDialog(hwnd);
  if (!dialog) return;
  HWND ok = GetDlgItem(dialog, IDOK);
  Check(ok != nullptr && GetDlgItem(dialog, IDCANCEL) != nullptr,
        "dialog lacks OK (1) or Cancel (2)");
  Check(standIn.LinesOf(hwnd, "PASTE").empty(), "pasted before the dialog was accepted");
  // Keys that reach the terminal meanwhile are still not translated.
  PostMessageW(hwnd, WM_KEYDOWN, 0x43, 0x002E0001);
  standIn.WaitForLine(hwnd, "KEYDOWN", "0x43 0x002E0001");
  PostMessageW(ok, BM_CLICK, 0, 0);
  standIn.WaitForLine(hwnd, "PASTE", "first\\r\\nsecond");
  Check(WaitUntil([&] { return !IsWindow(dialog); }), "the dialog stayed after OK");
  Check(WaitUntil([&] { return IsWindowEnabled(hwnd) != FALSE; }),
        "the terminal stayed disabled after OK");
  Check(standIn.LinesOf(hwnd, "CHAR").empty(), "a key was translated while the dialog was open");
}

void ConfirmedPasteCanBeCancelled() {
  StandIn standIn({L"--confirm-paste"});
  HWND hwnd = ReadyWindow(standIn);
  if (!hwnd) return;
  if (!Check(SetClipboardText(L"one\ntwo"), "could not set the clipboard")) return;
  PostMessageW(hwnd, WM_COMMAND, kPaste, 0);
  if (!standIn.WaitForLine(hwnd, "PASTECONFIRM", nullptr)) return;
  HWND dialog = WaitForDialog(hwnd);
  if (!dialog) return;
  PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
  standIn.WaitForLine(hwnd, "PASTECANCEL", nullptr);
  standIn.Sync(hwnd);
  Check(standIn.LinesOf(hwnd, "PASTE").empty(), "a cancelled paste was pasted");
  Check(!IsWindow(dialog) && IsWindowEnabled(hwnd),
        "dialog still open or terminal disabled after Cancel");
}

void SingleLinePasteNeedsNoConfirmation() {
  StandIn standIn({L"--confirm-paste"});
  HWND hwnd = ReadyWindow(standIn);
  if (!hwnd) return;
  if (!Check(SetClipboardText(L"just one line"), "could not set the clipboard")) return;
  PostMessageW(hwnd, WM_COMMAND, kPaste, 0);
  standIn.WaitForLine(hwnd, "PASTE", "just one line");
  Check(standIn.LinesOf(hwnd, "PASTECONFIRM").empty(), "a single line asked for confirmation");
}

// Fills the setup dialog the way Flockhand does and checks what it applies.
void SetupDialogSetsTitleAndHidesMenuBarUntilSystemMenuShowsIt() {
  StandIn standIn({L"--title=Before setup"});
  HWND hwnd = ReadyWindow(standIn);
  if (!hwnd) return;
  PostMessageW(hwnd, WM_COMMAND, kSetupWindow, 0);
  if (!standIn.WaitForLine(hwnd, "SETUP", nullptr)) return;
  HWND dialog = WaitForDialog(hwnd);
  if (!dialog) return;
  HWND edit = GetDlgItem(dialog, 201), check = GetDlgItem(dialog, 205);
  if (!Check(edit && check && GetDlgItem(dialog, IDOK) && GetDlgItem(dialog, IDCANCEL),
             "setup dialog lacks control 201, 205, 1 or 2")) {
    return;
  }
  Check(ControlText(edit) == L"Before setup", "edit 201 does not hold the current title");
  DWORD_PTR checked = 1;
  SendMessageTimeoutW(check, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &checked);
  Check(checked == BST_UNCHECKED, "check box 205 starts checked with the menu bar shown");

  DWORD_PTR result = 0;
  SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"After setup \u00e9"),
                      SMTO_ABORTIFHUNG, 2000, &result);
  PostMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
  PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  standIn.WaitForLine(hwnd, "SETUPOK", "menubar=hidden title=After setup \xC3\xA9");
  standIn.WaitForLine(hwnd, "TITLE", "After setup \xC3\xA9");
  standIn.WaitForLine(hwnd, "MENUBAR", "hidden");
  Check(WindowText(hwnd) == L"After setup \u00e9", "the title was not applied");
  Check(GetMenu(hwnd) == nullptr, "the menu bar is still attached");
  Check(WaitUntil([&] { return IsWindowEnabled(hwnd) && !IsWindow(dialog); }),
        "dialog did not close on OK");

  // Flockhand reads the id at position 8 of the system menu and sends it.
  // The stand-in records its system menu as it reads it back itself; where
  // menus of other processes are readable (Windows) that is checked too.
  if (!standIn.WaitForEvent(hwnd, "SYSMENU")) return;
  const std::string layout = standIn.LinesOf(hwnd, "SYSMENU").back().rest;
  Check(layout.rfind("7=separator 8=0x", 0) == 0,
        "system menu position 7/8 read back as: " + layout);
  const UINT showId =
      static_cast<UINT>(std::strtoul(layout.c_str() + layout.find("8=") + 2, nullptr, 16));
  HMENU system = GetSystemMenu(hwnd, FALSE);
  if (system && GetMenuItemCount(system) > 0) {
    Check(GetMenuItemID(system, 8) == showId,
          "position 8 read from outside differs from the record");
  } else {
    Check(RunningOnWine(), "the terminal's system menu cannot be read from another process");
    std::printf(
        "    note: under Wine another process's system menu cannot be read; relying on SYSMENU\n");
  }
  PostMessageW(hwnd, WM_SYSCOMMAND, showId, 0);
  standIn.WaitForLine(hwnd, "MENUBAR", "shown");
  Check(GetMenu(hwnd) != nullptr, "the menu bar did not come back");
}

void SetupDialogCancelChangesNothing() {
  StandIn standIn({L"--title=Kept"});
  HWND hwnd = ReadyWindow(standIn);
  if (!hwnd) return;
  PostMessageW(hwnd, WM_COMMAND, kSetupWindow, 0);
  if (!standIn.WaitForLine(hwnd, "SETUP", nullptr)) return;
  HWND dialog = WaitForDialog(hwnd);
  if (!dialog) return;
  PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
  standIn.WaitForLine(hwnd, "SETUPCANCEL", nullptr);
  Check(WindowText(hwnd) == L"Kept" && GetMenu(hwnd) != nullptr, "Cancel changed the window");
  Check(standIn.LinesOf(hwnd, "SETUPOK").empty(), "Cancel recorded SETUPOK");
}

// Each window's dialog stands alone: no modal loop nests inside another, so
// accepting the first-opened dialog takes effect while the second stays open.
void DialogsOfSeveralWindowsAreIndependent() {
  StandIn standIn({L"--count=2", L"--title=Pair"});
  const std::vector<HWND> windows = standIn.WaitReady(2);
  if (windows.size() != 2) return;
  PostMessageW(windows[0], WM_COMMAND, kSetupWindow, 0);
  PostMessageW(windows[1], WM_COMMAND, kSetupWindow, 0);
  HWND first = WaitForDialog(windows[0]);
  HWND second = WaitForDialog(windows[1]);
  if (!first || !second) return;
  DWORD_PTR result = 0;
  SendMessageTimeoutW(GetDlgItem(first, 201), WM_SETTEXT, 0,
                      reinterpret_cast<LPARAM>(L"First renamed"), SMTO_ABORTIFHUNG, 2000, &result);
  PostMessageW(GetDlgItem(first, IDOK), BM_CLICK, 0, 0);
  standIn.WaitForLine(windows[0], "TITLE", "First renamed");
  Check(IsWindow(second) && !IsWindowEnabled(windows[1]), "the second dialog did not stay open");
  // A second setup command while a dialog is open opens nothing more.
  PostMessageW(windows[1], WM_COMMAND, kSetupWindow, 0);
  standIn.WaitForLine(windows[1], "BUSY", "50320");
  PostMessageW(GetDlgItem(second, IDCANCEL), BM_CLICK, 0, 0);
  standIn.WaitForLine(windows[1], "SETUPCANCEL", nullptr);
  Check(WindowText(windows[1]) == L"Pair 2", "the cancelled dialog changed the title");
}

void ConfirmedPasteWhileADialogIsOpenIsRefused() {
  StandIn standIn({L"--confirm-paste"});
  HWND hwnd = ReadyWindow(standIn);
  if (!hwnd) return;
  if (!Check(SetClipboardText(L"a\r\nb"), "could not set the clipboard")) return;
  PostMessageW(hwnd, WM_COMMAND, kSetupWindow, 0);
  if (!WaitForDialog(hwnd)) return;
  PostMessageW(hwnd, WM_COMMAND, kPaste, 0);
  standIn.WaitForLine(hwnd, "BUSY", "50230");
  Check(standIn.LinesOf(hwnd, "PASTECONFIRM").empty() && standIn.LinesOf(hwnd, "PASTE").empty(),
        "a paste went ahead while the setup dialog was open");
}

// The terminal gives up on a clipboard held open elsewhere instead of waiting.
void PasteGivesUpOnABusyClipboard() {
  StandIn standIn({});
  HWND hwnd = ReadyWindow(standIn);
  if (!hwnd) return;
  if (!Check(WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 2000),
             "could not open the clipboard"))
    return;
  PostMessageW(hwnd, WM_COMMAND, kPaste, 0);
  const bool failed = standIn.WaitForLine(hwnd, "PASTEFAIL", nullptr, 5000);
  CloseClipboard();
  if (!failed) return;
  Check(standIn.LinesOf(hwnd, "PASTE").empty(), "pasted from a clipboard it could not open");
}

void NoSetupDialogOption() {
  StandIn standIn({L"--no-setup-dialog"});
  HWND hwnd = ReadyWindow(standIn);
  if (!hwnd) return;
  PostMessageW(hwnd, WM_COMMAND, kSetupWindow, 0);
  standIn.WaitForLine(hwnd, "SETUP", nullptr);
  standIn.Sync(hwnd);
  Check(FindOwnedEnabledPopup(hwnd) == nullptr, "a dialog opened despite --no-setup-dialog");
  Check(IsWindowEnabled(hwnd) != FALSE, "the terminal was disabled");
}

void HungWindowsTimeOutButAcceptPostedMessages() {
  StandIn standIn({L"--hung", L"--count=2"});
  const std::vector<HWND> windows = standIn.WaitReady(2);
  if (windows.size() != 2) return;
  for (HWND hwnd : windows) {
    DWORD_PTR result = 0;
    const ULONGLONG start = GetTickCount64();
    const LRESULT answered =
        SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kHungProbeTimeoutMs, &result);
    const ULONGLONG elapsed = GetTickCount64() - start;
    Check(answered == 0, "SendMessageTimeoutW to a hung window succeeded");
    Check(elapsed < 5000, "SendMessageTimeoutW blocked for " + std::to_string(elapsed) + " ms");
    Check(PostMessageW(hwnd, WM_KEYDOWN, 0x41, 0x001E0001) != FALSE,
          "PostMessageW to a hung window failed");
  }
  Check(WaitUntil([&] { return IsHungAppWindow(windows[0]) != FALSE; }),
        "IsHungAppWindow never became true");
  Check(standIn.LinesOf(windows[0], "KEYDOWN").empty(), "a hung window handled a message");
  standIn.Kill();
}

void ClosingTheLastWindowEndsTheProcess() {
  StandIn standIn({L"--count=2"});
  const std::vector<HWND> windows = standIn.WaitReady(2);
  if (windows.size() != 2) return;
  PostMessageW(windows[0], WM_CLOSE, 0, 0);
  Check(WaitUntil([&] { return !IsWindow(windows[0]); }), "first window did not close");
  DWORD exitCode = 0;
  Check(!standIn.WaitForExit(0, exitCode), "the process ended with a window still open");
  PostMessageW(windows[1], WM_CLOSE, 0, 0);
  Check(standIn.WaitForExit(kTimeoutMs, exitCode) && exitCode == 0,
        "the process did not end cleanly");
}

void BadArgumentsAreReported() {
  StandIn standIn({L"--count=0"});
  DWORD exitCode = 0;
  Check(standIn.WaitForExit(kTimeoutMs, exitCode) && exitCode == 2,
        "--count=0 did not exit with code 2");
  const std::vector<RecordLine> lines = standIn.Lines();
  Check(lines.size() == 1 && lines[0].hwnd == "0000000000000000" && lines[0].event == "BADARGS",
        "no BADARGS line for --count=0");
}

struct TestCase {
  const char* name;
  void (*run)();
};

const TestCase kTests[] = {
    {"ReadyLineNamesTheWindowAndItsTitle", ReadyLineNamesTheWindowAndItsTitle},
    {"DefaultTitleIsStandIn", DefaultTitleIsStandIn},
    {"LongTitleRoundTrips", LongTitleRoundTrips},
    {"JapaneseTitleIsUtf8InTheRecord", JapaneseTitleIsUtf8InTheRecord},
    {"TextFieldsAreEscaped", TextFieldsAreEscaped},
    {"CountGivesNumberedWindowsThatDoNotStack", CountGivesNumberedWindowsThatDoNotStack},
    {"FiveHundredWindowsInOneProcess", FiveHundredWindowsInOneProcess},
    {"ProcessesCanShareOneRecordFile", ProcessesCanShareOneRecordFile},
    {"DecoyClassWithAnotherName", DecoyClassWithAnotherName},
    {"DecoyClassDifferingOnlyInCase", DecoyClassDifferingOnlyInCase},
    {"EmptyTitle", EmptyTitle},
    {"ShowStates", ShowStates},
    {"PositionOptionSetsTheNormalRectangle", PositionOptionSetsTheNormalRectangle},
    {"PostedKeyDownIsRecordedAndNeverTranslated", PostedKeyDownIsRecordedAndNeverTranslated},
    {"PostedCharIsRecordedWithItsLowParamBits", PostedCharIsRecordedWithItsLowParamBits},
    {"SystemKeysAreRecordedAndDoNotOpenTheMenu", SystemKeysAreRecordedAndDoNotOpenTheMenu},
    {"SysCommandActivationAndPlacementAreRecorded", SysCommandActivationAndPlacementAreRecorded},
    {"ClipboardPaste", ClipboardPaste},
    {"ConfirmedPasteWaitsForOk", ConfirmedPasteWaitsForOk},
    {"ConfirmedPasteCanBeCancelled", ConfirmedPasteCanBeCancelled},
    {"SingleLinePasteNeedsNoConfirmation", SingleLinePasteNeedsNoConfirmation},
    {"SetupDialogSetsTitleAndHidesMenuBarUntilSystemMenuShowsIt",
     SetupDialogSetsTitleAndHidesMenuBarUntilSystemMenuShowsIt},
    {"SetupDialogCancelChangesNothing", SetupDialogCancelChangesNothing},
    {"DialogsOfSeveralWindowsAreIndependent", DialogsOfSeveralWindowsAreIndependent},
    {"ConfirmedPasteWhileADialogIsOpenIsRefused", ConfirmedPasteWhileADialogIsOpenIsRefused},
    {"PasteGivesUpOnABusyClipboard", PasteGivesUpOnABusyClipboard},
    {"NoSetupDialogOption", NoSetupDialogOption},
    {"HungWindowsTimeOutButAcceptPostedMessages", HungWindowsTimeOutButAcceptPostedMessages},
    {"ClosingTheLastWindowEndsTheProcess", ClosingTheLastWindowEndsTheProcess},
    {"BadArgumentsAreReported", BadArgumentsAreReported},
};

std::wstring DefaultExecutable() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring self(path, length);
  return self.substr(0, self.find_last_of(L"\\/") + 1) + L"vtwin32.exe";
}

}  // namespace

// Usage: vtwin32_selftest [--exe=PATH] [NAME_PART...]; with name parts only
// the tests whose names contain one of them run.
int wmain(int argc, wchar_t** argv) {
  std::wstring executable = DefaultExecutable();
  std::vector<std::string> filters;
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg = argv[i];
    if (arg.rfind(L"--exe=", 0) == 0)
      executable = arg.substr(6);
    else
      filters.push_back(e2e::Utf8(arg));
  }
  StandIn::SetExecutable(executable);

  int passed = 0, failed = 0;
  for (const TestCase& test : kTests) {
    bool selected = filters.empty();
    for (const std::string& filter : filters)
      selected = selected || std::string(test.name).find(filter) != std::string::npos;
    if (!selected) continue;
    std::printf("[ RUN  ] %s\n", test.name);
    std::fflush(stdout);
    StartTest();
    const ULONGLONG start = GetTickCount64();
    test.run();
    const ULONGLONG elapsed = GetTickCount64() - start;
    if (CurrentTestFailed())
      ++failed;
    else
      ++passed;
    std::printf("[ %s ] %s (%llu ms)\n", CurrentTestFailed() ? "FAIL" : " OK ", test.name, elapsed);
    std::fflush(stdout);
  }
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
