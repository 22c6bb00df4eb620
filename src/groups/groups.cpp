// Saving, recalling, renaming and removing groups. Memory holds the groups of the run; each
// change is written to fkh.ini at once, with the file's other sections kept as they are. A
// write that fails leaves the change in force for the run and says so.
#include "groups/groups.h"

#include <windows.h>

#include <unordered_set>

#include "base/ini_file.h"
#include "base/notice.h"
#include "base/resource_ids.h"
#include "groups/group_name_dialog.h"
#include "runtime/flockhand_window.h"
#include "terminals/terminal_model.h"

// The groups of the run, as fkh.ini has them.
std::vector<Group> Groups;

namespace {

constexpr std::size_t kShownNameUnits = 60;

void StoreGroups() {
  const bool written =
      RewriteIniFile([](std::string_view text) { return RewriteGroups(text, Groups); });
  if (!written) ShowNotice(L"グループを fkh.ini に保存できませんでした。");
}

// The titles of the selected rows as the list shows them, in row order, each once. A selected
// entry keeps the title it had when it was selected; its row shows the newest one.
std::vector<Utf16String> SelectedTitles() {
  const WindowSet selected = WindowsOf(SelectedTerminals);
  std::unordered_set<Utf16String> seen;
  std::vector<Utf16String> titles;
  for (const TerminalEntry& entry : VisibleTerminals()) {
    if (selected.count(entry.window) != 0 && seen.insert(entry.title).second) {
      titles.push_back(entry.title);
    }
  }
  return titles;
}

std::size_t FindGroup(const std::wstring& name) {
  for (std::size_t i = 0; i < Groups.size(); ++i) {
    if (Groups[i].name == name) return i;
  }
  return Groups.size();
}

bool Ask(HWND owner, const std::wstring& question) {
  return MessageBoxW(owner, question.c_str(), L"Flockhand",
                     MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

// The name dialog's check: a name that another group has is replaced only when the user says so.
bool MayTake(HWND dialog, const std::wstring& name, std::size_t renamed) {
  const std::size_t other = FindGroup(name);
  return other == Groups.size() || other == renamed ||
         Ask(dialog, L"グループ「" + DisplayName(name) + L"」はすでにあります。置き換えますか？");
}

}  // namespace

void LoadGroups() {
  if (const std::optional<std::string> text = ReadIniText()) Groups = ReadGroups(*text);
}

void SaveSelectionAsGroup() {
  if (SelectedTerminals.empty()) return;
  const std::optional<std::wstring> name = AskGroupName(
      L"グループの保存", L"",
      [](HWND dialog, const std::wstring& name) { return MayTake(dialog, name, Groups.size()); });
  if (!name) return;
  const std::size_t existing = FindGroup(*name);
  if (existing == Groups.size() && Groups.size() >= kMaxGroups) {
    ShowNotice(L"グループは 1000 個までしか保存できません。");
    return;
  }
  if (existing == Groups.size()) Groups.push_back({*name, {}});
  Groups[existing].titles = SelectedTitles();
  StoreGroups();
}

void RecallGroup(std::size_t index) {
  if (index >= Groups.size()) {
    ShowNotice(L"Alt+Shift+" + std::to_wstring(index + 1) + L" のグループはありません。");
    return;
  }
  if (SelectTitled(Groups[index].titles) == 0) {
    ShowNotice(L"グループ「" + DisplayName(Groups[index].name) +
               L"」のウィンドウは一覧にありません。");
  } else {
    HideNotice();
  }
  SetFocus(FlockhandCommandBox());
}

void RenameGroup(std::size_t index) {
  if (index >= Groups.size()) return;
  const std::optional<std::wstring> name = AskGroupName(
      L"グループ名の変更", Groups[index].name,
      [index](HWND dialog, const std::wstring& name) { return MayTake(dialog, name, index); });
  if (!name || *name == Groups[index].name) return;
  const std::size_t replaced = FindGroup(*name);
  Groups[index].name = *name;
  if (replaced != Groups.size()) Groups.erase(Groups.begin() + replaced);
  StoreGroups();
}

void RemoveGroup(std::size_t index) {
  if (index >= Groups.size() ||
      !Ask(FlockhandWindow(),
           L"グループ「" + DisplayName(Groups[index].name) + L"」を削除しますか？")) {
    return;
  }
  Groups.erase(Groups.begin() + index);
  StoreGroups();
}

bool DispatchGroupCommand(int id) {
  const auto in = [id](int first) { return id >= first && id < first + int{kMaxGroups}; };
  if (id == IDM_GROUP_SAVE) {
    SaveSelectionAsGroup();
  } else if (in(IDM_GROUP_RECALL_FIRST)) {
    RecallGroup(id - IDM_GROUP_RECALL_FIRST);
  } else if (in(IDM_GROUP_RENAME_FIRST)) {
    RenameGroup(id - IDM_GROUP_RENAME_FIRST);
  } else if (in(IDM_GROUP_REMOVE_FIRST)) {
    RemoveGroup(id - IDM_GROUP_REMOVE_FIRST);
  } else {
    return false;
  }
  return true;
}

std::wstring DisplayName(const std::wstring& name) {
  std::wstring shown = name.substr(0, kShownNameUnits);
  for (wchar_t& unit : shown) {
    if (unit < L' ') unit = L' ';
  }
  return shown.size() < name.size() ? shown + L"…" : shown;
}
