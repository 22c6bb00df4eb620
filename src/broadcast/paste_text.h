// The rules of a clipboard paste that need no window: how much of the clipboard's memory block
// is text, and which way the paste goes out. Kept free of <windows.h> for the unit tests.
#pragma once

#include <cstddef>
#include <vector>

#include "base/utf16.h"

// The units of text in a CF_UNICODETEXT block of byteSize bytes: up to the first zero unit,
// or up to the last whole unit when the block holds no zero (an odd last byte is no unit).
std::size_t ClipboardTextLength(const Utf16Unit* block, std::size_t byteSize);

// The confirmation dialog shows at most this many units: a multi-line edit wraps a long
// unbroken line at a cost that grows with the square of its length (under Wine 20 000 units
// take a second, 200 000 two minutes), and the text is pasted from the clipboard anyway.
constexpr std::size_t kShownPasteTextLimit = 10000;

// The text as the dialog shows it: whole, or its first kShownPasteTextLimit units without
// splitting a surrogate pair.
Utf16View ShownPasteText(Utf16View text);

// Every path that pastes serves the terminals one after another.
enum class PastePath {
  Nothing,     // no text, or an empty one
  OneByOne,    // a single line: no clicks
  Confirm,     // line feeds: the confirmation dialog decides
  NoClicks,    // line feeds, no confirmation, no clicks
  WithClicks,  // line feeds, no confirmation: each command, then its terminal's OK pressed
};

// A line feed (U+000A) makes a text multi-line; a carriage return alone does not.
PastePath ChoosePastePath(Utf16View text, bool pasteConfirm, bool forcePaste);

// The notice for the terminals (by title) that neither returned from their paste command nor
// showed their confirmation in time: the first three are named, the count tells the rest.
Utf16String UnansweredPasteNotice(const std::vector<Utf16String>& titles);
