// The paste benchmark: Alt+V's command with the 100 "alpha" terminals selected and a multi-line
// text on the clipboard (no confirmation, no clicks: every paste command at once), against
// reading their placements and the clipboard's text and posting the paste command from here.
// Every run waits until the terminals have pasted (each reads the clipboard itself) and painted,
// so that none holds the clipboard when the next run opens it.
#include <windows.h>

#include <string>

#include "benches.h"
#include "harness/clipboard.h"
#include "harness/record.h"
#include "painting.h"
#include "resource_ids.h"

namespace bench {

namespace {

using namespace std::chrono_literals;

constexpr UINT kPasteCommand = 50230;
constexpr wchar_t kText[] = L"uname -a\r\nuptime\r\n";

size_t Pastes(const e2e::StandIn& terminals) {
  return e2e::Events(terminals.Record(), nullptr, L"PASTE").size();
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
      text.assign(units, wcsnlen(units, GlobalSize(data) / sizeof(wchar_t)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace

Comparison PasteBench(Stage& stage, int runs) {
  Comparison result;
  result.name = "lines pasted to 100 terminals";
  result.baseline = "placements+clip+posts";
  result.target = 1.2;
  const std::vector<HWND>& targets = stage.Alpha().Windows();
  for (HWND target : targets) Require(IsNormal(target), "an alpha terminal is not shown normal");
  stage.SelectAlpha();
  // The paste starts only from the command box.
  stage.Send(stage.Main(), WM_COMMAND, IDM_FOCUS_COMMAND, 0, "the command-box focus command");
  Require(e2e::SetClipboardText(kText), "could not put the text on the clipboard");

  size_t pasted = Pastes(stage.Alpha());
  const auto delivered = [&](const char* by) {
    pasted += targets.size();
    Require(stage.Alpha().WaitForRecord(
                [&](const std::vector<e2e::RecordLine>& record) {
                  return e2e::Events(record, nullptr, L"PASTE").size() >= pasted;
                },
                30s),
            std::string("the alpha terminals did not paste what ") + by + " sent");
    Require(Pastes(stage.Alpha()) == pasted,
            std::string("the alpha terminals pasted more often than ") + by + " asked");
    WaitUntilPainted(targets, "an alpha terminal");
  };
  const auto flockhand = [&] {
    stage.Settle();
    const double start = NowMicros();
    stage.Send(stage.Main(), WM_COMMAND, IDM_PASTE, 0, "the paste command");
    const double elapsed = NowMicros() - start;
    delivered("Flockhand");
    return elapsed;
  };
  const auto bare = [&] {
    stage.Settle();
    const double start = NowMicros();
    bool allNormal = true;
    for (HWND target : targets) {
      if (!IsNormal(target)) allNormal = false;
    }
    const bool lines = ClipboardText().find(L'\n') != std::wstring::npos;
    if (allNormal && lines) {
      for (HWND target : targets) PostMessageW(target, WM_COMMAND, kPasteCommand, 0);
    }
    const double elapsed = NowMicros() - start;
    Require(allNormal && lines, "an alpha terminal left the normal state, or the text its lines");
    delivered("the bare loop");
    return elapsed;
  };
  Alternate(3, runs, flockhand, bare, result);
  Require(Pastes(stage.Beta()) == 0, "unselected beta terminals pasted");
  return result;
}

}  // namespace bench
