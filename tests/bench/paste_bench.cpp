// The paste benchmarks, Alt+V's command in Flockhand and in the floor, which sends the
// terminals the same commands one after another from a tight loop. Lines (no confirmation, no
// clicks) go to the 100 "alpha" terminals; a single line goes to 60, timed to its end while
// another process asks for answers; both go to 200 the same way, against a limit. Every run
// waits until the terminals have pasted (each reads the clipboard itself) and painted, so that
// none holds the clipboard when the next run opens it.
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

// A paste to 200 terminals at the most, on the benchmark's 2-core machine.
constexpr double kPaste200LimitMs = 3000;

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

// A paste of `text` to `count` terminals, against the floor's ratio `target` or, when that is 0,
// against the limit of a paste to 200.
std::vector<Comparison> PacedPasteBench(Stage& stage, int runs, size_t count, const wchar_t* text,
                                        const std::string& name, double target) {
  const std::string to = std::to_string(count);
  std::vector<Comparison> results = {
      {name + " pasted to " + to, "sent in a tight loop", target, {}, {}},
      {"answer, " + name + " to " + to, "answer of the floor", 0, {}, {}, kAnswerLimitMs}};
  if (target == 0) results[0].limitMs = kPaste200LimitMs;
  ComparePastes(stage, count, text, runs,
                [&](const Program& program) {
                  return stage.TimePaced(program, IDM_PASTE, "a paced paste");
                },
                results[0], &results[1]);
  return results;
}

}  // namespace

Comparison PasteBench(Stage& stage, int runs) {
  Comparison result{"lines pasted to 100 terminals", "placements+clip+sends", 1.15, {}, {}};
  ComparePastes(stage, 100, L"uname -a\r\nuptime\r\n", runs,
                [&](const Program& program) {
                  return Timed(stage.Time(program, program.main, WM_COMMAND, IDM_PASTE, 0,
                                          "the paste command"));
                },
                result);
  return result;
}

// Served at the terminals' pace like the lines, it has their target: no pause is left whose
// length the two programs share.
std::vector<Comparison> SingleLinePasteBench(Stage& stage, int runs) {
  return PacedPasteBench(stage, runs, 60, L"uname -a", "one line", 1.15);
}

std::vector<Comparison> SingleLinePaste200Bench(Stage& stage, int runs) {
  return PacedPasteBench(stage, runs, 200, L"uname -a", "one line", 0);
}

std::vector<Comparison> LinesPaste200Bench(Stage& stage, int runs) {
  return PacedPasteBench(stage, runs, 200, L"uname -a\r\nuptime\r\n", "lines", 0);
}

}  // namespace bench
