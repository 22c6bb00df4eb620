// A selected terminal's reach, judged from fake looks at its window (a terminal run as
// administrator, hung, gone or on another virtual desktop, which Wine cannot show), and what the
// notice and the frames make of it.
#include "terminals/reach.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kLow = 0x1000, kMedium = 0x2000, kHigh = 0x3000;

// The one window the fake looks answer for, and how many looks were taken at it.
struct FakeWindow {
  bool terminal = true;
  std::optional<std::uint32_t> level = kMedium;
  bool hung = false;
  std::optional<bool> onDesktop = true;
} Fake;
int Looks = 0;

const ReachLooks kFakeLooks{
    [](WindowHandle) { return ++Looks, Fake.terminal; },
    [](WindowHandle) { return ++Looks, Fake.level; },
    [](WindowHandle) { return ++Looks, Fake.hung; },
    [](WindowHandle) { return ++Looks, Fake.onDesktop; },
};

TEST(Reach, JudgedFromTheLooks) {
  const struct {
    FakeWindow window;
    std::optional<std::uint32_t> own;
    Reach reach;
  } cases[] = {
      {{}, kMedium, Reach::Reachable},
      {{true, kMedium}, kMedium, Reach::Reachable},
      {{true, kLow}, kMedium, Reach::Reachable},
      {{true, kHigh}, kMedium, Reach::Elevated},
      {{true, kHigh}, kHigh, Reach::Reachable},  // Flockhand run as administrator too
      {{true, std::nullopt}, kMedium, Reach::Reachable},
      {{true, kHigh}, std::nullopt, Reach::Reachable},
      {{false, kHigh, true, false}, kMedium, Reach::Gone},
      {{true, kMedium, true}, kMedium, Reach::Hung},
      {{true, kHigh, true}, kMedium, Reach::Elevated},
      {{true, kMedium, false, false}, kMedium, Reach::OtherDesktop},
      {{true, kMedium, false, std::nullopt}, kMedium, Reach::Reachable},  // no virtual desktops
      {{true, kMedium, true, false}, kMedium, Reach::Hung},
  };
  for (const auto& c : cases) {
    Fake = c.window;
    EXPECT_EQ(JudgeReach(nullptr, kFakeLooks, c.own), c.reach)
        << "terminal " << c.window.terminal << " level " << c.window.level.value_or(0) << " own "
        << c.own.value_or(0) << " hung " << c.window.hung;
  }
}

TEST(Reach, AGoneWindowIsLookedAtNoFurther) {
  Fake = {false};
  Looks = 0;
  JudgeReach(nullptr, kFakeLooks, kMedium);
  EXPECT_EQ(Looks, 1);
}

TEST(Reach, NoticeNamesEachReasonAndItsTitles) {
  const Utf16String longTitle(61, u'x');
  const Utf16String pairAtCut = Utf16String(59, u'y') + u"\U0001F600z";
  const struct {
    std::vector<UnreachedTerminal> terminals;
    Utf16String text;
  } cases[] = {
      {{}, u""},
      {{{Reach::Reachable, u"a"}}, u""},
      {{{Reach::Elevated, u"a"}, {Reach::Reachable, u"b"}, {Reach::Elevated, u"c"}},
       u"管理者として実行中のため、2 個のウィンドウにはキーが届きません\n・a\n・c"},
      {{{Reach::OtherDesktop, u"d"}, {Reach::Hung, u"h"}, {Reach::Elevated, u"e"},
        {Reach::Gone, u"g"}},
       u"閉じられているため、1 個のウィンドウにはキーが届きません\n・g\n"
       u"管理者として実行中のため、1 個のウィンドウにはキーが届きません\n・e\n"
       u"応答がないため、1 個のウィンドウにはキーがすぐには届きません\n・h\n"
       u"別の仮想デスクトップにあるため、1 個のウィンドウに届くキーは見えません\n・d"},
      {{{Reach::Hung, u"1"}, {Reach::Hung, u"2"}, {Reach::Hung, u"3"}, {Reach::Hung, u"4"},
        {Reach::Hung, u"5"}, {Reach::Hung, u"6"}, {Reach::Hung, u"7"}},
       u"応答がないため、7 個のウィンドウにはキーがすぐには届きません\n・1\n・2\n・3\n・4\n・5\n"
       u"・ほか 2 個"},
      {{{Reach::Gone, longTitle}, {Reach::Gone, u""}, {Reach::Gone, pairAtCut},
        {Reach::Gone, u"a\nb\tc"}},
       u"閉じられているため、4 個のウィンドウにはキーが届きません\n・" + Utf16String(60, u'x') +
           u"…\n・\n・" + Utf16String(59, u'y') + u"…\n・a b c"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReachNoticeText(c.terminals), c.text) << c.terminals.size() << " terminals";
  }
}

TEST(Reach, OnlyReachableTerminalsKeepTheAccentFrame) {
  EXPECT_FALSE(FrameMuted(Reach::Reachable));
  for (const Reach reach : {Reach::Gone, Reach::Elevated, Reach::Hung, Reach::OtherDesktop}) {
    EXPECT_TRUE(FrameMuted(reach)) << static_cast<int>(reach);
  }
}

}  // namespace
