// Terminals open, close and are renamed between looks, with or without a filter, in either
// order: after every look the rows edited as told are the visible list, the lists hold exactly
// the open terminals, the selection holds only listed terminals, each once, and loses a terminal
// only when it closed; with no rename, rows in order stay in order.
#include <algorithm>
#include <map>

#include "fuzz_input.h"
#include "terminals/terminal_merge.h"
#include "terminals/title_filter.h"
#include "terminals/title_order.h"

namespace {

using Desktop = std::map<std::uintptr_t, Utf16String>;

// Short titles from few units, so that equal titles and prefixes are common; some empty.
Utf16String Title(FuzzInput& input) {
  Utf16String title(input.Number<uint8_t>() % 3, u'a');
  for (auto& unit : title) unit = u"abB "[input.Number<uint8_t>() % 4];
  return title;
}

TerminalList Entries(const Desktop& desktop) {
  TerminalList list;
  for (const auto& [handle, title] : desktop) {
    list.push_back(MakeTerminalEntry(title, reinterpret_cast<WindowHandle>(handle)));
  }
  return list;
}

std::vector<WindowHandle> Windows(const TerminalList& list) {
  std::vector<WindowHandle> windows;
  for (const TerminalEntry& e : list) windows.push_back(e.window);
  return windows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  const uint8_t setup = input.Number<uint8_t>();
  const ListView view{(setup & 1) != 0, PrepareFilterText(UTF16("b")), (setup & 2) != 0};
  const auto order = view.descending ? TitleDescending : TitleAscending;
  Desktop desktop;
  std::uintptr_t nextHandle = 1;
  for (int i = input.Number<uint8_t>() % 12; i > 0; --i) desktop[nextHandle++] = Title(input);

  TerminalList all, filtered, selected;
  for (const TerminalEntry& e : Entries(desktop)) {
    if (!e.title.empty()) all.push_back(e);
  }
  std::sort(all.begin(), all.end(), order);
  for (const TerminalEntry& e : all) {
    if (TitleMatchesFilter(e.title, view.preparedFilter)) filtered.push_back(e);
  }
  const uint32_t marks = input.Number<uint32_t>();
  for (std::size_t i = 0; i < (view.filtered ? filtered : all).size(); ++i) {
    if ((marks >> (i % 32)) & 1) selected.push_back((view.filtered ? filtered : all)[i]);
  }
  std::vector<Utf16String> rows;
  for (const TerminalEntry& e : view.filtered ? filtered : all) rows.push_back(e.title);

  for (int step = input.Number<uint8_t>() % 8; step > 0; --step) {
    bool renamed = false;
    for (int change = input.Number<uint8_t>() % 5; change > 0; --change) {
      const uint8_t pick = input.Number<uint8_t>();
      auto existing = desktop.begin();
      if (!desktop.empty()) std::advance(existing, pick / 3 % desktop.size());
      if (pick % 3 == 0 || desktop.empty()) {
        desktop[nextHandle++] = Title(input);
      } else if (pick % 3 == 1) {
        desktop.erase(existing);
      } else {
        existing->second = Title(input);
        renamed = true;
      }
    }
    const TerminalList shownBefore = view.filtered ? filtered : all;
    const bool wasInOrder = std::is_sorted(all.begin(), all.end(), order);
    TerminalList stillSelected;
    for (const TerminalEntry& e : selected) {
      if (desktop.count(HandleValue(e.window)) != 0) stillSelected.push_back(e);
    }

    const auto edits = MergeTerminals(all, filtered, selected, view, Entries(desktop));
    for (const RowEdit& edit : edits) {
      FUZZ_CHECK(edit.row <= rows.size() &&
                 (edit.kind == RowEdit::Kind::Insert || edit.row < rows.size()));
      const auto at = rows.begin() + static_cast<std::ptrdiff_t>(edit.row);
      if (edit.kind == RowEdit::Kind::Insert) rows.insert(at, edit.text);
      if (edit.kind == RowEdit::Kind::Delete) rows.erase(at);
      if (edit.kind == RowEdit::Kind::SetText) *at = edit.text;
    }
    const TerminalList& shown = view.filtered ? filtered : all;
    std::vector<Utf16String> shownTitles;
    for (const TerminalEntry& e : shown) shownTitles.push_back(e.title);
    FUZZ_CHECK(rows == shownTitles);

    // Listed: every open terminal with a title, and those that had one; each with its title.
    const WindowSet listed = WindowsOf(all);
    FUZZ_CHECK(listed.size() == all.size());
    for (const auto& [handle, title] : desktop) {
      FUZZ_CHECK(title.empty() || listed.count(reinterpret_cast<WindowHandle>(handle)) == 1);
    }
    for (const TerminalEntry& e : all) {
      const Utf16String& title = desktop.at(HandleValue(e.window));
      FUZZ_CHECK(title.empty() ? !e.title.empty() : title == e.title);
    }
    if (view.filtered) {
      auto from = all.begin();
      for (const TerminalEntry& e : filtered) {
        from = std::find_if(from, all.end(),
                            [&](const TerminalEntry& a) { return a.window == e.window; });
        FUZZ_CHECK(from != all.end());
      }
    }
    FUZZ_CHECK(Windows(selected) == Windows(stillSelected));
    FUZZ_CHECK(WindowsOf(selected).size() == selected.size());
    const WindowSet shownWindows = WindowsOf(shown);
    for (const TerminalEntry& e : selected) FUZZ_CHECK(shownWindows.count(e.window) == 1);
    if (wasInOrder && !renamed) FUZZ_CHECK(std::is_sorted(all.begin(), all.end(), order));

    // A row is followed to its terminal, or the first after it still shown, or the last row.
    const std::size_t top = input.Number<uint8_t>() % (shownBefore.size() + 1);
    std::size_t expected = shown.empty() ? 0 : shown.size() - 1;
    for (std::size_t row = top; row < shownBefore.size(); ++row) {
      const auto found = std::find_if(shown.begin(), shown.end(), [&](const TerminalEntry& e) {
        return e.window == shownBefore[row].window;
      });
      if (found == shown.end()) continue;
      expected = static_cast<std::size_t>(found - shown.begin());
      break;
    }
    FUZZ_CHECK(FollowRow(edits, top, shown.size()) == expected);
  }
  return 0;
}
