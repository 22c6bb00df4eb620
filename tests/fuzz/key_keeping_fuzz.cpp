// Whatever keys come, to whichever window, the system sees the release of every press it saw
// and of no other (nothing stays down, nothing is released twice), and the keys typed again
// make messages of any key without fault.
#include "fuzz_input.h"
#include "runtime/key_messages.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  KeyKeeping keeping;
  bool down[256] = {};        // as the keyboard is
  bool systemDown[256] = {};  // as the system counts the keys: the ones that passed
  for (int vk = 0; vk < 256; vk += 1 + input.Number<uint8_t>() % 64) {
    keeping.down[vk] = down[vk] = systemDown[vk] = true;  // held since before the operation
  }
  KeyboardModel keyboard{};
  for (int key = 0; key < 200; ++key) {
    const auto bits = input.Number<uint32_t>();
    // Mostly the keys that matter here: the modifiers, Tab, Esc, F4, letters, packets.
    static const uint8_t kKeys[] = {0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0x5B, 0x09, 0x1B,
                                    0x73, 0x41, 0x42, 0xE7, 0x10, 0x11, 0x12};
    const uint8_t vk = (bits & 0x80) ? static_cast<uint8_t>(bits >> 8) : kKeys[(bits >> 8) % 16];
    const HookKey hookKey{vk, static_cast<uint16_t>(bits >> 16), (bits & 1) != 0, (bits & 2) != 0};
    const auto target = static_cast<KeyTarget>((bits >> 2) % 3);
    const KeyDecision decision = DecideKey(keeping, hookKey, target);
    const uint8_t sided = vk == 0x10 ? (hookKey.scan == 0x36 ? 0xA1 : 0xA0)
                          : vk == 0x11 ? (hookKey.extended ? 0xA3 : 0xA2)
                          : vk == 0x12 ? (hookKey.extended ? 0xA5 : 0xA4) : vk;
    if (decision.systemAlt) systemDown[decision.systemAlt] = true;
    // A release of a key not known to be down (pressed before the hook was set) passes.
    if (hookKey.up && sided != 0xE7) {
      FUZZ_CHECK(decision.swallow == (down[sided] && !systemDown[sided]));
      down[sided] = systemDown[sided] = false;
    } else if (!hookKey.up) {
      down[sided] = true;
      if (!decision.swallow || decision.systemAlt) systemDown[sided] = true;
    }
    if (decision.entry == KeyEntry::Typed || decision.entry == KeyEntry::Retyped) {
      MakeKeyMessage(keyboard, hookKey);
    }
  }
  return 0;
}
