// The key messages Windows makes of the keys a person types, and what the keyboard hook of an
// operation does with each key. Flockhand types the keys kept during an operation again into
// its own window afterwards, and they must be the very messages that window would have had:
// Ctrl+Alt+K a WM_KEYDOWN with both modifiers, a Unicode packet with its character, Alt alone
// the menu only when it was pressed alone. Kept free of <windows.h> for the unit tests; the
// numbers below are the system's own (winuser.h), checked against it where they are used.
#pragma once

#include <cstdint>

namespace keys {

constexpr std::uint8_t kTab = 0x09, kReturn = 0x0D, kShift = 0x10, kControl = 0x11, kMenu = 0x12,
                       kEscape = 0x1B, kLeftWin = 0x5B, kRightWin = 0x5C, kF4 = 0x73, kF10 = 0x79,
                       kLeftShift = 0xA0, kRightShift = 0xA1, kLeftControl = 0xA2,
                       kRightControl = 0xA3, kLeftMenu = 0xA4, kRightMenu = 0xA5, kPacket = 0xE7;
constexpr unsigned kKeyDown = 0x0100, kKeyUp = 0x0101, kSysKeyDown = 0x0104, kSysKeyUp = 0x0105;

}  // namespace keys

// A key as the low-level hook sees it: modifiers by side (kLeftShift), and for kPacket the
// character in place of the scan code.
struct HookKey {
  std::uint8_t vk;
  std::uint16_t scan;
  bool extended, up;
};

// The keyboard as Windows keeps it to make key messages: each key's state as GetKeyboardState
// gives it (0x80 down, 0x01 toggled), both sides and the sideless name of each modifier, and
// whether Alt is down with no key pressed since (its release then opens the window's menu).
struct KeyboardModel {
  std::uint8_t state[256];
  bool altAlone;
};

struct KeyMessage {
  unsigned message;
  std::uintptr_t wParam;
  std::intptr_t lParam;
};

// The message the focused window gets for key, the keyboard being as given; the keyboard then
// holds key too.
KeyMessage MakeKeyMessage(KeyboardModel& keyboard, const HookKey& key);

// Where a key goes while an operation runs, decided for each key as the hook sees it.
enum class KeyTarget {
  Flockhand,  // Flockhand's thread has the foreground: a key passed on reaches its queue
  Terminal,   // a terminal or a dialog of one, or no window while the activation moves
  Other,      // another program: its keys are its own
};

// What the journal holds of a key, in the order the keys came. Every key the hook sees while it
// is set changes the keyboard's state in the journal's order, whatever else becomes of it.
enum class KeyEntry {
  None,     // nothing: a key swallowed for good (Esc, and what comes after a close)
  Typed,    // typed again into Flockhand after the operation
  Retyped,  // passed on into Flockhand's queue as well: that message is thrown away
  Queued,   // passed on into Flockhand's queue: read from there in its turn
  Seen,     // passed on elsewhere
};

struct KeyDecision {
  bool swallow = false;  // the system never sees the key
  bool cancel = false;   // Esc: what is left of the operation is left alone
  bool close = false;    // Alt+F4 on Flockhand: the operation ends and the window closes
  // Nonzero: Alt was kept from the terminal in front, and this key makes a gesture of the
  // system's with it (Alt+Tab): this Alt's press and the key are typed again for the system.
  std::uint8_t systemAlt = 0;
  KeyEntry entry = KeyEntry::None;
};

// What the hook knows between keys: every key's physical state (from the start of the
// operation), the keys whose press it swallowed (their release is swallowed too) and those
// whose press it wrote down (their release is written down too).
struct KeyKeeping {
  bool down[256] = {};
  bool swallowed[256] = {};
  bool typed[256] = {};
  bool closing = false;  // after a close nothing more is written down
};

KeyDecision DecideKey(KeyKeeping& keeping, const HookKey& key, KeyTarget target);
