// Reversing the list's order and discovering the terminals again, both keeping the selection.
#pragma once

void ReverseOrder();
void RefreshTerminals();

// True while the list is in descending title order (after an odd number of reverse-order
// commands since the last refresh).
bool ListedDescending();
