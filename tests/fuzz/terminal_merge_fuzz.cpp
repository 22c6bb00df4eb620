// Terminals open, close and are renamed between looks, with or without a filter, in either
// order: after every look the rows edited as told are the visible list, every open terminal with
// a title is listed with it, the selection holds only shown terminals, each once, and loses one
// only when it closed; rows followed by FollowRow land on their terminal or the next that
// stayed; with no rename, rows in order stay in order.
#include <algorithm>
#include <map>

#include "fuzz_input.h"
#include "terminals/terminal_merge.h"
#include "terminals/title_filter.h"
#include "terminals/title_order.h"

namespace {

// Short titles from few units, so that equal titles and prefixes are common; some empty.
Utf16String Title(FuzzInput& input) {
  Utf16String title(input.Number<uint8_t>() % 3, u'a');
  for (auto& unit : title) unit = u"abB "[input.Number<uint8_t>() % 4];
  return title;
}

WindowHandle Handle(std::uintptr_t value) { return reinterpret_cast<WindowHandle>(value); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  const uint8_t setup = input.Number<uint8_t>();
  const ListView view{(setup & 1) != 0, PrepareFilterText(u"b"), (setup & 2) != 0};
  const auto order = view.descending ? TitleDescending : TitleAscending;
  std::map<std::uintptr_t, Utf16String> desktop;
  std::uintptr_t nextHandle = 1;
  TerminalList all, filtered, selected, now;
  for (int i = input.Number<uint8_t>() % 12; i > 0; --i) {
    desktop[nextHandle] = Title(input);
    if (!desktop[nextHandle].empty()) all.push_back({desktop[nextHandle], Handle(nextHandle)});
    ++nextHandle;
  }
  std::sort(all.begin(), all.end(), order);
  for (const TerminalEntry& e : all) {
    if (TitleMatchesFilter(e.title, view.preparedFilter)) filtered.push_back(e);
  }
  const TerminalList& shown = view.filtered ? filtered : all;
  const uint32_t marks = input.Number<uint32_t>();
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if ((marks >> (i % 32)) & 1) selected.push_back(shown[i]);
  }
  std::vector<Utf16String> rows;
  for (const TerminalEntry& e : shown) rows.push_back(e.title);

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
    const TerminalList shownBefore = shown;
    const bool wasInOrder = std::is_sorted(all.begin(), all.end(), order);
    TerminalList stillSelected;
    for (const TerminalEntry& e : selected) {
      if (desktop.count(HandleValue(e.window)) != 0) stillSelected.push_back(e);
    }
    now.clear();
    for (const auto& [handle, title] : desktop) now.push_back({title, Handle(handle)});

    const std::vector<RowEdit> edits = MergeTerminals(all, filtered, selected, view, now);
    for (const RowEdit& edit : edits) {
      FUZZ_CHECK(edit.row < rows.size() + (edit.kind == RowEdit::Kind::Insert));
      const auto at = rows.begin() + static_cast<std::ptrdiff_t>(edit.row);
      if (edit.kind == RowEdit::Kind::Insert) rows.insert(at, edit.text);
      if (edit.kind == RowEdit::Kind::Delete) rows.erase(at);
      if (edit.kind == RowEdit::Kind::SetText) *at = edit.text;
    }
    FUZZ_CHECK(rows.size() == shown.size());
    for (std::size_t i = 0; i < rows.size(); ++i) FUZZ_CHECK(rows[i] == shown[i].title);

    const WindowSet listed = WindowsOf(all), shownWindows = WindowsOf(shown);
    FUZZ_CHECK(listed.size() == all.size());
    for (const auto& [handle, title] : desktop) {
      FUZZ_CHECK(title.empty() || listed.count(Handle(handle)) == 1);
    }
    for (const TerminalEntry& e : all) {
      const Utf16String& title = desktop.at(HandleValue(e.window));
      FUZZ_CHECK(title.empty() ? !e.title.empty() : title == e.title);
    }
    for (const TerminalEntry& e : shown) FUZZ_CHECK(listed.count(e.window) == 1);
    FUZZ_CHECK(selected.size() == stillSelected.size() &&
               WindowsOf(selected).size() == selected.size());
    for (std::size_t i = 0; i < selected.size(); ++i) {
      FUZZ_CHECK(selected[i].window == stillSelected[i].window);
      FUZZ_CHECK(shownWindows.count(selected[i].window) == 1);
    }
    if (wasInOrder && !renamed) FUZZ_CHECK(std::is_sorted(all.begin(), all.end(), order));

    const std::size_t from = input.Number<uint8_t>() % (shownBefore.size() + 1);
    std::size_t expected = shown.empty() ? 0 : shown.size() - 1;
    for (std::size_t row = from; row < shownBefore.size(); ++row) {
      if (shownWindows.count(shownBefore[row].window) == 0) continue;
      for (expected = 0; shown[expected].window != shownBefore[row].window;) ++expected;
      break;
    }
    FUZZ_CHECK(FollowRow(edits, from, shown.size()) == expected);
  }
  return 0;
}
