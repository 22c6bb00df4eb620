// Checks that the harness itself works under Wine: debugger output and exit codes, real
// keyboard and mouse input, screen capture, window queries, monitors and stand-in terminals.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "harness/capture.h"
#include "harness/documents.h"
#include "harness/debuggee.h"
#include "harness/input.h"
#include "harness/monitors.h"
#include "harness/process.h"
#include "harness/record.h"
#include "harness/stand_in.h"
#include "harness/text.h"
#include "harness/wait.h"
#include "harness/window_find.h"

namespace {

using namespace std::chrono_literals;

// A window of this test thread that fills its client area with a colour and remembers the
// mouse buttons that reached it.
class TargetWindow {
 public:
  struct Press {
    UINT message;
    POINT client;
  };

  TargetWindow(RECT screenRect, COLORREF colour) : colour_(colour) {
    static const ATOM atom = [] {
      WNDCLASSEXW wc{};
      wc.cbSize = sizeof wc;
      wc.style = CS_DBLCLKS;
      wc.lpfnWndProc = Proc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
      wc.lpszClassName = L"E2EHarnessTarget";
      return RegisterClassExW(&wc);
    }();
    window_ = CreateWindowExW(WS_EX_TOPMOST, MAKEINTATOM(atom), L"harness target", WS_POPUP,
                              screenRect.left, screenRect.top, screenRect.right - screenRect.left,
                              screenRect.bottom - screenRect.top, nullptr, nullptr,
                              GetModuleHandleW(nullptr), this);
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
  }
  TargetWindow(const TargetWindow&) = delete;
  TargetWindow& operator=(const TargetWindow&) = delete;
  ~TargetWindow() { DestroyWindow(window_); }

  HWND Handle() const { return window_; }
  const std::vector<Press>& Presses() const { return presses_; }
  void Repaint(COLORREF colour) {
    colour_ = colour;
    InvalidateRect(window_, nullptr, TRUE);
    UpdateWindow(window_);
  }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* self =
          static_cast<TargetWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TargetWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
      case WM_RBUTTONDOWN:
        self->presses_.push_back(
            {message, {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}});
        return 0;
      case WM_ERASEBKGND: return 1;
      case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        HBRUSH brush = CreateSolidBrush(self->colour_);
        RECT client;
        GetClientRect(window, &client);
        FillRect(dc, &client, brush);
        // A white square in the top-left quarter: a capture must show two colours.
        RECT square{client.right / 8, client.bottom / 8, client.right / 4, client.bottom / 4};
        FillRect(dc, &square, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        DeleteObject(brush);
        EndPaint(window, &paint);
        return 0;
      }
      default: return DefWindowProcW(window, message, wParam, lParam);
    }
  }

  HWND window_ = nullptr;
  COLORREF colour_;
  std::vector<Press> presses_;
};

uint32_t Bgra(COLORREF colour) {
  return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

std::wstring NotepadPath() {
  wchar_t folder[MAX_PATH] = {};
  GetSystemDirectoryW(folder, MAX_PATH);
  return std::wstring(folder) + L"\\notepad.exe";
}

// --- polling ---

TEST(HarnessSelfTest, WaitUntilGivesUpAtTheDeadline) {
  const auto start = std::chrono::steady_clock::now();
  int calls = 0;
  EXPECT_FALSE(e2e::WaitUntil([&] { return ++calls < 0; }, 300ms));
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, 300ms);
  EXPECT_LT(waited, 3s) << "the wait overran its deadline";
  EXPECT_GT(calls, 2) << "the predicate was not polled";
}

TEST(HarnessSelfTest, WaitUntilDispatchesThisThreadsMessages) {
  TargetWindow target({100, 100, 300, 300}, RGB(0, 0, 255));
  PostMessageW(target.Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(5, 6));
  ASSERT_TRUE(e2e::WaitUntil([&] { return !target.Presses().empty(); }, 2s))
      << "a message posted to a window of the waiting thread was not dispatched";
  EXPECT_EQ(target.Presses()[0].client.x, 5);
  EXPECT_EQ(target.Presses()[0].client.y, 6);
}

// --- debugger ---

TEST(HarnessSelfTest, DebuggeeCollectsDebugStringsAndExitCode) {
  e2e::Debuggee probe({L"--debug=first line\\n", L"--debug=second", L"--exit=7"},
                      e2e::NextToTests(L"e2e_probe.exe"));
  ASSERT_TRUE(probe.Started()) << "CreateProcessW failed: " << probe.StartError();
  EXPECT_NE(probe.Pid(), 0u);
  const auto line = probe.WaitForDebugLine(L"seco", 10s);
  ASSERT_TRUE(line) << "no debug output containing \"seco\"";
  EXPECT_EQ(*line, L"second");
  ASSERT_TRUE(probe.WaitForExit(10s)) << "the probe did not end";
  EXPECT_EQ(probe.DebugLines(), (std::vector<std::wstring>{L"first line\n", L"second"}));
  EXPECT_EQ(probe.ExitCode(), 7u);
}

TEST(HarnessSelfTest, DebuggeeDebugTextInTheCodePage) {
  // Wine hands debug text over in the process code page: check that it arrives intact as far as
  // that code page can carry it (Japanese needs 932; Latin-1 letters need 1252).
  std::wstring text = L"caf\u00e9";
  if (GetACP() == 932) text = L"\u65e5\u672c\u8a9e";
  BOOL lossy = FALSE;
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, nullptr, 0, nullptr, &lossy);
  if (lossy) GTEST_SKIP() << "code page " << GetACP() << " cannot carry the sample text";
  e2e::Debuggee probe({L"--debug=" + text}, e2e::NextToTests(L"e2e_probe.exe"));
  ASSERT_TRUE(probe.Started()) << "CreateProcessW failed: " << probe.StartError();
  ASSERT_TRUE(probe.WaitForExit(10s)) << "the probe did not end";
  EXPECT_EQ(probe.DebugLines(), std::vector<std::wstring>{text}) << "code page " << GetACP();
}

TEST(HarnessSelfTest, DebuggeePassesExceptionsToTheProgram) {
  e2e::Debuggee probe({L"--raise"}, e2e::NextToTests(L"e2e_probe.exe"));
  ASSERT_TRUE(probe.Started()) << "CreateProcessW failed: " << probe.StartError();
  const auto line = probe.WaitForDebugLine(L"raise:", 10s);
  ASSERT_TRUE(line) << "the probe did not report on its exception";
  EXPECT_EQ(*line, L"raise: handled by the program");
  ASSERT_TRUE(probe.WaitForExit(10s));
  EXPECT_EQ(probe.ExitCode(), 0u);
}

TEST(HarnessSelfTest, DebuggeeIsEndedWithItsObject) {
  HANDLE process = nullptr;
  {
    e2e::Debuggee probe({L"--debug=sleeping", L"--sleep"}, e2e::NextToTests(L"e2e_probe.exe"));
    ASSERT_TRUE(probe.WaitForDebugLine(L"sleeping", 10s)) << "the probe did not start";
    process = OpenProcess(SYNCHRONIZE, FALSE, probe.Pid());
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(WaitForSingleObject(process, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_FALSE(probe.ExitCode()) << "a sleeping program has no exit code";
  }
  EXPECT_EQ(WaitForSingleObject(process, 0), WAIT_OBJECT_0) << "the debuggee outlived its object";
  CloseHandle(process);
}

TEST(HarnessSelfTest, DebuggeeReportsAFailedStart) {
  e2e::Debuggee missing({}, e2e::NextToTests(L"no-such-program.exe"));
  EXPECT_FALSE(missing.Started());
  EXPECT_EQ(missing.StartError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

// --- processes ---

TEST(HarnessSelfTest, StartedProcessArgumentsSurviveQuoting) {
  // The probe prints its arguments back as debug text only under a debugger; its exit code is
  // the check here: the argument holding spaces, quotes and backslashes must arrive whole.
  e2e::Process probe = e2e::StartProcess(e2e::NextToTests(L"e2e_probe.exe"),
                                         {L"--debug=a \"quoted\" arg\\", L"--exit=42"});
  ASSERT_TRUE(probe.Started()) << "CreateProcessW failed: " << GetLastError();
  ASSERT_TRUE(probe.WaitForExit(10s));
  EXPECT_EQ(probe.ExitCode(), 42u);

  e2e::Debuggee debugged({L"--debug=a \"quoted\" arg\\ ", L"--debug=trailing\\\\"},
                         e2e::NextToTests(L"e2e_probe.exe"));
  ASSERT_TRUE(debugged.WaitForExit(10s));
  EXPECT_EQ(debugged.DebugLines(),
            (std::vector<std::wstring>{L"a \"quoted\" arg\\ ", L"trailing\\\\"}));
}

// --- keyboard, foreground, window queries (Wine's notepad) ---

class HarnessNotepadTest : public testing::Test {
 protected:
  void SetUp() override {
    notepad_ = e2e::StartProcess(NotepadPath());
    ASSERT_TRUE(notepad_.Started()) << "could not start " << e2e::Utf8(NotepadPath());
    window_ = e2e::FindTopLevelWindow(notepad_.Pid(), L"Notepad", 15s);
    ASSERT_NE(window_, nullptr) << "notepad showed no window";
    edit_ = e2e::FindChild(window_, L"Edit", L"");
    ASSERT_NE(edit_, nullptr) << "notepad has no empty Edit child";
  }

  e2e::Process notepad_;
  HWND window_ = nullptr;
  HWND edit_ = nullptr;
};

TEST_F(HarnessNotepadTest, TypedTextReachesTheForegroundWindow) {
  ASSERT_TRUE(e2e::BringToForeground(window_)) << "notepad did not become the foreground window";
  const std::wstring text = L"Hello World 42 \u00fcber \u65e5\u672c\u8a9e!";
  e2e::TypeText(text);
  ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::WindowText(edit_) == text; }, 10s))
      << "notepad holds \"" << e2e::Utf8(e2e::WindowText(edit_)) << "\"";

  // Ctrl+A selects everything; typing then replaces it.
  e2e::PressKey('A', e2e::kCtrl);
  e2e::TypeText(L"x");
  ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::WindowText(edit_) == L"x"; }, 10s))
      << "after Ctrl+A and x notepad holds \"" << e2e::Utf8(e2e::WindowText(edit_)) << "\"";
}

TEST_F(HarnessNotepadTest, ChildrenAreListedWithTheirProperties) {
  const auto children = e2e::Children(window_);
  ASSERT_FALSE(children.empty());
  const auto edit = std::find_if(children.begin(), children.end(),
                                 [&](const e2e::ChildInfo& c) { return c.hwnd == edit_; });
  ASSERT_NE(edit, children.end());
  EXPECT_EQ(edit->className, L"Edit");
  EXPECT_TRUE(edit->style & WS_CHILD);
  EXPECT_TRUE(edit->style & ES_MULTILINE);
  EXPECT_EQ(e2e::FindChildById(window_, edit->id), edit_);
  // The edit fills most of notepad's client area.
  const RECT client = e2e::ClientRect(window_);
  EXPECT_GE(edit->rect.left, 0);
  EXPECT_GE(edit->rect.top, 0);
  EXPECT_LE(edit->rect.right, client.right);
  EXPECT_LE(edit->rect.bottom, client.bottom);
  EXPECT_GT(edit->rect.right - edit->rect.left, client.right / 2);
}

TEST_F(HarnessNotepadTest, DragOnTheCornerResizesTheWindow) {
  SetWindowPos(window_, nullptr, 100, 100, 500, 400, SWP_NOZORDER);
  ASSERT_TRUE(e2e::BringToForeground(window_));
  const RECT before = e2e::WindowRect(window_);
  ASSERT_EQ(before.right - before.left, 500);
  // Two pixels inside the bottom-right corner of the frame.
  ASSERT_TRUE(
      e2e::Drag({before.right - 2, before.bottom - 2}, {before.right + 98, before.bottom + 58}))
      << "notepad did not take the press on its corner";
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        const RECT after = e2e::WindowRect(window_);
        return after.right - after.left == 600 && after.bottom - after.top == 460;
      },
      10s))
      << "notepad is " << e2e::WindowRect(window_).right - e2e::WindowRect(window_).left << "x"
      << e2e::WindowRect(window_).bottom - e2e::WindowRect(window_).top << " after the drag";
}

// --- mouse and monitors ---

TEST(HarnessSelfTest, TwoMonitorsSideBySide) {
  const auto monitors = e2e::Monitors();
  ASSERT_EQ(monitors.size(), 2u) << "Wine sees " << monitors.size() << " monitor(s)";
  std::map<LONG, RECT> byLeft;
  for (const e2e::Monitor& m : monitors) byLeft[m.rect.left] = m.rect;
  const RECT first = byLeft.begin()->second;
  const RECT second = byLeft.rbegin()->second;
  EXPECT_EQ(first.left, 0);
  EXPECT_EQ(second.left, first.right) << "the second monitor is not right of the first";
  EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
  EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN),
            (first.right - first.left) + (second.right - second.left));
}

TEST(HarnessSelfTest, ClicksLandOnTheWindowUnderThePointOnEitherMonitor) {
  const auto monitors = e2e::Monitors();
  ASSERT_EQ(monitors.size(), 2u);
  for (const e2e::Monitor& m : monitors) {
    const RECT area{m.rect.left + 50, m.rect.top + 60, m.rect.left + 250, m.rect.top + 210};
    TargetWindow target(area, RGB(0, 128, 0));
    ASSERT_TRUE(IsWindowVisible(target.Handle()));

    e2e::Click({area.left + 17, area.top + 23});
    ASSERT_TRUE(e2e::WaitUntil([&] { return target.Presses().size() == 1; }, 5s))
        << "the click at (" << area.left + 17 << "," << area.top + 23 << ") did not arrive";
    EXPECT_EQ(target.Presses()[0].message, static_cast<UINT>(WM_LBUTTONDOWN));
    EXPECT_EQ(target.Presses()[0].client.x, 17);
    EXPECT_EQ(target.Presses()[0].client.y, 23);

    e2e::RightClick({area.left + 100, area.top + 5});
    ASSERT_TRUE(e2e::WaitUntil([&] { return target.Presses().size() == 2; }, 5s));
    EXPECT_EQ(target.Presses()[1].message, static_cast<UINT>(WM_RBUTTONDOWN));
    EXPECT_EQ(target.Presses()[1].client.x, 100);
    EXPECT_EQ(target.Presses()[1].client.y, 5);

    e2e::DoubleClick({area.left + 40, area.top + 40});
    ASSERT_TRUE(e2e::WaitUntil([&] { return target.Presses().size() == 4; }, 5s));
    EXPECT_EQ(target.Presses()[3].message, static_cast<UINT>(WM_LBUTTONDBLCLK));

    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, area.left + 40);
    EXPECT_EQ(cursor.y, area.top + 40);
  }
}

TEST(HarnessSelfTest, ClickWindowHitsTheCentre) {
  const RECT area{300, 300, 500, 400};
  TargetWindow target(area, RGB(0, 0, 128));
  e2e::ClickWindow(target.Handle());
  ASSERT_TRUE(e2e::WaitUntil([&] { return !target.Presses().empty(); }, 5s));
  EXPECT_EQ(target.Presses()[0].client.x, 100);
  EXPECT_EQ(target.Presses()[0].client.y, 50);
}

// --- capture ---

TEST(HarnessSelfTest, CaptureShowsWhatTheWindowPainted) {
  const COLORREF red = RGB(200, 30, 60);
  TargetWindow target({400, 200, 720, 440}, red);
  e2e::Capture capture;
  ASSERT_TRUE(e2e::WaitForCapture(target.Handle(), capture, [&](const e2e::Capture& c) {
    return !c.Empty() && (c.At(160, 120) & 0xFFFFFFu) == Bgra(red);
  })) << "the window's centre does not show its colour";
  ASSERT_EQ(capture.width, 320);
  ASSERT_EQ(capture.height, 240);
  EXPECT_EQ(capture.At(60, 45) & 0xFFFFFFu, 0xFFFFFFu) << "the white square is missing";
  EXPECT_EQ(e2e::CountColours(capture), 2u);

  const COLORREF blue = RGB(20, 40, 220);
  target.Repaint(blue);
  e2e::Capture repainted;
  ASSERT_TRUE(e2e::WaitForCapture(target.Handle(), repainted, [&](const e2e::Capture& c) {
    return !c.Empty() && (c.At(160, 120) & 0xFFFFFFu) == Bgra(blue);
  }));
  // Everything but the white square changed.
  EXPECT_EQ(e2e::CountDifferentPixels(capture, repainted), 320u * 240u - 40u * 30u);

  const std::wstring path = e2e::ExeDir() + L"\\harness-capture.bmp";
  ASSERT_TRUE(e2e::SaveBmp(repainted, path));
  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  ASSERT_TRUE(GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes));
  EXPECT_EQ(attributes.nFileSizeLow, 54u + 320u * 240u * 4u);
  DeleteFileW(path.c_str());
}

// --- record files and stand-in terminals ---

TEST(HarnessSelfTest, DocumentsFolderIsTheTestsOwnWhileItLives) {
  wchar_t before[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, before);
  {
    e2e::ScopedDocumentsFolder documents;
    wchar_t now[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, now);
    EXPECT_EQ(std::wstring(now), documents.Path());
    EXPECT_NE(GetFileAttributesW(documents.Path().c_str()), INVALID_FILE_ATTRIBUTES);
  }
  wchar_t after[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, after);
  EXPECT_EQ(std::wstring(after), std::wstring(before));
}

TEST(HarnessSelfTest, RecordLinesAreParsed) {
  const auto record = e2e::ParseRecord(
      "00000000000301A4 READY tab\\there \\\\ and\\nnew line\n"
      "00000000000301A4 CHAR 0x41 0x001E0001\n"
      "garbage\n"
      "00000000000301A6 KEYDOWN 0x41 0x001E0001\n"
      "00000000000301A4 CHAR 0x3042 0x00000001\n"
      "00000000000301A4 CHAR 0x4");
  ASSERT_EQ(record.size(), 5u) << "the unfinished last line must wait for the next read";
  const HWND first = reinterpret_cast<HWND>(0x301A4);
  EXPECT_EQ(record[0].window, first);
  EXPECT_EQ(record[0].event, L"READY");
  EXPECT_EQ(record[0].args, L"tab\there \\ and\nnew line");
  EXPECT_EQ(record[2].window, nullptr);
  EXPECT_EQ(record[2].args, L"garbage");
  EXPECT_EQ(e2e::Numbers(record[3]), (std::vector<uint64_t>{0x41, 0x1E0001}));
  EXPECT_FALSE(e2e::Numbers(record[0]));
  EXPECT_EQ(e2e::ReceivedChars(record, first), L"A\u3042");
  EXPECT_EQ(e2e::Events(record, nullptr, L"KEYDOWN").size(), 1u);
}

TEST(HarnessSelfTest, StandInReportsItsWindowsAndWhatReachedThem) {
  e2e::StandIn terminals({L"--title=harness \u65e5\u672c", L"--count=2"});
  ASSERT_TRUE(terminals.Started()) << terminals.Error();
  ASSERT_EQ(terminals.Windows().size(), 2u);
  auto found = e2e::TopLevelWindows(terminals.Pid(), L"VTWin32");
  auto ready = terminals.Windows();
  std::sort(found.begin(), found.end());
  std::sort(ready.begin(), ready.end());
  EXPECT_EQ(found, ready) << "the READY windows are not the process's VTWin32 windows";
  EXPECT_EQ(e2e::WindowText(terminals.Window(1)), L"harness \u65e5\u672c 2");

  PostMessageW(terminals.Window(1), WM_CHAR, L'\u65e5', 1);
  PostMessageW(terminals.Window(1), WM_CHAR, L'z', 1);
  ASSERT_TRUE(terminals.WaitForRecord(
      [&](const auto& record) {
        return e2e::ReceivedChars(record, terminals.Window(1)) == L"\u65e5z";
      },
      5s))
      << terminals.RecordText();
  ASSERT_TRUE(terminals.Sync());
  EXPECT_EQ(e2e::ReceivedChars(terminals.Record(), terminals.Window(0)), L"");

  const DWORD pid = terminals.Pid();
  terminals.Close();
  EXPECT_TRUE(e2e::TopLevelWindows(pid, L"VTWin32").empty());
}

TEST(HarnessSelfTest, HungStandInIsEndedByForce) {
  HANDLE process = nullptr;
  {
    e2e::StandIn hung({L"--hung"});
    ASSERT_TRUE(hung.Started()) << hung.Error();
    process = OpenProcess(SYNCHRONIZE, FALSE, hung.Pid());
    ASSERT_NE(process, nullptr);
    hung.Close(1s);
  }
  EXPECT_EQ(WaitForSingleObject(process, 0), WAIT_OBJECT_0) << "the hung stand-in still runs";
  CloseHandle(process);
}

}  // namespace
