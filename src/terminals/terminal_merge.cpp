// The merge of a new look at the desktop into the lists; see terminal_merge.h. A look costs a
// pass over the lists with hash lookups, and each newcomer a pass to find its place: 2000
// terminals and a few newcomers cost a few hundred microseconds.
#include "terminals/terminal_merge.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "terminals/title_filter.h"
#include "terminals/title_order.h"

namespace {

using Order = bool (*)(const TerminalEntry&, const TerminalEntry&);
// Where each open window is in the look.
using Places = std::unordered_map<WindowHandle, std::size_t>;

// A listed terminal's title now: an empty one (a terminal between two titles) leaves it as it was.
const Utf16String* TitleNow(const TerminalEntry& entry, const Places& places,
                            const TerminalList& now) {
  const auto found = places.find(entry.window);
  if (found == places.end()) return nullptr;
  const Utf16String& title = now[found->second].title;
  return title.empty() ? &entry.title : &title;
}

// Drops the closed terminals of `list` and gives the others their titles; the order stays.
void Refresh(TerminalList& list, const Places& places, const TerminalList& now) {
  std::size_t kept = 0;
  for (TerminalEntry& entry : list) {
    if (const Utf16String* title = TitleNow(entry, places, now)) {
      if (*title != entry.title) entry.title = *title;
      if (&list[kept] != &entry) list[kept] = std::move(entry);
      ++kept;
    }
  }
  list.erase(list.begin() + static_cast<std::ptrdiff_t>(kept), list.end());
}

// Before the first entry that `entry` precedes: in a list in order, its place in the order.
std::size_t PlaceOf(const TerminalList& list, const TerminalEntry& entry, Order order) {
  std::size_t place = 0;
  while (place < list.size() && !order(entry, list[place])) ++place;
  return place;
}

// How many of the first `place` entries of `all` are filtered: the filtered list keeps the order
// of the full one.
std::size_t FilteredBefore(const TerminalList& all, std::size_t place, const WindowSet& filtered) {
  std::size_t before = 0;
  for (std::size_t i = 0; i < place; ++i) before += filtered.count(all[i].window);
  return before;
}

}  // namespace

// The rows shown first lose their closed terminals and take the new titles, walking down; then
// each newcomer is inserted where it goes.
std::vector<RowEdit> MergeTerminals(TerminalList& all, TerminalList& filtered,
                                    TerminalList& selected, const ListView& view,
                                    const TerminalList& now) {
  Places places(now.size());
  for (std::size_t i = 0; i < now.size(); ++i) places.emplace(now[i].window, i);
  std::vector<RowEdit> edits;
  std::size_t row = 0;
  for (const TerminalEntry& entry : view.filtered ? filtered : all) {
    const Utf16String* title = TitleNow(entry, places, now);
    if (!title) {
      edits.push_back({RowEdit::Kind::Delete, row, {}});
    } else if (*title != entry.title) {
      edits.push_back({RowEdit::Kind::SetText, row++, *title});
    } else {
      ++row;
    }
  }
  const WindowSet listed = WindowsOf(all);
  Refresh(all, places, now);
  if (view.filtered) Refresh(filtered, places, now);
  Refresh(selected, places, now);

  WindowSet shown = view.filtered ? WindowsOf(filtered) : WindowSet();
  const Order order = view.descending ? TitleDescending : TitleAscending;
  for (const TerminalEntry& entry : now) {
    if (entry.title.empty() || listed.count(entry.window) != 0) continue;
    const std::size_t place = PlaceOf(all, entry, order);
    all.insert(all.begin() + static_cast<std::ptrdiff_t>(place), entry);
    if (!view.filtered) {
      edits.push_back({RowEdit::Kind::Insert, place, entry.title});
    } else if (TitleMatchesFilter(entry.title, view.preparedFilter)) {
      const std::size_t shownPlace = FilteredBefore(all, place, shown);
      filtered.insert(filtered.begin() + static_cast<std::ptrdiff_t>(shownPlace), entry);
      shown.insert(entry.window);
      edits.push_back({RowEdit::Kind::Insert, shownPlace, entry.title});
    }
  }
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
