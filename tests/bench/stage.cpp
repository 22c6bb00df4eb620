// Setting up and tearing down the terminal benchmarks' scene; see stage.h.
#include "stage.h"

#include <algorithm>

#include "harness/files.h"
#include "harness/input.h"
#include "harness/record.h"
#include "harness/text.h"
#include "harness/wait.h"
#include "harness/window_find.h"
#include "measure.h"
#include "painting.h"
#include "resource_ids.h"

namespace bench {

namespace {

using namespace std::chrono_literals;

constexpr UINT kFlockhandTimeoutMs = 30000;

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

}  // namespace

bool IsNormal(HWND window) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  return GetWindowPlacement(window, &placement) && placement.showCmd == SW_SHOWNORMAL;
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

  // One saved group holds every terminal's title (plain ASCII, written as it is).
  std::string every = "[Groups]\r\nevery =";
  for (const Terminal& terminal : terminals_) every += " " + e2e::Utf8(terminal.title) + ",";
  Require(e2e::WriteFileBytes(documents_.File(L"fkh.ini"),
                              "[BASE]\r\npasteConfirm = FALSE\r\nforcePaste = FALSE\r\n"
                              "alpha = 60\r\n" + every + "\r\n"),
          "could not write Flockhand's fkh.ini");
  const std::wstring program = e2e::NextToTests(L"flockhand.exe");
  flockhand_ = e2e::StartProcess(program);
  const DWORD startError = GetLastError();
  Require(flockhand_.Started(),
          "could not start flockhand.exe: error " + std::to_string(startError));
  main_ = e2e::FindTopLevelWindow(flockhand_.Pid(), L"FLOCKHAND", 30s);
  Require(main_ != nullptr, "Flockhand's main window did not appear within 30 s");
  commandBox_ = GetWindow(main_, GW_CHILD);
  filterBox_ = GetDlgItem(main_, IDC_FILTER_BOX);
  list_ = GetDlgItem(main_, IDC_TERMINAL_LIST);
  Require(commandBox_ && _wcsicmp(e2e::ClassName(commandBox_).c_str(), L"Edit") == 0,
          "Flockhand's first control is not the command box (an Edit)");
  Require(filterBox_ && list_, "Flockhand has no filter box (2000) or terminal list (2001)");
  Require(e2e::WaitUntil([&] { return RowCount() == static_cast<int>(count); }, 30s),
          "Flockhand lists " + std::to_string(RowCount()) + " terminals after start-up, not " +
              std::to_string(count));

  // This process's list box: beside Flockhand's window, placed and sized like its list.
  RECT frame = e2e::WindowRect(main_);
  RECT list = e2e::WindowRect(list_);
  const POINT listOffset = {list.left - e2e::ClientRectOnScreen(main_).left,
                            list.top - e2e::ClientRectOnScreen(main_).top};
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const LONG x = frame.right + 420 <= screenWidth ? frame.right : frame.left - 420;
  bare_ = std::make_unique<BareList>(POINT{std::max(0L, x), frame.top}, listOffset,
                                     SIZE{list.right - list.left, list.bottom - list.top});
  bare_->Fill(terminals_);
  // Flockhand is the active window, as while a user works in it; an inactive Flockhand would
  // pay for activating itself in every operation that puts the focus into its command box.
  Require(e2e::BringToForeground(main_), "Flockhand's window could not be brought to the front");
}

Stage::~Stage() {
  bare_.reset();
  if (main_ && flockhand_.Running()) {
    PostMessageW(main_, WM_CLOSE, 0, 0);
    flockhand_.WaitForExit(10s);
  }
  flockhand_.Terminate();
}

LRESULT Stage::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                    const std::string& what) const {
  DWORD_PTR result = 0;
  const LRESULT answered = SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL,
                                               kFlockhandTimeoutMs, &result);
  Require(answered != 0, "Flockhand did not handle " + what + " within 30 s");
  return static_cast<LRESULT>(result);
}

int Stage::RowCount() const {
  return static_cast<int>(Send(list_, LB_GETCOUNT, 0, 0, "LB_GETCOUNT"));
}

std::wstring Stage::RowText(int row) const {
  const LRESULT length = Send(list_, LB_GETTEXTLEN, row, 0, "LB_GETTEXTLEN");
  if (length < 0) return L"<no row>";
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  Send(list_, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()), "LB_GETTEXT");
  text.resize(static_cast<size_t>(length));
  return text;
}

void Stage::RequireListed(const std::vector<Terminal>& rows, const std::string& when) const {
  const int count = RowCount();
  Require(count == static_cast<int>(rows.size()), "Flockhand lists " + std::to_string(count) +
                                                      " rows " + when + ", not " +
                                                      std::to_string(rows.size()));
  if (rows.empty()) return;
  const std::wstring first = RowText(0);
  const std::wstring last = RowText(count - 1);
  Require(first == rows.front().title && last == rows.back().title,
          "Flockhand's rows " + when + " run from \"" + e2e::Utf8(first) + "\" to \"" +
              e2e::Utf8(last) + "\", not from \"" + e2e::Utf8(rows.front().title) + "\" to \"" +
              e2e::Utf8(rows.back().title) + "\"");
}

void Stage::SelectAlpha() const {
  Send(filterBox_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"alpha"), "the filter text \"alpha\"");
  Send(main_, WM_COMMAND, IDM_SELECT_ALL, 0, "the select-all command");
  std::vector<Terminal> alpha;
  for (const Terminal& terminal : terminals_) {
    if (terminal.title.rfind(L"alpha ", 0) == 0) alpha.push_back(terminal);
  }
  RequireListed(alpha, "filtered by \"alpha\"");
  int marked = 0;
  for (int row = 0; row < 100; ++row) {
    if (Send(list_, LB_GETSEL, row, 0, "LB_GETSEL") > 0) ++marked;
  }
  Require(marked == 100, "select-all marked " + std::to_string(marked) + " of 100 rows");
}

void Stage::Settle() const {
  WaitUntilPainted({main_, bare_->Frame()}, "Flockhand or this process");
}

}  // namespace bench
