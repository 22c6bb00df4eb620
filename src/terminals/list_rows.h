// The rows of TerminalListBox always are the visible list: FilteredTerminals while the
// filter box holds text, AllTerminals otherwise; row i is element i.
#pragma once

#include "terminals/terminal_lists.h"

const TerminalList& VisibleTerminals();

// Replaces every row with one per element of `list`, in order, none marked.
void FillListRows(const TerminalList& list);

// Marks row i exactly when element i of `shown` is in SelectedTerminals; every row is set.
void MarkRows(const TerminalList& shown);
