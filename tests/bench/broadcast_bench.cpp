// The broadcast benchmark: one key-down in the command box of Flockhand and of the floor with
// the 100 "alpha" terminals selected (or every terminal). Every run waits until the terminals have recorded (and painted) the
// key-downs it sent, so that no run competes with the terminals still working off the one before.
#include <windows.h>
#include <tlhelp32.h>

#include "benches.h"
#include "harness/record.h"
#include "harness/wait.h"
#include "painting.h"

namespace bench {

namespace {

using namespace std::chrono_literals;

constexpr WPARAM kKey = 'A';
constexpr LPARAM kKeyLParam = 0x001E0001;  // one press, scan code of A

size_t KeyDowns(const e2e::StandIn& terminals) {
  return e2e::Events(terminals.Record(), nullptr, L"KEYDOWN").size();
}

size_t KeyDowns(const Stage& stage, bool everyTerminal) {
  return KeyDowns(stage.Alpha()) + (everyTerminal ? KeyDowns(stage.Beta()) : 0);
}

// Suspends every thread of the stage's terminals while it lives. Otherwise they take the
// key-downs while the broadcast still runs and compete with it for the wineserver and the two
// cores, which made runs over 2000 terminals swing by a factor of five; posting to a suspended
// thread costs the sender the same.
class PausedTerminals {
 public:
  explicit PausedTerminals(const Stage& stage) {
    const DWORD pids[] = {stage.Alpha().Pid(), stage.Beta().Pid()};
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
      if (entry.th32OwnerProcessID != pids[0] && entry.th32OwnerProcessID != pids[1]) continue;
      HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID);
      if (thread && SuspendThread(thread) != static_cast<DWORD>(-1)) threads_.push_back(thread);
    }
    CloseHandle(snapshot);
    Require(!threads_.empty(), "could not suspend the terminals' threads");
  }
  PausedTerminals(const PausedTerminals&) = delete;
  PausedTerminals& operator=(const PausedTerminals&) = delete;
  ~PausedTerminals() {
    for (HANDLE thread : threads_) {
      ResumeThread(thread);
      CloseHandle(thread);
    }
  }

 private:
  std::vector<HANDLE> threads_;
};

}  // namespace

Comparison BroadcastBench(Stage& stage, int runs, bool everyTerminal) {
  const size_t count = everyTerminal ? stage.Terminals().size() : 100;
  Comparison result{everyTerminal ? "key-down, " + std::to_string(count) + " selected"
                                  : "key-down to 100 terminals",
                    "placements+posts", 1.15, {}, {}};
  const std::vector<HWND> targets = stage.FirstWindows(count);
  // A terminal that is not in the normal state would make Flockhand warn in a message box.
  for (HWND target : targets) Require(IsNormal(target), "a terminal is not shown normal");
  stage.Flockhand().Select(count);
  stage.Floor().Select(count);

  size_t sent = KeyDowns(stage, everyTerminal);
  const auto side = [&](const Program& program) {
    return [&] {
      double elapsed;
      {
        PausedTerminals paused(stage);
        elapsed = stage.Time(program, program.commandBox, WM_KEYDOWN, kKey, kKeyLParam,
                             "a key-down in the command box");
      }
      sent += targets.size();
      Require(e2e::WaitUntil([&] { return KeyDowns(stage, everyTerminal) >= sent; }, 60s),
              "the terminals did not record the key-downs sent by " + program.name);
      Require(KeyDowns(stage, everyTerminal) == sent,
              "the terminals recorded more key-downs than " + program.name + " sent");
      WaitUntilPainted(targets, "a terminal");
      return Timed(elapsed);
    };
  };
  Alternate(3, runs, side(stage.Flockhand()), side(stage.Floor()), result);
  if (!everyTerminal) {
    Require(KeyDowns(stage.Beta()) == 0, "unselected beta terminals received key-downs");
  }
  return result;
}

}  // namespace bench
