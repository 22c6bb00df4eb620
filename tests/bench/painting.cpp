// Update-region checks over window trees; see painting.h.
#include "painting.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <deque>
#include <optional>

#include "harness/wait.h"
#include "measure.h"

namespace bench {

using namespace std::chrono_literals;

bool NothingToPaint(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return false;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!NothingToPaint(child)) return false;
  }
  return true;
}

void WaitUntilPainted(const std::vector<HWND>& windows, const std::string& what) {
  const bool painted = e2e::WaitUntil(
      [&] { return std::all_of(windows.begin(), windows.end(), NothingToPaint); }, 10s, 1ms);
  Require(painted, what + " still had something to paint after 10 s");
}

namespace {

struct Jiffies {
  unsigned long long idle = 0, all = 0;
};

std::optional<Jiffies> ProcessorJiffies() {
  FILE* stat = _wfopen(L"Z:\\proc\\stat", L"rb");
  if (!stat) return std::nullopt;
  char line[512];
  const std::string name = "cpu" + std::to_string(GetCurrentProcessorNumber()) + " ";
  std::optional<Jiffies> found;
  while (!found && std::fgets(line, sizeof(line), stat)) {
    unsigned long long t[8] = {};  // user nice system idle iowait irq softirq steal
    if (std::strncmp(line, name.c_str(), name.size()) != 0 ||
        std::sscanf(line + name.size(), "%llu %llu %llu %llu %llu %llu %llu %llu", &t[0], &t[1],
                    &t[2], &t[3], &t[4], &t[5], &t[6], &t[7]) != 8) {
      continue;
    }
    found = Jiffies{t[3] + t[4], 0};
    for (unsigned long long part : t) found->all += part;
  }
  std::fclose(stat);
  return found;
}

}  // namespace

void WaitForIdleProcessor() {
  constexpr DWORD kLookMs = 20, kWindowLooks = 5;  // 100 ms
  std::deque<Jiffies> looks;
  for (ULONGLONG end = GetTickCount64() + 3000; GetTickCount64() < end; Sleep(kLookMs)) {
    const std::optional<Jiffies> now = ProcessorJiffies();
    if (!now) {
      Sleep(100);
      return;
    }
    looks.push_back(*now);
    if (looks.size() <= kWindowLooks) continue;
    looks.pop_front();
    const Jiffies& then = looks.front();
    const unsigned long long all = now->all - then.all, idle = now->idle - then.idle;
    if (all >= 8 && idle * 10 >= all * 9) return;
  }
}

}  // namespace bench
