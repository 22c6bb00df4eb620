// Whoever shows the selection hears of every change of SelectedTerminals: the panel registers
// its listeners when it is built, and whatever changes the selection says so once the change is
// complete, so that nothing here needs to know what the listeners show. Free of <windows.h>.
#pragma once

using SelectionListener = void (*)();

void ListenToSelection(SelectionListener listener);

// Tells every listener, in the order they were registered.
void SelectionChanged();
