// Reversing the list's order and discovering the terminals again, both keeping the selection.
#pragma once

void ReverseOrder();
void RefreshTerminals();
