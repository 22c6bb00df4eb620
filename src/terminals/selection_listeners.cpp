// See selection_listeners.h.
#include "terminals/selection_listeners.h"

#include <vector>

namespace {

std::vector<SelectionListener> Listeners;

}  // namespace

void ListenToSelection(SelectionListener listener) { Listeners.push_back(listener); }

void SelectionChanged() {
  for (const SelectionListener listener : Listeners) listener();
}
