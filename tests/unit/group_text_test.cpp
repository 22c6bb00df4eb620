// Saved groups in fkh.ini: the escapes that keep any text, hand-written lines, the rewrite
// that keeps every other line, and the rows a group's titles select.
#include <gtest/gtest.h>

#include "groups/group_text.h"
#include "settings/settings_text.h"
#include "terminals/terminal_lists.h"

namespace {

TEST(GroupText, EscapesWhatCouldBeMisreadAndNothingElse) {
  const struct {
    Utf16String text;
    const char* encoded;
  } cases[] = {
      {u"web servers", "web servers"},
      {u" lead and trail ", "%20lead and trail%20"},
      {u"a=b,c;d#e[f]g\"h'i%j", "a%3Db%2Cc%3Bd%23e%5Bf%5Dg%22h%27i%25j"},
      {u"line\r\nbreak\ttab", "line%0D%0Abreak%09tab"},
      {u"caf\u00E9 \u65E5\u672C", "caf%E9 %u65E5%u672C"},
      {u"\U0001F600", "%uD83D%uDE00"},
      {Utf16String(1, u'\xDC00') + u"x", "%uDC00x"},  // an unpaired surrogate
      {u"C:\\path\\~$ a/b", "C:\\path\\~$ a/b"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EncodeGroupText(c.text), c.encoded);
    Group read;
    ASSERT_TRUE(ParseGroupLine(std::string(c.encoded) + " = " + c.encoded, read)) << c.encoded;
    EXPECT_EQ(read.name, c.text);
    EXPECT_EQ(read.titles, std::vector<Utf16String>{c.text});
  }
}

TEST(GroupText, HandWrittenLines) {
  const struct {
    const char* line;
    bool loads;
    Utf16String name;
    std::vector<Utf16String> titles;
  } cases[] = {
      {"web = web01, web02 ,web03\r\n", true, u"web", {u"web01", u"web02", u"web03"}},
      {"  db\t=\tdb1,,db2,  \n", true, u"db", {u"db1", u"db2"}},
      {"\vvt\f=\fff1\v,\vff2\r\n", true, u"vt", {u"ff1", u"ff2"}},  // blanks as for settings
      {"\xE6\x97\xA5\xE6\x9C\xAC = \xE3\x82\xB5 1", true, u"\u65E5\u672C", {u"\u30B5 1"}},
      {"\xF0\x9F\x98\x80 = %75%u0075", true, u"\U0001F600", {u"uu"}},
      {"empty =", true, u"empty", {}},
      {"no equals sign", false, u"", {}},
      {"; comment = x", false, u"", {}},
      {"# comment = x", false, u"", {}},
      {" = nameless", false, u"", {}},
      {"bad = %G0", false, u"", {}},
      {"bad = %u12", false, u"", {}},
      {"bad = 50%", false, u"", {}},
      {"bad = \xFF", false, u"", {}},
      {"bad = \xC0\x80", false, u"", {}},          // overlong
      {"bad = \xED\xA0\x80", false, u"", {}},      // a surrogate in UTF-8
      {"bad = \xE6\x97", false, u"", {}},          // cut short
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    Group group;
    ASSERT_EQ(ParseGroupLine(c.line, group), c.loads);
    if (!c.loads) continue;
    EXPECT_EQ(group.name, c.name);
    EXPECT_EQ(group.titles, c.titles);
  }
}

std::vector<Utf16String> Names(const std::vector<Group>& groups) {
  std::vector<Utf16String> names;
  for (const Group& group : groups) names.push_back(group.name);
  return names;
}

TEST(GroupText, ReadsTheFirstSectionOnlyAndTheFirstLineOfAName) {
  const struct {
    const char* file;
    std::vector<Utf16String> names;
  } cases[] = {
      {"", {}},
      {"[BASE]\r\nalpha = 60\r\n", {}},
      {"[groups]\r\na = 1\r\nbroken\r\nb = 2\r\na = 3\r\n[BASE]\r\nc = 4\r\n", {u"a", u"b"}},
      {"\xEF\xBB\xBF[Groups]\nx = 1\n[Groups]\ny = 2\n", {u"x"}},
      {"[Other]\nz = 1\n[GROUPS]\nw = %41\n", {u"w"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Names(ReadGroups(c.file)), c.names) << c.file;
  }
  EXPECT_EQ(ReadGroups("[Groups]\na = 1\nb = 3\na = 2\n")[0].titles,
            (std::vector<Utf16String>{u"1", u"2"}));
}

TEST(GroupText, RewriteKeepsEveryOtherLineAndTheLinesThatDidNotLoad) {
  const std::vector<Group> groups = {{u"web", {u"w1", u"w 2"}}, {u"a=b", {u"x"}}};
  const struct {
    const char* file;
    const char* rewritten;
  } cases[] = {
      {"", "[Groups]\r\nweb = w1,w 2\r\na%3Db = x\r\n"},
      {"[BASE]\r\nalpha = 9", "[BASE]\r\nalpha = 9\r\n[Groups]\r\nweb = w1,w 2\r\na%3Db = x\r\n"},
      {"[groups]\nold = 1\n; note\nbroken\nold = dup\n\n[BASE]\nalpha = 9\n",
       "[Groups]\r\nweb = w1,w 2\r\na%3Db = x\r\n; note\nbroken\n\n[BASE]\nalpha = 9\n"},
      {"\xEF\xBB\xBF[Groups]\nx = 1\n[Groups]\ny = 2\n",
       "\xEF\xBB\xBF[Groups]\r\nweb = w1,w 2\r\na%3Db = x\r\n[Groups]\ny = 2\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string rewritten = RewriteGroups(c.file, groups);
    EXPECT_EQ(rewritten, c.rewritten);
    EXPECT_EQ(Names(ReadGroups(rewritten)), Names(groups));
    EXPECT_EQ(RewriteGroups(rewritten, groups), rewritten) << "stable";
    EXPECT_EQ(Names(ReadGroups(RewriteSection(rewritten, "BASE", FormatSettingsSection(Settings{})))), Names(groups))
        << "the options dialog's rewrite keeps the groups";
  }
  EXPECT_EQ(RewriteGroups("[BASE]\nalpha = 9\n", {}), "[BASE]\nalpha = 9\n");
  EXPECT_EQ(RewriteGroups("[Groups]\na = 1\nbroken\n", {}), "[Groups]\r\nbroken\n");
}

WindowHandle Handle(std::uintptr_t value) { return reinterpret_cast<WindowHandle>(value); }

TEST(GroupText, AGroupSelectsTheRowsWithItsTitlesExactly) {
  const TerminalList shown = {
      MakeTerminalEntry(u"db1", Handle(1)), MakeTerminalEntry(u"web1", Handle(2)),
      MakeTerminalEntry(u"Web1", Handle(3)), MakeTerminalEntry(u"web1", Handle(4)),
      MakeTerminalEntry(u"web10", Handle(5))};
  const struct {
    std::vector<Utf16String> titles;
    std::vector<std::uintptr_t> rows;
    RowRuns runs;
  } cases[] = {
      {{}, {}, {}},
      {{u"web1"}, {2, 4}, {{1, 1}, {3, 3}}},  // both windows of that title, in row order
      {{u"web10", u"absent", u"db1"}, {1, 5}, {{0, 0}, {4, 4}}},
      {{u"web", u"WEB1", u"web1 "}, {}, {}},
      {{u"db1", u"web1", u"Web1"}, {1, 2, 3, 4}, {{0, 3}}},
  };
  for (const auto& c : cases) {
    TerminalList selection = {MakeTerminalEntry(u"db1", Handle(1))};
    EXPECT_EQ(SelectTitledWithin(selection, shown, c.titles), c.runs);
    std::vector<std::uintptr_t> rows;
    for (const TerminalEntry& entry : selection) rows.push_back(HandleValue(entry.window));
    EXPECT_EQ(rows, c.rows) << "the group replaces the selection";
  }
}

}  // namespace
