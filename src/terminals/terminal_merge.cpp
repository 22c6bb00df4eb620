// The merge of a new look at the desktop into the lists; see terminal_merge.h. Every step is a
// pass over the lists with hash lookups, so 2000 terminals cost a few hundred microseconds.
#include "terminals/terminal_merge.h"

#include <algorithm>
#include <unordered_map>

#include "terminals/title_filter.h"
#include "terminals/title_order.h"

namespace {

using TitlesNow = std::unordered_map<WindowHandle, const Utf16String*>;

// A listed terminal's title now: an empty one (a terminal between two titles) leaves it as it was.
const Utf16String& TitleNow(const TerminalEntry& entry, const Utf16String& now) {
  return now.empty() ? entry.title : now;
}

// Every listed terminal is open with the title it shows, and every other window is untitled.
bool Unchanged(const TerminalList& all, const TerminalList& now, const TitlesNow& titles) {
  std::size_t titled = 0;
  for (const TerminalEntry& entry : now) titled += !entry.title.empty();
  for (const TerminalEntry& entry : all) {
    const auto found = titles.find(entry.window);
    if (found == titles.end() || TitleNow(entry, *found->second) != entry.title) return false;
    titled -= !found->second->empty();
  }
  return titled == 0;
}

// The entries of `list` still open, in order, with their titles as they are now.
TerminalList StillOpen(const TerminalList& list, const TitlesNow& now) {
  TerminalList open;
  open.reserve(list.size());
  for (const TerminalEntry& entry : list) {
    const auto found = now.find(entry.window);
    if (found != now.end()) open.push_back({TitleNow(entry, *found->second), entry.window});
  }
  return open;
}

// Each newcomer goes before the first entry it precedes. The newcomers are sorted, so each one's
// place lies at or after the place of the one before: if b precedes an entry and a precedes b,
// a precedes it too. One pass places them all.
TerminalList WithNewcomers(const TerminalList& list, const TerminalList& newcomers,
                           bool (*order)(const TerminalEntry&, const TerminalEntry&)) {
  TerminalList merged;
  merged.reserve(list.size() + newcomers.size());
  std::size_t next = 0;
  for (const TerminalEntry& entry : list) {
    while (next < newcomers.size() && order(newcomers[next], entry)) {
      merged.push_back(newcomers[next++]);
    }
    merged.push_back(entry);
  }
  merged.insert(merged.end(), newcomers.begin() + static_cast<std::ptrdiff_t>(next),
                newcomers.end());
  return merged;
}

// The entries of `all` that were filtered before, and the newcomers that match: the filtered
// list stays in the order of the full one.
TerminalList Filtered(const TerminalList& all, const WindowSet& before, const WindowSet& newcomers,
                      const Utf16String& filter) {
  TerminalList filtered;
  for (const TerminalEntry& entry : all) {
    if (before.count(entry.window) != 0 ||
        (newcomers.count(entry.window) != 0 && TitleMatchesFilter(entry.title, filter))) {
      filtered.push_back(entry);
    }
  }
  return filtered;
}

// The rows before are the survivors of `after` in the same order, with the newcomers between
// them: walking both at once, a row whose terminal closed is deleted, an entry of `after` that
// is not the next survivor is a newcomer and inserted, and a survivor gets its new title.
std::vector<RowEdit> EditsBetween(const TerminalList& before, const TerminalList& after,
                                  const TitlesNow& now) {
  std::vector<RowEdit> edits;
  std::size_t row = 0, old = 0, next = 0;
  while (old < before.size() || next < after.size()) {
    if (old < before.size() && now.count(before[old].window) == 0) {
      edits.push_back({RowEdit::Kind::Delete, row, {}});
      ++old;
    } else if (old == before.size() || after[next].window != before[old].window) {
      edits.push_back({RowEdit::Kind::Insert, row++, after[next++].title});
    } else {
      if (after[next].title != before[old].title) {
        edits.push_back({RowEdit::Kind::SetText, row, after[next].title});
      }
      ++row, ++old, ++next;
    }
  }
  return edits;
}

}  // namespace

std::vector<RowEdit> MergeTerminals(TerminalList& all, TerminalList& filtered,
                                    TerminalList& selected, const ListView& view,
                                    const TerminalList& now) {
  TitlesNow titles(now.size());
  for (const TerminalEntry& entry : now) titles.emplace(entry.window, &entry.title);
  if (Unchanged(all, now, titles)) return {};

  const WindowSet listed = WindowsOf(all);
  TerminalList newcomers;
  for (const TerminalEntry& entry : now) {
    if (!entry.title.empty() && listed.count(entry.window) == 0) newcomers.push_back(entry);
  }
  const auto order = view.descending ? TitleDescending : TitleAscending;
  std::sort(newcomers.begin(), newcomers.end(), order);

  TerminalList newAll = WithNewcomers(StillOpen(all, titles), newcomers, order);
  const TerminalList& shownBefore = view.filtered ? filtered : all;
  std::vector<RowEdit> edits;
  if (view.filtered) {
    TerminalList newFiltered =
        Filtered(newAll, WindowsOf(filtered), WindowsOf(newcomers), view.preparedFilter);
    edits = EditsBetween(shownBefore, newFiltered, titles);
    filtered = std::move(newFiltered);
  } else {
    edits = EditsBetween(shownBefore, newAll, titles);
  }
  all = std::move(newAll);
  selected = StillOpen(selected, titles);
  return edits;
}

// A deleted row is followed by the row after it, which takes its place.
std::size_t FollowRow(const std::vector<RowEdit>& edits, std::size_t row, std::size_t rows) {
  for (const RowEdit& edit : edits) {
    if (edit.kind == RowEdit::Kind::Insert && edit.row <= row) ++row;
    if (edit.kind == RowEdit::Kind::Delete && edit.row < row) --row;
  }
  return rows == 0 ? 0 : std::min(row, rows - 1);
}
