// The terminal lists and the helpers over them; see terminal_lists.h.
#include "terminals/terminal_lists.h"

#include <algorithm>

TerminalList AllTerminals;
TerminalList FilteredTerminals;
TerminalList SelectedTerminals;

bool ContainsWindow(const TerminalList& list, WindowHandle window) {
  return std::any_of(list.begin(), list.end(),
                     [window](const TerminalEntry& entry) { return entry.window == window; });
}

void KeepOnlyWindowsIn(TerminalList& selection, const TerminalList& keep) {
  selection.erase(std::remove_if(selection.begin(), selection.end(),
                                 [&keep](const TerminalEntry& entry) {
                                   return !ContainsWindow(keep, entry.window);
                                 }),
                  selection.end());
}
