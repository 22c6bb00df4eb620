// Frames around the selected terminals, read back from the screen: which terminals have one,
// how they follow, when they hide, the click through them, the switch in fkh.ini, and windows
// that are hung, larger than a display or see the displays change.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "harness/capture.h"
#include "harness/documents.h"
#include "harness/files.h"
#include "harness/flockhand.h"
#include "harness/stand_in.h"
#include "harness/window_find.h"
#include "harness/wine_settings.h"

namespace e2e {
namespace {

constexpr uint32_t kAccent = 0xFFA000;  // the frame's inner ring, 2 px in from the edge

bool AccentAt(int x, int y) {
  const Capture pixel = CaptureScreen({x, y, x + 1, y + 1});
  return !pixel.Empty() && (pixel.At(0, 0) & 0xFFFFFF) == kAccent;
}

// How many of the middles of r's four edges show the accent, 2 px inside r.
int FramedEdges(const RECT& r) {
  const POINT c = Center(r);
  return AccentAt(r.left + 2, c.y) + AccentAt(r.right - 3, c.y) + AccentAt(c.x, r.top + 2) +
         AccentAt(c.x, r.bottom - 3);
}
bool Framed(const RECT& r) {
  return WaitUntil([&] { return FramedEdges(r) == 4; }, 5s);
}
bool Unframed(const RECT& r) {
  return WaitUntil([&] { return FramedEdges(r) == 0; }, 5s);
}

class Frames : public ::testing::Test {
 protected:
  // Starts Flockhand and selects the rows that the filter leaves.
  void Start(int rows, const wchar_t* filter) {
    app_ = std::make_unique<Flockhand>();
    ASSERT_TRUE(app_->Ready() && app_->WaitForRows(rows) && app_->Activate());
    PressKey('F', kAlt);
    ASSERT_TRUE(app_->WaitForFocus(app_->Controls().filterBox));
    TypeText(filter);
    PressKey('A', kAlt);
  }
  // The system menu's item, by its mnemonic.
  void Switch() {
    ASSERT_TRUE(app_->OpenSystemMenu());
    PressKey('F');
  }

  ScopedDocumentsFolder documents_;
  std::unique_ptr<Flockhand> app_;
};

class FramesOnTerminals : public Frames {
 protected:
  void SetUp() override { Start(5, L"frame"); }
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
  ASSERT_TRUE(app_->Activate());
  EXPECT_TRUE(Framed(moved));
  PressKey('O', kAlt);  // a modal dialog of Flockhand's
  const HWND dialog = app_->Dialog();
  EXPECT_TRUE(dialog && Unframed(moved));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(app_->Settle() && Framed(moved)) << "the dialog closed";
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
  Start(1, L"frame");
  ASSERT_TRUE(Framed(r));
  Switch();
  EXPECT_TRUE(Unframed(r));
  const std::string off = base + "[OTHER]\r\nkey = 1\r\n[FRAMES]\r\nshow = FALSE\r\n";
  EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(ini) == off; }, 5s)) << *ReadFileBytes(ini);
  PressKey('O', kAlt);
  ASSERT_NE(app_->Dialog(), nullptr);
  PressKey(VK_RETURN);
  ASSERT_TRUE(app_->Settle());
  EXPECT_EQ(ReadFileBytes(ini), off) << "OK rewrites BASE as it was and keeps FRAMES";
  app_.reset();
  Start(1, L"frame");  // read back: off
  EXPECT_TRUE(app_->Settle() && Unframed(r));
  Switch();
  EXPECT_TRUE(Framed(r));
  EXPECT_TRUE(WaitUntil(
      [&] { return ReadFileBytes(ini)->find("show = TRUE\r\n") != std::string::npos; }, 5s));
}

// A hung terminal holds nothing up and is framed; a window larger than a display is framed where
// its edges are on a display, on both displays; after a display change the surfaces are made
// again, one per display, and show the frames as before.
TEST_F(Frames, HungHugeAndDisplayChange) {
  StandIn hung({L"--title=frame hung", L"--pos=1500,400,300,200", L"--hung"});
  StandIn huge({L"--title=frame huge", L"--pos=-50,-50,1500,900"});
  Start(2, L"frame");
  const RECT h = WindowRect(hung.Window());
  EXPECT_TRUE(WaitUntil([&] { return AccentAt(1447, 300) && AccentAt(600, 847); }, 5s));
  EXPECT_TRUE(Framed(h) && app_->Answers(1s));
  const auto surfaces = [&] { return TopLevelWindows(app_->Process().Pid(), L"FlockhandFrames"); };
  const std::vector<HWND> before = surfaces();
  for (HWND s : before) PostMessageW(s, WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024));
  EXPECT_TRUE(WaitUntil([&] { return surfaces().size() == 2 && !IsWindow(before.at(0)); }, 5s));
  EXPECT_TRUE(app_->Answers(1s) && Framed(h) && AccentAt(600, 847));
}

// Another program maximises a selected terminal over Flockhand, and the user brings Flockhand
// back and at once clicks a button or into the command box and types: with the frames on, each
// click and key does what it does with them off. Wine manages Flockhand's windows, as it does by
// default; the frames come and go with the activation.
TEST_F(Frames, MaximisedTerminalUnderFlockhandTakesNoClickNorKey) {
  const ScopedManagedWindows managed(L"flockhand.exe");
  StandIn max({L"--title=frame max", L"--pos=100,100,400,300"});
  StandIn side[] = {StandIn({L"--title=frame side 1", L"--pos=1400,100,300,200"}),
                    StandIn({L"--title=frame side 2", L"--pos=1400,400,300,200"})};
  app_ = std::make_unique<Flockhand>();
  ASSERT_TRUE(app_->Ready() && app_->SelectAll(3));
  const Panel& p = app_->Controls();
  const auto inFront = [&] { return GetForegroundWindow() == app_->Main(); };
  // Activated and raised, as a window manager does (Wine leaves the raise to it), without
  // waiting for Flockhand.
  const auto toFront = [&] {
    ASSERT_TRUE(BringToForeground(app_->Main()));
    SetWindowPos(app_->Main(), HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
  };
  const auto maximisedThenFlockhand = [&] {
    ShowWindow(max.Window(), SW_SHOWNORMAL);
    ShowWindow(max.Window(), SW_MAXIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsZoomed(max.Window()) && !inFront(); }, 5s));
    toFront();
  };
  const auto keyDowns = [](const StandIn& terminal) {
    std::vector<uint64_t> keys;
    for (const RecordLine& line : Events(terminal.Record(), terminal.Window(), L"KEYDOWN")) {
      keys.push_back(Numbers(line).value_or(std::vector<uint64_t>{0}).at(0));
    }
    return keys;
  };
  // The first side terminal is where nothing covers it, before and after the arrangement.
  const RECT side1 = WindowRect(side[0].Window());
  std::vector<uint64_t> typed;  // what each selected terminal must have received
  for (const bool framed : {true, false}) {
    SCOPED_TRACE(framed ? "frames on" : "frames off");
    EXPECT_TRUE(framed ? Framed(side1) : Unframed(side1));
    maximisedThenFlockhand();
    Click(Center(WindowRect(p.invertSelection)));
    EXPECT_TRUE(WaitUntil([&] { return MarkedRows(p.terminalList).empty(); }, 5s));
    EXPECT_TRUE(inFront());
    Click(Center(WindowRect(p.invertSelection)));
    EXPECT_TRUE(WaitUntil([&] { return MarkedRows(p.terminalList).size() == 3; }, 5s));
    maximisedThenFlockhand();
    Click(Center(WindowRect(p.commandBox)));
    EXPECT_TRUE(app_->WaitForFocus(p.commandBox) && inFront());
    TypeText(L"x");  // a maximised terminal is selected: a warning, and no key to anyone
    ASSERT_TRUE(WaitUntil([&] { return !app_->Warnings().empty(); }, 5s));
    const HWND box = app_->Warnings()[0];
    ASSERT_TRUE(ClickUntilClosed(GetDlgItem(box, IDOK), box) && app_->Settle());
    maximisedThenFlockhand();
    Click(Center(WindowRect(p.arrange)));
    EXPECT_TRUE(WaitUntil([&] { return !IsZoomed(max.Window()); }, 5s) && app_->Settle());
    toFront();
    Click(Center(WindowRect(p.commandBox)));
    EXPECT_TRUE(app_->WaitForFocus(p.commandBox) && inFront());
    typed.push_back(framed ? 'Y' : 'Z');
    TypeText(framed ? L"y" : L"z");
    for (const StandIn* terminal : {&max, &side[0], &side[1]}) {
      terminal->WaitForRecord([&](const auto&) { return keyDowns(*terminal) == typed; }, 5s);
      ASSERT_TRUE(terminal->Sync());
      EXPECT_EQ(keyDowns(*terminal), typed) << terminal->RecordText();
    }
    ASSERT_TRUE(BringToForeground(side[1].Window()));
    EXPECT_TRUE(Unframed(side1)) << "another window is active";
    ASSERT_TRUE(app_->Activate());
    EXPECT_TRUE(framed ? Framed(side1) : Unframed(side1));
    if (framed) Switch();
  }
}

}  // namespace
}  // namespace e2e
