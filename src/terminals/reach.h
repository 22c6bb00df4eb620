// What keeps a selected terminal from taking the keys typed in the command box as they are typed,
// how it is judged from a few looks at the window, and what the user is told of it: the notice's
// text and the frame's look. Free of <windows.h>: the looks are handed in, so that the tests put
// fakes in place of a terminal run as administrator or one on another virtual desktop.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "terminals/terminal_entry.h"

// In the order the notice tells them. A window that is several at once is the first of them.
enum class Reach { Reachable, Gone, Elevated, Hung, OtherDesktop };

// The looks at one window. Integrity levels are the mandatory-label RIDs (0x2000 medium, 0x3000
// high); none where they cannot be read. The desktop is none where the system cannot tell.
struct ReachLooks {
  bool (*isTerminal)(WindowHandle);  // still a window, and of the terminal class
  std::optional<std::uint32_t> (*integrityOf)(WindowHandle);
  bool (*isHung)(WindowHandle);
  std::optional<bool> (*onCurrentDesktop)(WindowHandle);
};

// A gone window is looked at no further. A level that cannot be read counts as reachable: a key
// then refused tells (see NoteRefusedKey).
Reach JudgeReach(WindowHandle window, const ReachLooks& looks,
                 std::optional<std::uint32_t> ownIntegrity);

struct UnreachedTerminal {
  Reach reach;
  Utf16View title;
};

// One line per reason, then the titles of its terminals, at most kTitlesPerReason of them, each
// cut to kNoticeTitleUnits and on one line: a notice of 500 titles would cover the screen. Empty
// when every terminal is reachable.
constexpr std::size_t kTitlesPerReason = 5;
constexpr std::size_t kNoticeTitleUnits = 60;
Utf16String ReachNoticeText(const std::vector<UnreachedTerminal>& terminals);

// The frame of a terminal that does not take the keys now is grey, not the accent colour.
bool FrameMuted(Reach reach);
