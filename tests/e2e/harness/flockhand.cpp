// Starting Flockhand and naming its controls; see flockhand.h.
#include "harness/flockhand.h"

#include <vector>

#include "harness/input.h"
#include "harness/window_find.h"
#include "base/resource_ids.h"

namespace e2e {

namespace {

std::vector<HWND> ChildHandles(HWND parent) {
  std::vector<HWND> handles;
  for (const ChildInfo& child : Children(parent)) handles.push_back(child.hwnd);
  return handles;
}

// The text of a list box row or a combo box item, by the control's length and text messages.
std::wstring ItemText(HWND control, UINT lengthMessage, UINT textMessage, int index,
                      const wchar_t* missing) {
  const LRESULT length = SendMessageW(control, lengthMessage, index, 0);
  if (length < 0) return missing;
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(control, textMessage, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

}  // namespace

Flockhand::Flockhand(const std::wstring& program) { Start(program); }

bool Flockhand::Start(const std::wstring& program) {
  End();
  process_ = std::make_unique<Debuggee>(std::vector<std::wstring>{}, program);
  if (!process_->Started()) return false;
  HWND main = FindTopLevelWindow(process_->Pid(), L"FLOCKHAND", 20s);
  if (!main) return false;
  std::vector<HWND> mainChildren, groupChildren;
  WaitUntil(
      [&] {
        mainChildren = ChildHandles(main);
        if (mainChildren.size() != 12) return false;
        groupChildren = ChildHandles(mainChildren[8]);
        return groupChildren.size() == 9;
      },
      10s);
  if (mainChildren.size() != 12 || groupChildren.size() != 9) return false;
  // The tooltips are made right after the first paint, before any input is handled.
  if (!WaitUntil([&] { return TopLevelWindows(process_->Pid(), L"tooltips_class32").size() == 12; },
                 10s)) {
    return false;
  }
  HWND* mainSlots[] = {&panel_.commandBox,      &panel_.compactButton, &panel_.listCaption,
                       &panel_.filterBox,       &panel_.terminalList,  &panel_.reverseOrder,
                       &panel_.invertSelection, &panel_.flash,         &panel_.group,
                       &panel_.refresh,         &panel_.help,          &panel_.counter};
  for (size_t i = 0; i < mainChildren.size(); ++i) *mainSlots[i] = mainChildren[i];
  HWND* groupSlots[] = {&panel_.display,      &panel_.menuBar,     &panel_.area,
                        &panel_.columnsLabel, &panel_.columnsEdit, &panel_.rowsLabel,
                        &panel_.rowsEdit,     &panel_.arrange,     &panel_.hideOthers};
  for (size_t i = 0; i < groupChildren.size(); ++i) *groupSlots[i] = groupChildren[i];
  main_ = main;
  return true;
}

void Flockhand::End() {
  process_.reset();
  main_ = nullptr;
  panel_ = {};
}

HWND Flockhand::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(main_, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

bool Flockhand::Activate() const { return Idle() && BringToForeground(main_); }

bool Flockhand::Answers(Millis timeout) const {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(timeout.count()),
                             &ignored) != 0;
}

bool Flockhand::Idle() const {
  for (int toggle = 0; toggle < 2; ++toggle) {
    const std::wstring before = WindowText(panel_.arrange);
    PostMessageW(main_, WM_COMMAND, IDM_CAPTION_HINTS, 0);
    if (!WaitUntil([&] { return WindowText(panel_.arrange) != before; }, 30s)) return false;
  }
  return true;
}

bool Flockhand::Settle() const {
  return Idle() && WaitUntil([&] { return GetForegroundWindow() == main_; }, 10s);
}

bool Flockhand::WaitForFocus(HWND control, Millis timeout) const {
  return WaitUntil([&] { return Focus() == control; }, timeout);
}

// Under Wine an injected click can be lost, the first into a window that has just appeared
// most of all: clicked again, at most three times.
bool Flockhand::ClickToFocus(HWND control, Millis timeout) const {
  for (int click = 0; click < 3; ++click) {
    ClickWindow(control);
    if (WaitForFocus(control, timeout / 3)) return true;
  }
  return false;
}

bool Flockhand::WaitForRows(int rows, Millis timeout) const {
  return WaitUntil([&] { return ListRowCount(panel_.terminalList) == rows; }, timeout);
}

bool Flockhand::SelectAll(int rows, Millis timeout) const {
  if (!WaitForRows(rows, timeout) || !Activate()) return false;
  PressKey('A', kAlt);
  const auto marked = [&] { return MarkedRows(panel_.terminalList).size(); };
  return WaitUntil([&] { return marked() == static_cast<size_t>(rows); }, timeout);
}

bool Flockhand::WaitForAlpha(BYTE alpha, Millis timeout) const {
  return WaitUntil([&] { return WindowAlpha(main_) == alpha; }, timeout);
}

bool Flockhand::OpenSystemMenu() const {
  PressKey(VK_SPACE, kAlt);
  return WaitUntil([&] { return !TopLevelWindows(process_->Pid(), L"#32768").empty(); }, 5s);
}

HWND Flockhand::Dialog(Millis timeout) const {
  return FindTopLevelWindow(process_->Pid(), L"#32770", timeout);
}

bool Flockhand::WaitForClosed(HWND dialog, Millis timeout) const {
  return WaitUntil([&] { return !IsWindow(dialog); }, timeout) && Settle();
}

std::vector<HWND> Flockhand::Warnings() const {
  std::vector<HWND> boxes;
  for (HWND box : TopLevelWindows(process_->Pid(), L"#32770")) {
    if (IsWindowVisible(box) && WindowText(box) == L"警告") boxes.push_back(box);
  }
  return boxes;
}

bool Flockhand::NoticeShows(const std::wstring& text, Millis timeout) const {
  return WaitUntil(
      [&] {
        for (HWND tip : TopLevelWindows(process_->Pid(), L"tooltips_class32")) {
          if (IsWindowVisible(tip) && WindowText(tip) == text) return true;
        }
        return false;
      },
      timeout);
}

std::wstring ListRowText(HWND listBox, int row) {
  return ItemText(listBox, LB_GETTEXTLEN, LB_GETTEXT, row, L"<no row>");
}

std::wstring ComboItemText(HWND combo, int item) {
  return ItemText(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, item, L"<no item>");
}

int ListRowCount(HWND listBox) {
  return static_cast<int>(SendMessageW(listBox, LB_GETCOUNT, 0, 0));
}

std::vector<std::wstring> ListRows(HWND listBox) {
  std::vector<std::wstring> rows;
  for (int row = 0; row < ListRowCount(listBox); ++row) rows.push_back(ListRowText(listBox, row));
  return rows;
}

POINT ListRowPoint(HWND listBox, int row) {
  const int height = static_cast<int>(SendMessageW(listBox, LB_GETITEMHEIGHT, 0, 0));
  const RECT client = ClientRectOnScreen(listBox);
  return {client.left + 20, client.top + row * height + height / 2};
}

void ClickListRow(HWND listBox, int row, unsigned modifiers) {
  Click(ListRowPoint(listBox, row), modifiers);
}

std::vector<int> MarkedRows(HWND listBox) {
  std::vector<int> rows;
  const int count = ListRowCount(listBox);
  for (int row = 0; row < count; ++row) {
    if (SendMessageW(listBox, LB_GETSEL, row, 0) > 0) rows.push_back(row);
  }
  return rows;
}

}  // namespace e2e
