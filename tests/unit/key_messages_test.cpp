// The key messages of replayed keys are those Windows makes of the same keys (the values below
// are those a window receives, as Spy++ and Wine's server give them), and the hook keeps,
// passes and writes down each key so that nothing stays down and every key is typed once.
#include <gtest/gtest.h>

#include "runtime/key_messages.h"

namespace {

using namespace keys;

constexpr std::uint8_t kQ = 'Q', kK = 'K', kF = 'F';
HookKey Down(std::uint8_t vk, std::uint16_t scan, bool extended = false) { return {vk, scan, extended, false}; }
HookKey Up(std::uint8_t vk, std::uint16_t scan, bool extended = false) { return {vk, scan, extended, true}; }

TEST(KeyMessages, AreTheMessagesWindowsMakes) {
  const struct {
    const char* name;
    std::vector<HookKey> keys;
    std::vector<KeyMessage> messages;
  } cases[] = {
      {"Shift+Q",
       {Down(kLeftShift, 0x2A), Down(kQ, 0x10), Down(kQ, 0x10), Up(kQ, 0x10), Up(kLeftShift, 0x2A)},
       {{kKeyDown, kShift, 0x002A0001}, {kKeyDown, kQ, 0x00100001}, {kKeyDown, kQ, 0x40100001},
        {kKeyUp, kQ, 0xC0100001}, {kKeyUp, kShift, 0xC02A0001}}},
      {"Ctrl+Alt+K",
       {Down(kLeftControl, 0x1D), Down(kLeftMenu, 0x38), Down(kK, 0x25), Up(kK, 0x25),
        Up(kLeftMenu, 0x38), Up(kLeftControl, 0x1D)},
       {{kKeyDown, kControl, 0x001D0001}, {kKeyDown, kMenu, 0x20380001}, {kKeyDown, kK, 0x20250001},
        {kKeyUp, kK, 0xE0250001}, {kKeyUp, kMenu, 0xC0380001}, {kKeyUp, kControl, 0xC01D0001}}},
      {"Alt+F: no menu after",
       {Down(kLeftMenu, 0x38), Down(kF, 0x21), Up(kF, 0x21), Up(kLeftMenu, 0x38)},
       {{kSysKeyDown, kMenu, 0x20380001}, {kSysKeyDown, kF, 0x20210001}, {kSysKeyUp, kF, 0xE0210001},
        {kKeyUp, kMenu, 0xC0380001}}},
      {"Alt alone opens the menu", {Down(kLeftMenu, 0x38), Up(kLeftMenu, 0x38)},
       {{kSysKeyDown, kMenu, 0x20380001}, {kSysKeyUp, kMenu, 0xC0380001}}},
      {"AltGr+Q: right Alt with the left Ctrl",
       {Down(kLeftControl, 0x1D), Down(kRightMenu, 0x38, true), Down(kQ, 0x10)},
       {{kKeyDown, kControl, 0x001D0001}, {kKeyDown, kMenu, 0x21380001}, {kKeyDown, kQ, 0x20100001}}},
      {"a Unicode packet", {Down(kPacket, 0xE9), Up(kPacket, 0xE9)},
       {{kKeyDown, kPacket, 0x00E90001}, {kKeyUp, kPacket, 0x00E90001}}},
      {"the right Shift by its sideless name", {Down(kShift, 0x36)}, {{kKeyDown, kShift, 0x00360001}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    KeyboardModel keyboard{};
    for (std::size_t i = 0; i < c.keys.size(); ++i) {
      const KeyMessage made = MakeKeyMessage(keyboard, c.keys[i]);
      EXPECT_EQ(made.message, c.messages[i].message) << "key " << i;
      EXPECT_EQ(made.wParam, c.messages[i].wParam) << "key " << i;
      EXPECT_EQ(static_cast<std::uint32_t>(made.lParam), static_cast<std::uint32_t>(c.messages[i].lParam))
          << "key " << i;
    }
  }
}

TEST(KeyMessages, TheRightShiftCountsOnItsOwnSide) {
  KeyboardModel keyboard{};
  MakeKeyMessage(keyboard, Down(kShift, 0x36));
  EXPECT_EQ(keyboard.state[kRightShift] & 0x80, 0x80);
  EXPECT_EQ(keyboard.state[kLeftShift] & 0x80, 0);
}

constexpr KeyTarget kOurs = KeyTarget::Flockhand, kTerm = KeyTarget::Terminal, kOther = KeyTarget::Other;
constexpr bool kSwallowed = true, kPassed = false;

TEST(KeyKeeping, EveryKeyIsKeptOrPassedSoThatNothingStaysDown) {
  struct Step {
    HookKey key;
    KeyTarget target;
    bool swallow;
    KeyEntry entry;
    std::uint8_t systemAlt = 0;
  };
  const struct {
    const char* name;
    std::vector<std::uint8_t> downBefore;
    std::vector<Step> steps;
  } cases[] = {
      {"Alt released in another program is seen: Q after it is a plain key",
       {},
       {{Down(kLeftMenu, 0x38), kOurs, kPassed, KeyEntry::Retyped},
        {Up(kLeftMenu, 0x38), kOther, kPassed, KeyEntry::Typed},
        {Down(kQ, 0x10), kOurs, kSwallowed, KeyEntry::Typed}}},
      {"a key held before: its repeats are kept, its release is the system's",
       {kQ},
       {{Down(kQ, 0x10), kTerm, kSwallowed, KeyEntry::Typed},
        {Up(kQ, 0x10), kOurs, kPassed, KeyEntry::Retyped}}},
      {"Alt held before, repeating over a terminal: its release is the system's",
       {kLeftMenu},
       {{Down(kLeftMenu, 0x38), kTerm, kSwallowed, KeyEntry::Typed},
        {Up(kLeftMenu, 0x38), kTerm, kPassed, KeyEntry::Typed}}},
      {"the Windows key and what is typed with it pass",
       {},
       {{Down(kLeftWin, 0x5B, true), kOurs, kPassed, KeyEntry::Queued},
        {Down('D', 0x20), kTerm, kPassed, KeyEntry::Seen},
        {Up('D', 0x20), kTerm, kPassed, KeyEntry::Seen},
        {Up(kLeftWin, 0x5B, true), kOurs, kPassed, KeyEntry::Queued}}},
      {"AltGr over a terminal's dialog: the terminal gets none of it",
       {},
       {{Down(kLeftControl, 0x1D), kTerm, kSwallowed, KeyEntry::Typed},
        {Down(kRightMenu, 0x38, true), kTerm, kSwallowed, KeyEntry::Typed},
        {Down(kQ, 0x10), kTerm, kSwallowed, KeyEntry::Typed},
        {Up(kQ, 0x10), kTerm, kSwallowed, KeyEntry::Typed},
        {Up(kRightMenu, 0x38, true), kTerm, kSwallowed, KeyEntry::Typed},
        {Up(kLeftControl, 0x1D), kTerm, kSwallowed, KeyEntry::Typed}}},
      {"Alt+Tab over a terminal: Alt given back to the system with the Tab",
       {},
       {{Down(kLeftMenu, 0x38), kTerm, kSwallowed, KeyEntry::Typed},
        {Down(kTab, 0x0F), kTerm, kSwallowed, KeyEntry::Seen, kLeftMenu},
        {Up(kTab, 0x0F), kOther, kPassed, KeyEntry::Seen},
        {Up(kLeftMenu, 0x38), kOther, kPassed, KeyEntry::Typed}}},
      {"Alt+Tab is the system's",
       {},
       {{Down(kLeftMenu, 0x38), kOurs, kPassed, KeyEntry::Retyped},
        {Down(kTab, 0x0F), kOurs, kPassed, KeyEntry::Queued},
        {Up(kTab, 0x0F), kOther, kPassed, KeyEntry::Seen}}},
      {"Esc cancels and reaches nothing",
       {},
       {{Down(kEscape, 0x01), kTerm, kSwallowed, KeyEntry::None},
        {Up(kEscape, 0x01), kOurs, kSwallowed, KeyEntry::None}}},
      {"Alt+F4 on Flockhand closes: nothing after it is written down",
       {},
       {{Down(kLeftMenu, 0x38), kOurs, kPassed, KeyEntry::Retyped},
        {Down(kF4, 0x3E), kOurs, kSwallowed, KeyEntry::None},
        {Down(kQ, 0x10), kOurs, kSwallowed, KeyEntry::None},
        {Up(kLeftMenu, 0x38), kOurs, kPassed, KeyEntry::None}}},
      {"another program's keys are its own",
       {},
       {{Down(kQ, 0x10), kOther, kPassed, KeyEntry::Seen}, {Up(kQ, 0x10), kOurs, kPassed, KeyEntry::Queued}}},
      {"a kept key released in another program stays kept",
       {},
       {{Down(kQ, 0x10), kOurs, kSwallowed, KeyEntry::Typed}, {Up(kQ, 0x10), kOther, kSwallowed, KeyEntry::Typed}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    KeyKeeping keeping;
    for (const std::uint8_t vk : c.downBefore) keeping.down[vk] = true;
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
      const Step& step = c.steps[i];
      const KeyDecision decision = DecideKey(keeping, step.key, step.target);
      EXPECT_EQ(decision.swallow, step.swallow) << "key " << i;
      EXPECT_EQ(decision.entry, step.entry) << "key " << i;
      EXPECT_EQ(decision.systemAlt, step.systemAlt) << "key " << i;
    }
  }
}

}  // namespace
