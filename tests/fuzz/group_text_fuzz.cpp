// Any names and titles and any fkh.ini text: the groups written read back the same, the rewrite
// is stable, every other section reads as before, and the settings' rewrite keeps the groups.
#include <string>
#include <unordered_set>

#include "fuzz_input.h"
#include "groups/group_text.h"
#include "settings/settings_text.h"

namespace {

bool SameGroups(const std::vector<Group>& a, const std::vector<Group>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].name != b[i].name || a[i].titles != b[i].titles) return false;
  }
  return true;
}

// A section or key name from the text itself, so that it often exists there.
std::string PlainWord(const std::string& bytes) {
  std::string word;
  for (const char c : bytes) {
    if (c > ' ' && c < 0x7F && c != '[' && c != ']' && c != '"' && c != '\'' && c != '=') word += c;
  }
  return word;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  std::vector<Group> groups(input.Number<uint8_t>() % 4);
  std::unordered_set<Utf16String> names;
  for (Group& group : groups) {
    do group.name = input.Text(12) + static_cast<Utf16Unit>(names.size() + 1);
    while (!names.insert(group.name).second);
    group.titles.resize(input.Number<uint8_t>() % 4);
    for (Utf16String& title : group.titles) title = static_cast<Utf16Unit>(u'!') + input.Text(12);
  }
  const std::string text(reinterpret_cast<const char*>(data), size);

  for (const Group& group : groups) {
    Group read;
    FUZZ_CHECK(ParseGroupLine(FormatGroupLine(group), read) && SameGroups({read}, {group}));
    for (const char c : FormatGroupLine(group)) FUZZ_CHECK(c >= ' ' && c < 0x7F);
  }
  const std::string rewritten = RewriteGroups(text, groups);
  if (ReadGroups(text).size() < kMaxGroups) FUZZ_CHECK(SameGroups(ReadGroups(rewritten), groups));
  FUZZ_CHECK(RewriteGroups(rewritten, groups) == rewritten);
  FUZZ_CHECK(SameGroups(ReadGroups(RewriteSection(rewritten, "BASE", FormatSettingsSection(Settings{}))),
                        ReadGroups(rewritten)));

  const std::string section = PlainWord(text.substr(0, 8)),
                    key = PlainWord(text.substr(std::min<size_t>(8, text.size()), 8));
  if (!section.empty() && !SameName(section, "Groups") && !key.empty()) {
    FUZZ_CHECK(ProfileValue(rewritten, section, key) == ProfileValue(text, section, key));
  }
  const Settings before = ReadSettings(text), after = ReadSettings(rewritten);
  FUZZ_CHECK(before.alpha == after.alpha && before.pasteConfirm == after.pasteConfirm &&
             before.forcePaste == after.forcePaste);
  return 0;
}
