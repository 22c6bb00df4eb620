// See reach_notice.h. The titles are those the terminals were selected with, as the list shows.
#include "broadcast/reach_notice.h"

#include "base/notice.h"
#include "terminals/reach_watch.h"

void TellReach() {
  std::vector<UnreachedTerminal> unreached;
  if (!UnreachedWindows().empty()) {
    for (const TerminalEntry& entry : SelectedTerminals) {
      const Reach reach = ReachOf(entry.window);
      if (reach != Reach::Reachable) unreached.push_back({reach, entry.title});
    }
  }
  SetStandingNotice(ReachNoticeText(unreached));
}
