// Every command key pressed from each control that holds the focus reaches its command and
// nothing else: no terminal receives it and no control types it. Keys with other modifiers,
// Alt with a main-row digit and keys pressed while a dialog is open start nothing.
#include <gtest/gtest.h>

#include <string>

#include "harness/clipboard.h"
#include "harness/documents.h"
#include "harness/flockhand_test.h"
#include "harness/input.h"
#include "harness/stand_in.h"
#include "harness/text.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

class Keyboard : public FlockhandTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Start());
    ASSERT_TRUE(SetClipboardText(L"uptime") && app.SelectAll(2));
  }
  // Once the last operation is over (some leave a terminal in front), Flockhand in front and the
  // focus moved by its thread's input, as a click without its side effects; again until it
  // stays, as an activation that is still on its way restores the focus it saved.
  bool FocusOn(HWND control) {
    const auto focused = [&] {
      const bool front = GetForegroundWindow() == app.Main();
      if (front && app.Focus() == control) return true;
      if (!front) app.Activate();
      const DWORD thread = GetWindowThreadProcessId(control, nullptr);
      AttachThreadInput(GetCurrentThreadId(), thread, TRUE);
      SetFocus(control);
      AttachThreadInput(GetCurrentThreadId(), thread, FALSE);
      return false;
    };
    return app.Idle() && WaitUntil(focused, 5s, 100ms);
  }

 public:  // what each kind of command changes, as text
  std::wstring Captions() const { return WindowText(P().arrange); }
  std::wstring Rows() const { return ListRowText(P().terminalList, 0); }
  std::wstring Marks() const { return std::to_wstring(MarkedRows(P().terminalList).size()); }
  std::wstring Places() const {
    std::wstring places;
    for (HWND t : terms_.Windows()) {
      const RECT r = WindowRect(t);
      places += std::to_wstring(IsIconic(t)) + L" " + std::to_wstring(r.left) + L"," +
                std::to_wstring(r.top) + L"," + std::to_wstring(r.right) + L";";
    }
    return places;
  }
  std::wstring Area() const {
    return std::to_wstring(SendMessageW(P().area, CB_GETCURSEL, 0, 0)) + L"|" + Places();
  }
  std::wstring Size() const {
    const RECT r = WindowRect(app.Main());
    return std::to_wstring(r.right - r.left) + L"x" + std::to_wstring(r.bottom - r.top);
  }
  std::wstring MenuBar() const { return WindowText(P().menuBar); }
  std::wstring Alpha() const { return std::to_wstring(WindowAlpha(app.Main())); }
  std::wstring Pastes() const {
    terms_.Sync();
    return std::to_wstring(Events(terms_.Record(), nullptr, L"PASTE").size());
  }
  std::wstring Dialog() const {
    HWND dialog = app.Dialog(0ms);
    return dialog ? WindowText(dialog) : L"";
  }
  std::wstring Focus() const {
    const HWND focus = app.Focus();
    const Panel& p = P();
    for (auto [control, name] : {std::pair{p.commandBox, L"command"},
                                 {p.filterBox, L"filter"},
                                 {p.display, L"display"},
                                 {p.area, L"area"}}) {
      if (focus == control || GetParent(focus) == control) return name;
    }
    return L"other";
  }
  // Everything but the captions: F1 is the marker that the keys before it have been handled.
  std::wstring State() const {
    return Rows() + Marks() + Area() + Size() + Alpha() + Pastes() + Dialog() + Focus();
  }

  ScopedDocumentsFolder docs_;  // default settings: single lines paste without a question
  StandIn terms_{{L"--title=kb", L"--count=2"}};
};

using Probe = std::wstring (Keyboard::*)() const;
struct Key {
  WORD vk;
  unsigned modifiers;
  Probe probe = nullptr;
  // What the probe's text starts with afterwards; nullptr: only that it changes.
  const wchar_t* expected = nullptr;
};
constexpr wchar_t kAbout[] = L"バージョン情報 Flockhand";
// In an order where each key changes what its probe shows, back where it started at the end.
const Key kKeys[] = {
    {VK_F1, 0, &Keyboard::Captions, nullptr},
    {VK_F1, 0, &Keyboard::Captions, nullptr},
    {VK_F4, 0, &Keyboard::Rows, L"kb 2"},
    {VK_F5, 0, &Keyboard::Rows, L"kb 1"},
    {'R', kAlt, &Keyboard::Marks, L"0"},
    {'H', kAlt, &Keyboard::Places, L"1 "},
    {'A', kAlt, &Keyboard::Marks, L"2"},
    {'L', kAlt, &Keyboard::Places, L"0 "},
    {VK_NUMPAD4, kAlt, &Keyboard::Area, L"1|"},
    {VK_NUMPAD8, kAlt, &Keyboard::Area, L"2|"},
    {VK_NUMPAD6, kAlt, &Keyboard::Area, L"3|"},
    {VK_NUMPAD2, kAlt, &Keyboard::Area, L"4|"},
    {VK_NUMPAD5, kAlt, &Keyboard::Area, L"0|"},
    {VK_LEFT, kAlt, &Keyboard::Area, L"1|"},
    {VK_UP, kAlt, &Keyboard::Area, L"2|"},
    {VK_RIGHT, kAlt, &Keyboard::Area, L"3|"},
    {VK_DOWN, kAlt, &Keyboard::Area, L"4|"},
    {VK_RETURN, kAlt, &Keyboard::Area, L"0|"},
    {'E', kAlt, &Keyboard::Size, nullptr},
    {'E', kAlt, &Keyboard::Size, nullptr},
    {'T', kAlt, &Keyboard::Alpha, L"60"},
    {'T', kAlt, &Keyboard::Alpha, L"255"},
    {'M', kAlt, &Keyboard::MenuBar, nullptr},
    {'M', kAlt, &Keyboard::MenuBar, nullptr},
    {'V', kAlt, &Keyboard::Pastes, nullptr},
    {VK_OEM_2, kAlt, &Keyboard::Dialog, kAbout},
    {VK_OEM_2, kAlt | kShift, &Keyboard::Dialog, kAbout},
    {'O', kAlt, &Keyboard::Dialog, L"Flockhand Setup"},
    {'B', kAlt, &Keyboard::Focus, L"command"},
    {'D', kAlt, &Keyboard::Focus, L"display"},
    {'S', kAlt, &Keyboard::Focus, L"area"},
    {'F', kAlt, &Keyboard::Focus, L"filter"},
    {'I', kAlt, &Keyboard::Focus, L"command"},
};

TEST_F(Keyboard, EveryKeyFromEveryControlReachesItsCommandAndNothingElse) {
  const Panel& p = P();
  for (HWND control : {p.commandBox, p.filterBox, p.terminalList, p.display, p.area, p.columnsEdit,
                       p.rowsEdit, p.refresh, p.compactButton}) {
    for (const Key& key : kKeys) {
      SCOPED_TRACE(testing::Message() << "control " << GetDlgCtrlID(control) << ", key " << key.vk);
      // While no terminal is selected the window operations are disabled and cannot hold the
      // focus: the command box stands in for them.
      ASSERT_TRUE(FocusOn(IsWindowEnabled(control) ? control : p.commandBox));
      const std::wstring before = (this->*key.probe)();
      PressKey(key.vk, key.modifiers);
      // Alt+V pastes only from the command box: counted below, once the other keys are done.
      if (key.probe == &Keyboard::Pastes && app.Focus() != p.commandBox) continue;
      EXPECT_TRUE(WaitUntil(
          [&] {
            const std::wstring now = (this->*key.probe)();
            // A quick arrangement also moves the terminals: the text after the area index.
            const bool moved = key.probe != &Keyboard::Area || now.substr(2) != before.substr(2);
            return (key.expected ? now.rfind(key.expected, 0) == 0 : now != before) && moved;
          },
          10s))
          << "before: " << testing::PrintToString(before)
          << ", now: " << testing::PrintToString((this->*key.probe)());
      if (key.probe == &Keyboard::Dialog) {
        PressKey(VK_ESCAPE);
        ASSERT_TRUE(WaitUntil([&] { return Dialog().empty(); }, 10s) && app.Settle());
      }
    }
    EXPECT_EQ(Pastes(), L"2") << "one paste to each terminal, from the command box";
    for (const RecordLine& line : terms_.Record()) {  // the modifiers alone may pass as typed
      const unsigned vk = std::wcstoul(line.args.c_str(), nullptr, 16);
      const bool typed = line.event == L"CHAR" || line.event.find(L"KEY") != std::wstring::npos;
      EXPECT_FALSE(typed && vk != VK_SHIFT && vk != VK_CONTROL && vk != VK_MENU)
          << "broadcast: " << Utf8(line.event + L" " + line.args);
    }
    for (HWND box : {p.commandBox, p.filterBox}) EXPECT_EQ(WindowText(box), L"");
    for (HWND edit : {p.columnsEdit, p.rowsEdit}) {
      EXPECT_EQ(WindowText(edit).find_first_not_of(L"0123456789"), std::wstring::npos);
    }
  }
}

TEST_F(Keyboard, OtherModifiersMainRowDigitsAndKeysInADialogStartNothingAndAltF4Closes) {
  PressKey(VK_F4);  // reversed, no row marked and the terminals minimised: each key shows
  PressKey('R', kAlt);
  PressKey('H', kAlt);
  ASSERT_TRUE(WaitUntil([&] { return Rows() == L"kb 2" && Marks() == L"0"; }, 5s));
  ASSERT_TRUE(FocusOn(P().filterBox));
  const std::wstring state = State(), captions = Captions();
  // Num Lock off, keypad 5 sends VK_CLEAR with its own scan code.
  const Key nothing[] = {{VK_F5, kShift},  {'A', kCtrl | kAlt}, {'L', kAlt | kShift},
                         {'4', kAlt},      {'5', kAlt},         {VK_RETURN, kAlt | kCtrl},
                         {VK_CLEAR, kAlt}, {'O', kAlt | kShift}};
  for (const Key& key : nothing) PressKey(key.vk, key.modifiers);
  PressKey(VK_F1);
  ASSERT_TRUE(WaitUntil([&] { return Captions() != captions; }, 5s));
  EXPECT_EQ(State(), state);
  PressKey('O', kAlt);  // in the dialog, command keys are the dialog's own
  ASSERT_TRUE(WaitUntil([&] { return !Dialog().empty(); }, 10s));
  for (WORD vk : {WORD{VK_F1}, WORD{VK_F5}, WORD{'A'}, WORD{'T'}, WORD{'E'}}) {
    PressKey(vk, vk < 'A' ? kNoModifiers : kAlt);
  }
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(WaitUntil([&] { return Dialog().empty(); }, 10s) && app.Settle());
  ASSERT_TRUE(FocusOn(P().filterBox));
  PressKey(VK_F1);
  ASSERT_TRUE(WaitUntil([&] { return Captions() == captions; }, 5s));
  EXPECT_EQ(State(), state);
  PressKey(VK_F4, kAlt);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(app.Main()); }, 10s));
}

}  // namespace
}  // namespace e2e
