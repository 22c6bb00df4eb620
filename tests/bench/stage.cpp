// Setting up and tearing down the terminal benchmarks' scene, and the two ways a run is timed;
// see stage.h.
#include "stage.h"

#include <algorithm>

#include "harness/files.h"
#include "harness/input.h"
#include "harness/record.h"
#include "harness/text.h"
#include "harness/wait.h"
#include "harness/window_find.h"
#include "minimal_window.h"
#include "painting.h"
#include "base/resource_ids.h"

namespace bench {

namespace {

using namespace std::chrono_literals;

// A paced operation over 60 terminals took about 20 s before it answered while it ran.
constexpr UINT kPacedTimeoutMs = 120000;
constexpr DWORD kAnswerPollMs = 5;

e2e::StandIn StartTerminals(const wchar_t* title, int count, bool hidden) {
  e2e::StandIn terminals({std::wstring(L"--title=") + title, L"--count=" + std::to_wstring(count),
                          hidden ? L"--show=hidden" : L"--show=normal"},
                         180s);
  Require(terminals.Started(), "stand-in terminals did not start: " + terminals.Error());
  return terminals;
}

void AddAnnounced(const e2e::StandIn& terminals, std::vector<Terminal>& into) {
  for (const e2e::RecordLine& line : e2e::Events(terminals.Record(), nullptr, L"READY")) {
    into.push_back({line.args, line.window});
  }
}

// Flockhand's order: titles by unsigned UTF-16 code units, equal titles by handle value.
bool TitleOrder(const Terminal& a, const Terminal& b) {
  if (a.title != b.title) return a.title < b.title;
  return reinterpret_cast<UINT_PTR>(a.window) < reinterpret_cast<UINT_PTR>(b.window);
}

// Starts the program and finds its main window and the controls the benchmark drives: the
// command box is its first control, the filter box and the list have Flockhand's identifiers.
Program Start(const std::string& name, const wchar_t* file, const wchar_t* windowClass,
              const std::vector<std::wstring>& args, size_t rows) {
  Program program{name, e2e::StartProcess(e2e::NextToTests(file), args)};
  const DWORD startError = GetLastError();
  Require(program.process.Started(),
          "could not start " + name + ": error " + std::to_string(startError));
  program.main = e2e::FindTopLevelWindow(program.process.Pid(), windowClass, 30s);
  Require(program.main != nullptr, name + "'s main window did not appear within 30 s");
  program.commandBox = GetWindow(program.main, GW_CHILD);
  program.filterBox = GetDlgItem(program.main, IDC_FILTER_BOX);
  program.list = GetDlgItem(program.main, IDC_TERMINAL_LIST);
  Require(program.commandBox && _wcsicmp(e2e::ClassName(program.commandBox).c_str(), L"Edit") == 0,
          name + "'s first control is not the command box (an Edit)");
  Require(program.filterBox && program.list,
          name + " has no filter box (2000) or terminal list (2001)");
  Require(e2e::WaitUntil([&] { return program.RowCount() == static_cast<int>(rows); }, 30s),
          name + " lists " + std::to_string(program.RowCount()) + " terminals after start-up, not " +
              std::to_string(rows));
  return program;
}

void Close(const Program& program) {
  if (program.main && program.process.Running()) {
    PostMessageW(program.main, WM_CLOSE, 0, 0);
    program.process.WaitForExit(10s);
  }
}

}  // namespace

bool IsNormal(HWND window) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  return GetWindowPlacement(window, &placement) && placement.showCmd == SW_SHOWNORMAL;
}

LRESULT Program::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                      const std::string& what, UINT timeoutMs) const {
  DWORD_PTR result = 0;
  const LRESULT answered =
      SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, timeoutMs, &result);
  Require(answered != 0, name + " did not handle " + what + " within " +
                             std::to_string(timeoutMs / 1000) + " s");
  return static_cast<LRESULT>(result);
}

int Program::RowCount() const {
  return static_cast<int>(Send(list, LB_GETCOUNT, 0, 0, "LB_GETCOUNT"));
}

int Program::MarkedCount() const {
  return static_cast<int>(Send(list, LB_GETSELCOUNT, 0, 0, "LB_GETSELCOUNT"));
}

void Program::RequireListed(const std::vector<Terminal>& rows, const std::string& when) const {
  const int count = RowCount();
  Require(count == static_cast<int>(rows.size()), name + " lists " + std::to_string(count) +
                                                      " rows " + when + ", not " +
                                                      std::to_string(rows.size()));
  for (int row : {0, count - 1}) {
    if (row < 0) continue;
    std::wstring text(static_cast<size_t>(Send(list, LB_GETTEXTLEN, row, 0, "LB_GETTEXTLEN")), L'\0');
    text.resize(static_cast<size_t>(
        Send(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()), "LB_GETTEXT")));
    const std::wstring& expected = rows[row ? rows.size() - 1 : 0].title;
    Require(text == expected, name + "'s row " + std::to_string(row) + " " + when + " is \"" +
                                  e2e::Utf8(text) + "\", not \"" + e2e::Utf8(expected) + "\"");
  }
}

void Program::RequireMarked(size_t count, const std::string& when) const {
  const int marked = MarkedCount();
  Require(marked == static_cast<int>(count), name + " marks " + std::to_string(marked) + " rows " +
                                                 when + ", not " + std::to_string(count));
}

void Program::Select(size_t count) const {
  const wchar_t* filter = count > 0 && count <= 100 ? L"alpha" : L"";
  Send(filterBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(filter), "the filter text");
  Send(list, LB_SETSEL, FALSE, -1, "LB_SETSEL");
  if (count > 0) Send(list, LB_SELITEMRANGE, TRUE, MAKELPARAM(0, count - 1), "LB_SELITEMRANGE");
  Send(main, WM_COMMAND, MAKEWPARAM(IDC_TERMINAL_LIST, LBN_SELCHANGE),
       reinterpret_cast<LPARAM>(list), "the selection change");
  RequireMarked(count, "after selecting " + std::to_string(count));
}

Stage::Stage(int alpha, int beta, bool hidden)
    : alpha_(StartTerminals(L"alpha", alpha, hidden)),
      beta_(StartTerminals(L"beta", beta, hidden)) {
  AddAnnounced(alpha_, terminals_);
  AddAnnounced(beta_, terminals_);
  std::sort(terminals_.begin(), terminals_.end(), TitleOrder);
  const size_t count = static_cast<size_t>(alpha + beta);
  Require(terminals_.size() == count, "the stand-ins announced " +
                                          std::to_string(terminals_.size()) + " terminals, not " +
                                          std::to_string(count));
  std::string every = "[Groups]\r\nevery =";  // the titles are plain ASCII, written as they are
  for (const Terminal& terminal : terminals_) every += " " + e2e::Utf8(terminal.title) + ",";
  Require(e2e::WriteFileBytes(documents_.File(L"fkh.ini"),
                              "[BASE]\r\npasteConfirm = FALSE\r\nforcePaste = FALSE\r\n"
                              "alpha = 60\r\n" + every + "\r\n"),
          "could not write Flockhand's fkh.ini");
  floor_ = Start("the floor", L"bare_panel.exe", kBarePanelClass, {L"--operations"}, count);
  flockhand_ = Start("Flockhand", L"flockhand.exe", L"FLOCKHAND", {}, count);
  // The floor beside Flockhand's window, the same size.
  const RECT frame = e2e::WindowRect(flockhand_.main);
  const LONG width = frame.right - frame.left;
  const LONG x = frame.right + width <= GetSystemMetrics(SM_CXSCREEN) ? frame.right
                                                                        : frame.left - width;
  SetWindowPos(floor_.main, nullptr, std::max(0L, x), frame.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Flockhand is the active window, as while a user works in it; an inactive Flockhand would
  // pay for activating itself in every operation that puts the focus into its command box.
  Require(e2e::BringToForeground(flockhand_.main),
          "Flockhand's window could not be brought to the front");
}

Stage::~Stage() {
  Close(flockhand_);
  Close(floor_);
}

std::vector<HWND> Stage::FirstWindows(size_t count) const {
  std::vector<HWND> windows;
  for (size_t i = 0; i < count; ++i) windows.push_back(terminals_[i].window);
  return windows;
}

void Stage::Settle() const {
  WaitUntilPainted({flockhand_.main, floor_.main}, "Flockhand or the floor");
  // The floor's filter keystroke right after Flockhand's refill of 2,000 rows ran at half speed
  // (the same calls, each twice as long, neither program using the processor meanwhile).
  WaitForIdleProcessor();
}

double Stage::Time(const Program& program, HWND window, UINT message, WPARAM wParam,
                   LPARAM lParam, const std::string& what) const {
  Settle();
  const double start = NowMicros();
  program.Send(window, message, wParam, lParam, what);
  return NowMicros() - start;
}

Timed Stage::TimePaced(const Program& program, WPARAM command, const std::string& what) const {
  program.Command(IDM_FOCUS_COMMAND, "the command-box focus command");
  Settle();
  const DWORD thread = GetWindowThreadProcessId(program.main, nullptr);
  GUITHREADINFO focus{};
  focus.cbSize = sizeof(focus);
  double longest = 0;
  const double start = NowMicros();
  PostMessageW(program.main, WM_COMMAND, command, 0);
  PostMessageW(program.main, WM_COMMAND, IDM_FOCUS_FILTER, 0);
  do {
    Sleep(kAnswerPollMs);
    const double asked = NowMicros();
    program.Send(program.main, WM_NULL, 0, 0, "WM_NULL during " + what, kPacedTimeoutMs);
    longest = std::max(longest, NowMicros() - asked);
    Require(NowMicros() - start < kPacedTimeoutMs * 1000.0,
            program.name + " did not finish " + what + " within 120 s");
  } while (!GetGUIThreadInfo(thread, &focus) || focus.hwndFocus != program.filterBox);
  return {NowMicros() - start, longest};
}

}  // namespace bench
