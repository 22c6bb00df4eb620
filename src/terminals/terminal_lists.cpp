// The terminal lists and the helpers over them; see terminal_lists.h.
#include "terminals/terminal_lists.h"

#include <unordered_map>

namespace {

void AddRow(RowRuns& runs, std::size_t row) {
  if (!runs.empty() && runs.back().second + 1 == row) {
    runs.back().second = row;
  } else {
    runs.emplace_back(row, row);
  }
}

// Makes `selection` the rows of `shown` for which `wanted` holds, copied from the rows.
template <typename Wanted>
RowRuns SelectRows(TerminalList& selection, const TerminalList& shown, Wanted wanted) {
  TerminalList chosen;
  RowRuns runs;
  for (std::size_t row = 0; row < shown.size(); ++row) {
    if (!wanted(shown[row])) continue;
    chosen.push_back(shown[row]);
    AddRow(runs, row);
  }
  selection = std::move(chosen);
  return runs;
}

}  // namespace

WindowSet WindowsOf(const TerminalList& list) {
  WindowSet windows(list.size());
  for (const TerminalEntry& entry : list) windows.insert(entry.window);
  return windows;
}

RowRuns KeepShown(TerminalList& selection, const TerminalList& shown) {
  if (selection.empty()) return {};
  std::unordered_map<WindowHandle, std::size_t> places(selection.size());
  for (std::size_t i = 0; i < selection.size(); ++i) places.emplace(selection[i].window, i);
  TerminalList kept;
  kept.reserve(selection.size());
  RowRuns runs;
  for (std::size_t row = 0; row < shown.size(); ++row) {
    const auto place = places.find(shown[row].window);
    if (place == places.end()) continue;
    kept.push_back(std::move(selection[place->second]));
    places.erase(place);
    AddRow(runs, row);
  }
  selection = std::move(kept);
  return runs;
}

RowRuns InvertWithin(TerminalList& selection, const TerminalList& shown) {
  if (selection.empty()) {
    selection = shown;
    return shown.empty() ? RowRuns{} : RowRuns{{0, shown.size() - 1}};
  }
  const WindowSet selected = WindowsOf(selection);
  return SelectRows(selection, shown, [&selected](const TerminalEntry& entry) {
    return selected.count(entry.window) == 0;
  });
}

RowRuns SelectTitledWithin(TerminalList& selection, const TerminalList& shown,
                           const std::vector<Utf16String>& titles) {
  const std::unordered_set<Utf16View> wanted(titles.begin(), titles.end(), titles.size());
  return SelectRows(selection, shown, [&wanted](const TerminalEntry& entry) {
    return wanted.count(entry.title) != 0;
  });
}

TerminalList Unselected(const TerminalList& shown, const TerminalList& selection) {
  const WindowSet selected = WindowsOf(selection);
  TerminalList unselected;
  for (const TerminalEntry& entry : shown) {
    if (selected.count(entry.window) == 0) unselected.push_back(entry);
  }
  return unselected;
}
