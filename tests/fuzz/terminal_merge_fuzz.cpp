// Terminals open, close and are renamed between looks, with or without a filter, in either order,
// and the user picks rows: after every look the rows edited as told are the visible list, every
// open terminal with a title is listed with it, the selection holds only shown terminals, each
// once, and loses one only when it closed; a followed row lands on its terminal or the next that
// stayed; with no rename, rows in order stay in order.
#include <algorithm>
#include <map>

#include "fuzz_input.h"
#include "terminals/terminal_merge.h"
#include "terminals/title_filter.h"
#include "terminals/title_order.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  const uint8_t setup = input.Number<uint8_t>();
  const ListView view{(setup & 1) != 0, PrepareFilterText(u"b"), (setup & 2) != 0};
  const auto order = view.descending ? TitleDescending : TitleAscending;
  std::map<std::uintptr_t, Utf16String> desktop;  // short titles of few units, some empty
  const auto title = [&] {
    const uint8_t n = input.Number<uint8_t>();
    return Utf16String(&u"bab"[n % 2], n / 2 % 3);
  };
  TerminalList all, filtered, selected;
  const TerminalList& shown = view.filtered ? filtered : all;
  std::vector<Utf16String> rows;
  for (std::uintptr_t next = 1; input.Number<uint8_t>() % 16 != 0;) {
    bool renamed = false;
    for (int change = input.Number<uint8_t>() % 5; change > 0; --change) {
      const uint8_t pick = input.Number<uint8_t>();
      auto existing = desktop.begin();
      if (!desktop.empty()) std::advance(existing, pick / 3 % desktop.size());
      switch (desktop.empty() ? 0 : pick % 3) {
        case 0: desktop[next++] = title(); break;
        case 1: desktop.erase(existing); break;
        default: existing->second = title(), renamed = true;
      }
    }
    const uint8_t marks = input.Number<uint8_t>();  // a click picks the marked rows
    if (marks & 1) selected.clear();
    for (std::size_t row = 0; (marks & 1) && row < shown.size(); ++row) {
      if ((marks >> (1 + row % 7)) & 1) selected.push_back(shown[row]);
    }
    const TerminalList before = shown;
    const bool wasInOrder = std::is_sorted(all.begin(), all.end(), order);
    TerminalList now, picked;
    for (const TerminalEntry& e : selected) {
      if (desktop.count(HandleValue(e.window)) != 0) picked.push_back(e);
    }
    for (const auto& [handle, text] : desktop) now.push_back({text, WindowHandle(handle)});
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
    const WindowSet listed = WindowsOf(all), visible = WindowsOf(shown);
    FUZZ_CHECK(listed.size() == all.size());
    for (const TerminalEntry& e : now) FUZZ_CHECK(e.title.empty() || listed.count(e.window) == 1);
    for (const TerminalEntry& e : all) {
      const Utf16String& text = desktop.at(HandleValue(e.window));
      FUZZ_CHECK(text.empty() ? !e.title.empty() : text == e.title);
    }
    FUZZ_CHECK(selected.size() == picked.size() && WindowsOf(selected).size() == selected.size());
    for (std::size_t i = 0; i < selected.size(); ++i) {
      FUZZ_CHECK(selected[i].window == picked[i].window && visible.count(picked[i].window) == 1);
    }
    if (wasInOrder && !renamed) FUZZ_CHECK(std::is_sorted(all.begin(), all.end(), order));
    const std::size_t from = input.Number<uint8_t>() % (before.size() + 1);
    std::size_t expected = shown.empty() ? 0 : shown.size() - 1;
    for (std::size_t row = from; row < before.size(); ++row) {
      if (visible.count(before[row].window) == 0) continue;
      for (expected = 0; shown[expected].window != before[row].window;) ++expected;
      break;
    }
    FUZZ_CHECK(FollowRow(edits, from, shown.size()) == expected);
  }
  return 0;
}
