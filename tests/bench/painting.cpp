// Update-region checks over window trees; see painting.h.
#include "painting.h"

#include <algorithm>

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

}  // namespace bench
