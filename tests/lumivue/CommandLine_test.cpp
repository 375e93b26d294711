// The viewer's command line: the database option with and without quotes, view options, and
// what must not count as an option.
#include "shell/CommandLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Views = std::vector<ViewKind>;
constexpr ViewKind kMono = ViewKind::kMonolingual;
constexpr ViewKind kMulti = ViewKind::kMultilingual;

TEST(CommandLine, DatabasePath) {
  EXPECT_EQ(CommandLine::Parse("-F \"/data/my lex/wn.fdb\" -L").DatabasePath(),
            "/data/my lex/wn.fdb");
  EXPECT_EQ(CommandLine::Parse("-F /data/wn.fdb more text").DatabasePath(), "/data/wn.fdb");
  EXPECT_EQ(CommandLine::Parse("-F/data/wn.fdb").DatabasePath(), "/data/wn.fdb");
  // Without its closing quote the path ends at the first blank.
  EXPECT_EQ(CommandLine::Parse("-F \"/data/my lex").DatabasePath(), "/data/my");
  EXPECT_EQ(CommandLine::Parse("-L").DatabasePath(), std::nullopt);
  EXPECT_EQ(CommandLine::Parse("-F").DatabasePath(), "");
}

TEST(CommandLine, OnlyTheFirstDatabaseCounts) {
  const CommandLine line = CommandLine::Parse("-F one.fdb -F \"two -L.fdb\" -T");
  EXPECT_EQ(line.DatabasePath(), "one.fdb");
  EXPECT_EQ(line.Views(), (Views{kMulti}));
}

TEST(CommandLine, ViewOptionsInOrder) {
  EXPECT_EQ(CommandLine::Parse("-F a.fdb -L -T -L").Views(), (Views{kMono, kMulti, kMono}));
  EXPECT_EQ(CommandLine::Parse("\\T \\L").Views(), (Views{kMulti, kMono}));
  // Other letters, plain words and lower-case letters are skipped.
  EXPECT_EQ(CommandLine::Parse("-X word -l -Lx").Views(), (Views{kMono}));
}

TEST(CommandLine, PathsAndQuotedWordsAreNotOptions) {
  // A folder whose name starts with L or T after a backslash belongs to the path.
  const CommandLine line = CommandLine::Parse("-F C:\\Lex\\Tiles\\db.fdb");
  EXPECT_EQ(line.DatabasePath(), "C:\\Lex\\Tiles\\db.fdb");
  EXPECT_TRUE(line.Views().empty());
  EXPECT_TRUE(CommandLine::Parse("\"not -L an option\" x-T").Views().empty());
  EXPECT_TRUE(CommandLine::Parse("-F \"a -L b\"").Views().empty());
}

TEST(CommandLine, EmptyLine) {
  EXPECT_TRUE(CommandLine::Parse("").IsEmpty());
  EXPECT_TRUE(CommandLine::Parse(" \t ").IsEmpty());
  const CommandLine databaseOnly = CommandLine::Parse("-F a.fdb");
  EXPECT_FALSE(databaseOnly.IsEmpty());
  EXPECT_TRUE(databaseOnly.Views().empty());
  EXPECT_FALSE(CommandLine::Parse("-").IsEmpty());
}

}  // namespace
