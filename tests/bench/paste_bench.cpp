// The paste benchmarks, Alt+V's command in Flockhand and in the floor. Lines to the 100 "alpha"
// terminals go out at once (no confirmation, no clicks); a single line goes to 60 terminals one
// every 100 ms, paced, and is timed to its end while another process asks for answers. Every
// run waits until the terminals have pasted (each reads the clipboard itself) and painted, so
// that none holds the clipboard when the next run opens it.
#include <windows.h>

#include <string>

#include "benches.h"
#include "harness/clipboard.h"
#include "harness/record.h"
#include "painting.h"
#include "base/resource_ids.h"

namespace bench {

namespace {

using namespace std::chrono_literals;

size_t Pastes(const e2e::StandIn& terminals) {
  return e2e::Events(terminals.Record(), nullptr, L"PASTE").size();
}

// Pastes `text` to the first `count` alpha terminals with both programs, timed by `time`.
void ComparePastes(Stage& stage, size_t count, const wchar_t* text, int runs,
                   const std::function<Timed(const Program&)>& time, Comparison& result,
                   Comparison* answers = nullptr) {
  const std::vector<HWND> targets = stage.FirstWindows(count);
  for (HWND target : targets) Require(IsNormal(target), "an alpha terminal is not shown normal");
  stage.Flockhand().Select(count);
  stage.Floor().Select(count);
  Require(e2e::SetClipboardText(text), "could not put the text on the clipboard");
  size_t pasted = Pastes(stage.Alpha());
  const auto side = [&](const Program& program) {
    return [&] {
      // The paste starts only from the command box.
      program.Command(IDM_FOCUS_COMMAND, "the command-box focus command");
      const Timed timed = time(program);
      pasted += targets.size();
      Require(stage.Alpha().WaitForRecord(
                  [&](const std::vector<e2e::RecordLine>& record) {
                    return e2e::Events(record, nullptr, L"PASTE").size() >= pasted;
                  },
                  30s),
              "the alpha terminals did not paste what " + program.name + " sent");
      Require(Pastes(stage.Alpha()) == pasted,
              "the alpha terminals pasted more often than " + program.name + " asked");
      WaitUntilPainted(targets, "an alpha terminal");
      return timed;
    };
  };
  Alternate(1, runs, side(stage.Flockhand()), side(stage.Floor()), result, answers);
  Require(Pastes(stage.Beta()) == 0, "unselected beta terminals pasted");
}

}  // namespace

Comparison PasteBench(Stage& stage, int runs) {
  Comparison result{"lines pasted to 100 terminals", "placements+clip+posts", 1.15, {}, {}};
  ComparePastes(stage, 100, L"uname -a\r\nuptime\r\n", runs,
                [&](const Program& program) {
                  return Timed(stage.Time(program, program.main, WM_COMMAND, IDM_PASTE, 0,
                                          "the paste command"));
                },
                result);
  return result;
}

std::vector<Comparison> SingleLinePasteBench(Stage& stage, int runs) {
  std::vector<Comparison> results = {
      {"one line pasted to 60", "paced the same", 1.05, {}, {}},
      {"answer, one line to 60", "answer of the floor", 0, {}, {}, kAnswerLimitMs}};
  ComparePastes(stage, 60, L"uname -a", runs,
                [&](const Program& program) {
                  return stage.TimePaced(program, IDM_PASTE, "a paced paste");
                },
                results[0], &results[1]);
  return results;
}

}  // namespace bench
