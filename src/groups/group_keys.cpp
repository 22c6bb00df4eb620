// The group keys. Keys held with Alt arrive as WM_SYSKEYDOWN, which the command box never
// broadcasts, so these take nothing from the terminals; the accelerator table binds no
// main-row digit, and Alt with a digit alone still starts nothing. Where Shift with a digit
// types "/" or "?" (Shift+7 on German or Spanish keyboards), that key is the table's Alt+/ or
// Alt+? for the version dialog and is left to it.
#include "groups/group_keys.h"

#include "groups/groups.h"

namespace {

bool TypesVersionKey(WPARAM key) {
  for (const wchar_t character : {L'/', L'?'}) {
    const SHORT typed = VkKeyScanW(character);
    if (LOBYTE(typed) == key && (HIBYTE(typed) & 7) == 1) return true;  // with Shift alone
  }
  return false;
}

}  // namespace

bool TranslateGroupKey(const MSG& message) {
  constexpr LPARAM kAltDown = 1 << 29, kRepeat = 1 << 30;
  if (message.message != WM_SYSKEYDOWN || message.wParam < '1' || message.wParam > '9' ||
      !(message.lParam & kAltDown) || GetKeyState(VK_SHIFT) >= 0 || GetKeyState(VK_CONTROL) < 0 ||
      TypesVersionKey(message.wParam)) {
    return false;
  }
  // A held key recalls once; its repeats are swallowed like the first press.
  if (!(message.lParam & kRepeat)) RecallGroup(message.wParam - '1');
  return true;
}
