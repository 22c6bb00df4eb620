// Frames around the selected terminals, read back from the screen: which terminals have one,
// how they follow, when they hide, the click through them, the switch in fkh.ini, and windows
// that are hung, larger than a display or see the displays change; the clicks and keys that
// follow another program's maximising a framed terminal under Flockhand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/capture.h"
#include "harness/documents.h"
#include "harness/files.h"
#include "harness/flockhand_test.h"
#include "harness/stand_in.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

constexpr uint32_t kAccent = 0xFFA000;  // the frame's inner ring, 2 px in from the edge
constexpr uint32_t kGrey = 0x969696;    // that of a terminal the keys do not reach now

bool AccentAt(int x, int y) { return ScreenShows(x, y, kAccent); }

int FramedEdges(const RECT& r) { return EdgesShowing(r, kAccent); }
bool Framed(const RECT& r, uint32_t rgb = kAccent) {
  return WaitUntil([&] { return EdgesShowing(r, rgb) == 4; }, 5s);
}
bool Unframed(const RECT& r) {
  return WaitUntil([&] { return FramedEdges(r) == 0; }, 5s);
}

class Frames : public FlockhandTest {
 protected:
  // Starts Flockhand and selects the rows that the filter leaves.
  void StartWith(int rows, const wchar_t* filter) {
    ASSERT_TRUE(StartWithRows(rows));
    ASSERT_TRUE(Filter(filter));
    PressKey('A', kAlt);
  }
  // The system menu's item, by its mnemonic.
  void Switch() {
    ASSERT_TRUE(app.OpenSystemMenu());
    PressKey('F');
  }

  ScopedDocumentsFolder documents_;
};

class FramesOnTerminals : public Frames {
 protected:
  void SetUp() override { StartWith(5, L"frame"); }
  StandIn a_{{L"--title=frame a", L"--pos=450,100,400,300"}};
  StandIn b_{{L"--title=frame b", L"--pos=900,100,350,300"}};
  StandIn min_{{L"--title=frame min", L"--pos=450,600,400,300", L"--show=min"}};
  StandIn c_{{L"--title=frame c", L"--pos=50,500,350,300"}};
  StandIn other_{{L"--title=other", L"--pos=900,600,350,300"}};
};

TEST_F(FramesOnTerminals, ExactlyTheSelectedShownOnesAndTheyFollow) {
  const RECT a = WindowRect(a_.Window()), b = WindowRect(b_.Window()), c = WindowRect(c_.Window());
  EXPECT_TRUE(Framed(a) && Framed(b) && Framed(c));
  EXPECT_TRUE(Unframed(WindowRect(other_.Window())) && Unframed({450, 600, 850, 900}));
  const RECT moved{470, 130, 870, 430}, resized{920, 150, 1220, 350};
  SetWindowPos(a_.Window(), nullptr, 470, 130, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(b_.Window(), nullptr, 920, 150, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(Framed(moved) && Unframed(a));
  EXPECT_TRUE(Framed(resized) && Unframed(b));
  ShowWindow(b_.Window(), SW_SHOWMINNOACTIVE);
  EXPECT_TRUE(Unframed(resized) && Framed(moved)) << "minimised: no frame; the others stay";
  PostMessageW(c_.Window(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(Unframed(c) && Framed(moved)) << "closed";
  ASSERT_TRUE(BringToForeground(other_.Window()));
  EXPECT_TRUE(Unframed(moved)) << "another window active";
  ASSERT_TRUE(app.Activate());
  EXPECT_TRUE(Framed(moved));
  PressKey('O', kAlt);  // a modal dialog of Flockhand's
  const HWND dialog = app.Dialog();
  EXPECT_TRUE(dialog && Unframed(moved));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(app.Settle() && Framed(moved)) << "the dialog closed";
  PressKey('R', kAlt);  // nothing selected
  EXPECT_TRUE(Unframed(moved));
}

TEST_F(FramesOnTerminals, AClickOnAFrameReachesTheTerminal) {
  const RECT a = WindowRect(a_.Window());
  ASSERT_TRUE(Framed(a) && a_.Sync());
  const size_t before = Events(a_.Record(), a_.Window(), L"ACTIVATE").size();
  Click({Center(a).x, a.top + 2});
  EXPECT_TRUE(a_.WaitForRecord(
      [&](const auto& record) { return Events(record, a_.Window(), L"ACTIVATE").size() > before; },
      5s));
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == a_.Window(); }, 5s));
}

// The switch is kept in a section of its own; the options dialog's rewrite of "BASE" keeps it.
TEST_F(Frames, SwitchIsKeptInItsOwnSection) {
  const std::string base = "[BASE]\r\npasteConfirm = FALSE\r\nforcePaste = TRUE\r\nalpha = 90\r\n";
  const std::wstring ini = documents_.File(L"fkh.ini");
  ASSERT_TRUE(WriteFileBytes(ini, base + "[OTHER]\r\nkey = 1\r\n"));
  StandIn terminal({L"--title=frame", L"--pos=500,200,400,300"});
  const RECT r = WindowRect(terminal.Window());
  StartWith(1, L"frame");
  ASSERT_TRUE(Framed(r));
  Switch();
  EXPECT_TRUE(Unframed(r));
  const std::string off = base + "[OTHER]\r\nkey = 1\r\n[FRAMES]\r\nshow = FALSE\r\n";
  EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(ini) == off; }, 5s)) << *ReadFileBytes(ini);
  PressKey('O', kAlt);
  ASSERT_NE(app.Dialog(), nullptr);
  PressKey(VK_RETURN);
  ASSERT_TRUE(app.Settle());
  EXPECT_EQ(ReadFileBytes(ini), off) << "OK rewrites BASE as it was and keeps FRAMES";
  StartWith(1, L"frame");  // read back: off
  EXPECT_TRUE(app.Settle() && Unframed(r));
  Switch();
  EXPECT_TRUE(Framed(r));
  EXPECT_TRUE(WaitUntil(
      [&] { return ReadFileBytes(ini)->find("show = TRUE\r\n") != std::string::npos; }, 5s));
}

// A hung terminal holds nothing up and is framed in grey; a window larger than a display is
// framed where its edges are on a display, on both displays; after a display change the surfaces
// are made again, two per display, and show the frames as before.
TEST_F(Frames, HungHugeAndDisplayChange) {
  StandIn hung({L"--title=frame hung", L"--pos=1500,400,300,200", L"--hung"});
  StandIn huge({L"--title=frame huge", L"--pos=-50,-50,1500,900"});
  ASSERT_TRUE(WaitUntil([&] { return IsHungAppWindow(hung.Window()) != FALSE; }, 20s));
  StartWith(2, L"frame");
  const RECT h = WindowRect(hung.Window());
  EXPECT_TRUE(WaitUntil([&] { return AccentAt(1447, 300) && AccentAt(600, 847); }, 5s));
  EXPECT_TRUE(Framed(h, kGrey) && app.Answers(1s));
  const auto surfaces = [&] { return TopLevelWindows(app.Process().Pid(), L"FlockhandFrames"); };
  const std::vector<HWND> before = surfaces();
  for (HWND s : before) PostMessageW(s, WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024));
  EXPECT_TRUE(WaitUntil([&] { return surfaces().size() == 4 && !IsWindow(before.at(0)); }, 5s))
      << "two per display";
  EXPECT_TRUE(app.Answers(1s) && Framed(h, kGrey) && AccentAt(600, 847));
}

// Wine hands Flockhand's windows to the window manager, as by default: the session turns that
// off for every program, having no window manager to wait for.
struct ManagedByWine {
  const wchar_t* key = L"Software\\Wine\\AppDefaults\\flockhand.exe";
  ManagedByWine() {
    RegSetKeyValueW(HKEY_CURRENT_USER, (key + std::wstring(L"\\X11 Driver")).c_str(), L"Managed",
                    REG_SZ, L"Y", 4);
  }
  ~ManagedByWine() { RegDeleteTreeW(HKEY_CURRENT_USER, key); }
};

// Another program maximises a selected terminal over Flockhand; the user brings Flockhand back
// and at once clicks and types: the clicks and keys reach Flockhand (the frames held it for 2 s
// as it lost the activation, and a click meanwhile reached the terminal), and the frames come and
// go with the activation.
TEST_F(Frames, MaximisedTerminalUnderFlockhandTakesNoClickNorKey) {
  const ManagedByWine managed;
  StandIn max({L"--title=frame max", L"--pos=100,100,400,300"});
  StandIn side({L"--title=frame side", L"--pos=1400,100,300,200"});
  ASSERT_TRUE(Start());
  ASSERT_TRUE(app.SelectAll(2));
  const Panel& p = P();
  const auto front = [&] {  // as a window manager does: raised too, and without waiting for it
    ASSERT_TRUE(BringToForeground(app.Main()));
    SetWindowPos(app.Main(), HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
  };
  const auto maximisedThenClick = [&](HWND control) {
    ShowWindow(max.Window(), SW_SHOWNORMAL);
    ShowWindow(max.Window(), SW_MAXIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == max.Window(); }, 5s));
    front();
    Click(Center(WindowRect(control)));
  };
  for (const size_t marked : {0, 2}) {
    maximisedThenClick(p.invertSelection);
    EXPECT_TRUE(WaitUntil([&] { return MarkedRows(p.terminalList).size() == marked; }, 5s));
  }
  const RECT r = WindowRect(side.Window());
  ASSERT_TRUE(BringToForeground(side.Window()));
  EXPECT_TRUE(Unframed(r)) << "another window is active";
  ASSERT_TRUE(app.Activate());
  EXPECT_TRUE(Framed(r));
  maximisedThenClick(p.arrange);
  ASSERT_TRUE(WaitUntil([&] { return !IsZoomed(max.Window()); }, 5s) && app.Settle());
  front();
  Click(Center(WindowRect(p.commandBox)));
  ASSERT_TRUE(app.WaitForFocus(p.commandBox));
  TypeText(L"y");  // each selected terminal gets it, once
  for (const StandIn* terminal : {&max, &side}) {
    const auto keys = [&] { return Events(terminal->Record(), nullptr, L"KEYDOWN"); };
    EXPECT_TRUE(WaitUntil([&] { return !keys().empty(); }, 5s) && terminal->Sync());
    EXPECT_TRUE(keys().size() == 1 && Numbers(keys()[0])->at(0) == 'Y') << terminal->RecordText();
  }
}

}  // namespace
}  // namespace e2e
