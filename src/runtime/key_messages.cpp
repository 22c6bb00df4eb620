// See key_messages.h. The messages follow the rules Windows applies (and Wine's server copies):
// a key is a system key while Alt is down and Ctrl is not, Alt's release is a system key only
// when no system key came since its press, and lParam carries the scan code, the extended,
// repeat and release flags and whether Alt is down once the key is counted.
#include "runtime/key_messages.h"

using namespace keys;

namespace {

constexpr std::uint32_t kExtendedFlag = 0x0100, kAltDownFlag = 0x2000, kRepeatFlag = 0x4000,
                        kUpFlag = 0x8000;

// The hook names the side of a modifier (the sideless name stands for the left one, the scan
// code or the extended flag telling the right one).
std::uint8_t Sided(const HookKey& key) {
  switch (key.vk) {
    case kShift: return key.scan == 0x36 ? kRightShift : kLeftShift;
    case kControl: return key.extended ? kRightControl : kLeftControl;
    case kMenu: return key.extended ? kRightMenu : kLeftMenu;
    default: return key.vk;
  }
}

std::uint8_t Sideless(std::uint8_t vk) {
  switch (vk) {
    case kLeftShift:
    case kRightShift: return kShift;
    case kLeftControl:
    case kRightControl: return kControl;
    case kLeftMenu:
    case kRightMenu: return kMenu;
    default: return vk;
  }
}

bool Down(const KeyboardModel& keyboard, std::uint8_t vk) { return keyboard.state[vk] & 0x80; }

void Count(KeyboardModel& keyboard, std::uint8_t sided, bool up) {
  const std::uint8_t sideless = Sideless(sided);
  if (!up && !Down(keyboard, sideless)) keyboard.state[sideless] ^= 0x01;
  keyboard.state[sided] = static_cast<std::uint8_t>((keyboard.state[sided] & 0x01) | (up ? 0 : 0x80));
  if (sided != sideless) {
    const std::uint8_t left = sideless == kShift ? kLeftShift : sideless == kControl ? kLeftControl : kLeftMenu;
    const bool either = Down(keyboard, left) || Down(keyboard, static_cast<std::uint8_t>(left + 1));
    keyboard.state[sideless] = static_cast<std::uint8_t>((keyboard.state[sideless] & 0x01) | (either ? 0x80 : 0));
  }
}

// Whether key makes a system message; Alt's press and any system key change altAlone.
bool IsSystemKey(KeyboardModel& keyboard, std::uint8_t vk, bool up) {
  const bool ctrl = Down(keyboard, kControl), alt = Down(keyboard, kMenu);
  bool system = false;
  switch (vk) {
    case kMenu:
      if (up) {
        system = alt && keyboard.altAlone;
        keyboard.altAlone = false;
      } else if (!ctrl) {
        system = keyboard.altAlone = true;
      }
      return system;
    case kControl: system = up && alt; break;
    case kF10: system = true; break;
    default: system = alt && !ctrl; break;
  }
  if (system) keyboard.altAlone = false;
  return system;
}

}  // namespace

KeyMessage MakeKeyMessage(KeyboardModel& keyboard, const HookKey& key) {
  const bool packet = key.vk == kPacket;
  const std::uint8_t sided = Sided(key), vk = Sideless(sided);
  const bool wasDown = Down(keyboard, vk);
  const bool system = IsSystemKey(keyboard, vk, key.up);
  std::uint32_t flags = 0;
  if (!packet) {
    if (key.extended && vk != kShift) flags |= kExtendedFlag;
    if (key.up) flags |= kUpFlag | kRepeatFlag;
    else if (wasDown) flags |= kRepeatFlag;
    Count(keyboard, sided, key.up);
  }
  if (Down(keyboard, kMenu)) flags |= kAltDownFlag;
  const std::uint32_t lParam = 1u | (std::uint32_t{key.scan} << 16) | (flags << 16);
  const unsigned message = key.up ? (system ? kSysKeyUp : kKeyUp) : (system ? kSysKeyDown : kKeyDown);
  return {message, vk, static_cast<std::intptr_t>(lParam)};
}

namespace {

// A key passed on, as the journal holds it.
KeyEntry Passed(KeyTarget target) { return target == KeyTarget::Flockhand ? KeyEntry::Queued : KeyEntry::Seen; }

KeyDecision Release(KeyKeeping& keeping, std::uint8_t vk, KeyTarget target) {
  KeyDecision decision;
  if (keeping.swallowed[vk]) {
    decision.swallow = true;
    decision.entry = keeping.typed[vk] ? KeyEntry::Typed : KeyEntry::None;
  } else if (keeping.typed[vk]) {
    decision.entry = target == KeyTarget::Flockhand ? KeyEntry::Retyped : KeyEntry::Typed;
  } else {
    decision.entry = Passed(target);
  }
  keeping.swallowed[vk] = keeping.typed[vk] = false;
  return decision;
}

KeyDecision Keep(KeyKeeping& keeping, std::uint8_t vk) {
  KeyDecision decision;
  decision.swallow = keeping.swallowed[vk] = keeping.typed[vk] = true;
  decision.entry = KeyEntry::Typed;
  return decision;
}

KeyDecision Press(KeyKeeping& keeping, std::uint8_t vk, bool wasDown, KeyTarget target) {
  const bool ours = target != KeyTarget::Other;
  const bool win = keeping.down[kLeftWin] || keeping.down[kRightWin];
  const bool alt = keeping.down[kLeftMenu] || keeping.down[kRightMenu];
  const bool repeatOfPassedPress = wasDown && !keeping.swallowed[vk];
  KeyDecision decision;
  decision.entry = Passed(target);
  if (keeping.swallowed[vk]) {  // the repeat of a key kept
    decision.swallow = true;
    decision.entry = ours && keeping.typed[vk] ? KeyEntry::Typed : KeyEntry::None;
  } else if (!ours || win || vk == kLeftWin || vk == kRightWin) {
    // The Windows key and what is typed with it are the system's, as is another program's key.
  } else if (vk == kLeftMenu || vk == kRightMenu) {
    // Alt is typed again with the rest. Over Flockhand it passes too, for Alt+Tab and Alt+Esc;
    // a terminal in front must not have it (it would show it its menu), but the release of an
    // Alt whose press the system saw is the system's.
    keeping.typed[vk] = true;
    if (target == KeyTarget::Terminal) decision.swallow = keeping.swallowed[vk] = true;
    decision.entry = target == KeyTarget::Terminal ? KeyEntry::Typed : KeyEntry::Retyped;
  } else if (alt && vk == kF4 && target == KeyTarget::Flockhand) {
    decision.swallow = decision.close = keeping.swallowed[vk] = true;
    decision.entry = KeyEntry::None;
    keeping.closing = true;
  } else if (alt && (vk == kTab || vk == kEscape || vk == kF4)) {
    // Alt+Tab, Alt+Esc, and Alt+F4 on a terminal's dialog: the system's gestures, with Alt given
    // back to the system where it was kept.
    const std::uint8_t keptAlt = keeping.swallowed[kLeftMenu] ? kLeftMenu
                                 : keeping.swallowed[kRightMenu] ? kRightMenu : 0;
    if (keptAlt) {
      decision.swallow = true;
      decision.systemAlt = keptAlt;
      keeping.swallowed[keptAlt] = false;
    }
  } else if (vk == kEscape) {
    decision.swallow = decision.cancel = keeping.swallowed[vk] = true;
    decision.entry = KeyEntry::None;
  } else {
    decision = Keep(keeping, vk);
  }
  // The system saw the press of a key held since before (or passed earlier): whatever becomes of
  // its repeats, its release is the system's.
  if (repeatOfPassedPress) keeping.swallowed[vk] = false;
  return decision;
}

}  // namespace

KeyDecision DecideKey(KeyKeeping& keeping, const HookKey& key, KeyTarget target) {
  const std::uint8_t vk = key.vk == kPacket ? kPacket : Sided(key);
  const bool wasDown = keeping.down[vk];
  if (vk != kPacket) keeping.down[vk] = !key.up;
  KeyDecision decision = key.up ? Release(keeping, vk, target) : Press(keeping, vk, wasDown, target);
  if (keeping.closing && !decision.close) decision.entry = KeyEntry::None;
  return decision;
}
