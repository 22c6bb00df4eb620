// The text of the groups section; see group_text.h. Lines, blanks and sections are those of the
// settings reader (ini_text.h), so both agree on where a section ends and what a blank line is.
#include "groups/group_text.h"

#include <unordered_map>
#include <unordered_set>

#include "base/ini_text.h"

namespace {

constexpr std::string_view kSection = "Groups";

bool IsComment(std::string_view line) {
  return line.empty() || line.front() == ';' || line.front() == '#';
}

// Tells, line by line of the section, which lines load as a group: the reader and the rewrite
// share it, so that the rewrite drops exactly the lines that loaded.
class GroupLineSorter {
 public:
  // True with the line's group when it loads.
  bool Loads(std::string_view line, Group& group) {
    if (!ParseGroupLine(line, group)) return false;
    if (names_.count(group.name) != 0) return true;
    if (names_.size() >= kMaxGroups) return false;
    names_.insert(group.name);
    return true;
  }

 private:
  std::unordered_set<Utf16String> names_;
};

}  // namespace

bool ParseGroupLine(std::string_view line, Group& group) {
  line = Trim(line);
  const std::size_t equals = line.find('=');
  if (IsComment(line) || equals == std::string_view::npos ||
      !DecodeGroupText(Trim(line.substr(0, equals)), group.name) || group.name.empty()) {
    return false;
  }
  group.titles.clear();
  std::string_view list = line.substr(equals + 1);
  Utf16String title;
  while (!list.empty()) {
    const std::size_t comma = list.find(',');
    const std::string_view item = Trim(list.substr(0, comma));
    list.remove_prefix(comma == std::string_view::npos ? list.size() : comma + 1);
    if (item.empty()) continue;
    if (!DecodeGroupText(item, title)) return false;
    group.titles.push_back(title);
  }
  return true;
}

std::string FormatGroupLine(const Group& group) {
  std::string line = EncodeGroupText(group.name) + " =";
  const char* separator = " ";
  for (const Utf16String& title : group.titles) {
    if (title.empty()) continue;  // an empty item reads as no title at all
    line += separator + EncodeGroupText(title);
    separator = ",";
  }
  return line;
}

std::vector<Group> ReadGroups(std::string_view fileText) {
  std::vector<Group> groups;
  std::unordered_map<Utf16String, std::size_t> places;
  GroupLineSorter sorter;
  Group group;
  for (const std::string_view line : SectionLines(fileText, kSection)) {
    if (!sorter.Loads(line, group)) continue;
    const auto [place, isNew] = places.emplace(group.name, groups.size());
    if (isNew) {
      groups.push_back(std::move(group));
    } else {
      std::vector<Utf16String>& titles = groups[place->second].titles;
      titles.insert(titles.end(), group.titles.begin(), group.titles.end());
    }
  }
  return groups;
}

// Only the first section is read, so a later one is kept whole, as are the lines of the first
// that did not load.
std::string RewriteGroups(std::string_view fileText, const std::vector<Group>& groups) {
  std::string body;
  for (const Group& group : groups) body += (body.empty() ? "" : "\r\n") + FormatGroupLine(group);
  GroupLineSorter sorter;
  Group group;
  bool laterSection = false;
  return RewriteSection(fileText, kSection, body, [&](std::string_view line) {
    laterSection = laterSection || SectionName(line).has_value();
    return laterSection || !sorter.Loads(line, group);
  });
}
