// Update-region checks over window trees; see painting.h.
#include "painting.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

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

// The jiffies this thread's processor has been idle and in all, or {0, 0} without /proc/stat.
std::pair<unsigned long long, unsigned long long> ProcessorJiffies() {
  unsigned long long t[8] = {}, all = 0;  // user nice system idle iowait irq softirq steal
  if (FILE* stat = _wfopen(L"Z:\\proc\\stat", L"rb")) {
    const std::string name = "cpu" + std::to_string(GetCurrentProcessorNumber()) + " ";
    char line[512];
    while (std::fgets(line, sizeof(line), stat) &&
           (std::strncmp(line, name.c_str(), name.size()) != 0 ||
            std::sscanf(line + name.size(), "%llu %llu %llu %llu %llu %llu %llu %llu", &t[0], &t[1],
                        &t[2], &t[3], &t[4], &t[5], &t[6], &t[7]) != 8)) {
    }
    std::fclose(stat);
  }
  for (unsigned long long part : t) all += part;
  return {t[3] + t[4], all};
}

}  // namespace

void WaitForIdleProcessor() {
  for (ULONGLONG end = GetTickCount64() + 3000; GetTickCount64() < end;) {
    const auto [idleBefore, allBefore] = ProcessorJiffies();
    Sleep(100);
    const auto [idle, all] = ProcessorJiffies();
    if (all == 0 || (all - allBefore >= 8 && (idle - idleBefore) * 10 >= (all - allBefore) * 9)) {
      return;
    }
  }
}

}  // namespace bench
