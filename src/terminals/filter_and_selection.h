// Filtering and selecting in the terminal list. Each operation keeps FilteredTerminals and
// SelectedTerminals in step with the filter text and the marked rows.
#pragma once

void ApplyFilter();            // the filter box's text changed (EN_UPDATE)
void SyncSelectionFromList();  // the user changed the marks (LBN_SELCHANGE)
void SelectAllTerminals();
void InvertSelection();
