// See terminal_model.h.
#include "terminals/terminal_model.h"

#include <algorithm>
#include <utility>

#include "terminals/title_filter.h"
#include "terminals/title_order.h"

namespace {

// The model itself: one per program, as there is one list of terminals.
struct Model {
  TerminalList all, filtered, selected;
  Utf16String filter;
  bool descending = false;
  std::vector<RowsListener> rowsListeners;
  std::vector<SelectionListener> selectionListeners;
} Terminals;

void Tell(const RowsChange& change) {
  for (const RowsListener listener : Terminals.rowsListeners) listener(change);
}

void TellSelection() {
  for (const SelectionListener listener : Terminals.selectionListeners) listener();
}

// The rows anew: the selection keeps only the terminals shown.
void Refill(bool filterCleared) {
  RowsChange change{RowsChange::Kind::Refill, {}, false, filterCleared, {}};
  change.marks = KeepShown(Terminals.selected, VisibleTerminals());
  Tell(change);
}

// Every terminal shown, in the order `all` has; a filter in place is cleared.
void ShowAll() {
  const bool filterCleared = !Terminals.filter.empty();
  Terminals.filter.clear();
  Terminals.filtered.clear();
  Refill(filterCleared);
}

void Mark(RowRuns runs, bool unmarkFirst) {
  Tell({RowsChange::Kind::Mark, std::move(runs), unmarkFirst, false, {}});
}

}  // namespace

const TerminalList& AllTerminals = Terminals.all;
const TerminalList& FilteredTerminals = Terminals.filtered;
const TerminalList& SelectedTerminals = Terminals.selected;

void ListenToRows(RowsListener listener) { Terminals.rowsListeners.push_back(listener); }

void ListenToSelection(SelectionListener listener) {
  Terminals.selectionListeners.push_back(listener);
}

const TerminalList& VisibleTerminals() {
  return Terminals.filter.empty() ? Terminals.all : Terminals.filtered;
}

const Utf16String& PreparedFilter() { return Terminals.filter; }

bool ListedDescending() { return Terminals.descending; }

void ReplaceTerminals(TerminalList found) {
  Terminals.all = std::move(found);
  std::sort(Terminals.all.begin(), Terminals.all.end(), TitleAscending);
  Terminals.descending = false;
  ShowAll();
  TellSelection();
}

void ReverseTerminalOrder() {
  Terminals.descending = !Terminals.descending;
  std::sort(Terminals.all.begin(), Terminals.all.end(),
            Terminals.descending ? TitleDescending : TitleAscending);
  ShowAll();
  TellSelection();
}

void FilterTerminals(Utf16String preparedFilter) {
  Terminals.filter = std::move(preparedFilter);
  Terminals.filtered.clear();
  if (!Terminals.filter.empty()) {
    for (const TerminalEntry& entry : Terminals.all) {
      if (TitleMatchesFilter(TitleOf(entry), Terminals.filter)) Terminals.filtered.push_back(entry);
    }
  }
  Refill(false);
  TellSelection();
}

void SelectRows(const std::vector<int>& rows) {
  const TerminalList& visible = VisibleTerminals();
  Terminals.selected.clear();
  for (const int row : rows) {
    if (row >= 0 && static_cast<std::size_t>(row) < visible.size()) {
      Terminals.selected.push_back(visible[static_cast<std::size_t>(row)]);
    }
  }
  TellSelection();
}

void SelectAllShown() {
  Tell({RowsChange::Kind::MarkAll, {}, false, false, {}});
  Terminals.selected = VisibleTerminals();
  TellSelection();
}

// Rows carry marks exactly while something is selected.
void InvertShown() {
  const bool marked = !Terminals.selected.empty();
  Mark(InvertWithin(Terminals.selected, VisibleTerminals()), marked);
  TellSelection();
}

std::size_t SelectTitled(const std::vector<Utf16String>& titles) {
  if (!Terminals.filter.empty()) ShowAll();
  const bool marked = !Terminals.selected.empty();
  Mark(SelectTitledWithin(Terminals.selected, Terminals.all, titles), marked);
  TellSelection();
  return Terminals.selected.size();
}

void MergeDesktop(const TerminalList& now) {
  const std::size_t selected = Terminals.selected.size();
  const ListView view{!Terminals.filter.empty(), Terminals.filter, Terminals.descending};
  std::vector<RowEdit> edits =
      MergeTerminals(Terminals.all, Terminals.filtered, Terminals.selected, view, now);
  if (edits.empty()) return;
  Tell({RowsChange::Kind::Edit, {}, false, false, std::move(edits)});
  if (Terminals.selected.size() != selected) TellSelection();
}
