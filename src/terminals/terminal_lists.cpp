// The terminal lists and the helpers over them; see terminal_lists.h.
#include "terminals/terminal_lists.h"

#include <algorithm>
#include <unordered_set>

TerminalList AllTerminals;
TerminalList FilteredTerminals;
TerminalList SelectedTerminals;

WindowSet WindowsOf(const TerminalList& list) {
  WindowSet windows(list.size());
  for (const TerminalEntry& entry : list) windows.insert(entry.window);
  return windows;
}

void KeepOnlyWindowsIn(TerminalList& selection, const TerminalList& keep) {
  const WindowSet kept = WindowsOf(keep);
  selection.erase(
      std::remove_if(selection.begin(), selection.end(),
                     [&kept](const TerminalEntry& entry) { return kept.count(entry.window) == 0; }),
      selection.end());
}

TerminalList Unselected(const TerminalList& shown, const TerminalList& selection) {
  const WindowSet selected = WindowsOf(selection);
  TerminalList unselected;
  for (const TerminalEntry& entry : shown) {
    if (selected.count(entry.window) == 0) unselected.push_back(entry);
  }
  return unselected;
}

TerminalList WithTitlesIn(const TerminalList& shown, const std::vector<Utf16String>& titles) {
  const std::unordered_set<Utf16View> wanted(titles.begin(), titles.end());
  TerminalList found;
  for (const TerminalEntry& entry : shown) {
    if (wanted.count(entry.title) != 0) found.push_back(entry);
  }
  return found;
}

std::vector<std::pair<std::size_t, std::size_t>> SelectedRuns(const TerminalList& shown,
                                                              const TerminalList& selection) {
  const WindowSet selected = WindowsOf(selection);
  std::vector<std::pair<std::size_t, std::size_t>> runs;
  for (std::size_t row = 0; row < shown.size(); ++row) {
    if (selected.count(shown[row].window) == 0) continue;
    if (!runs.empty() && runs.back().second + 1 == row) {
      runs.back().second = row;
    } else {
      runs.emplace_back(row, row);
    }
  }
  return runs;
}
