// Filtering and selecting in the terminal list. Each operation keeps FilteredTerminals and
// SelectedTerminals in step with the filter text and the marked rows.
#pragma once

#include <cstddef>
#include <vector>

#include "base/utf16.h"

void ApplyFilter();            // the filter box's text changed (EN_UPDATE)
void SyncSelectionFromList();  // the user changed the marks (LBN_SELCHANGE)
void SelectAllTerminals();
void InvertSelection();

// Selects exactly the listed terminals whose titles are among `titles`, as clicks on their rows
// would; gives how many that are.
std::size_t SelectTitled(const std::vector<Utf16String>& titles);
