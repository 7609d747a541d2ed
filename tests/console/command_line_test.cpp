// matcalc's command line: actions in order, --json anywhere, texts verbatim,
// and the usage errors that end with exit code 2.
#include "command_line.h"

#include <gtest/gtest.h>

#include <fstream>

namespace matcalc::console {
namespace {

TEST(CommandLine, ActionsInOrderWithJsonAnywhere) {
  const Invocation run = parseCommandLine({"--json", "dornikel", "--text", "1004", "--json", "--press", "1000"});
  EXPECT_TRUE(run.json);
  EXPECT_EQ(run.program->name, "dornikel");
  ASSERT_EQ(run.actions.size(), 2u);
  EXPECT_EQ(run.actions[0].kind, Action::Kind::Text);
  EXPECT_EQ(run.actions[0].text, "--json");  // the argument after --text ID is the text
  EXPECT_EQ(run.actions[1].kind, Action::Kind::Press);
  EXPECT_EQ(run.actions[1].id, 1000);
}

TEST(CommandLine, TextStartingWithMinusIsVerbatim) {
  const Invocation run = parseCommandLine({"dornikel", "--text", "1004", "-1 2\n3 4", "--press", "1000"});
  EXPECT_EQ(run.actions[0].text, "-1 2\r\n3 4");
}

TEST(CommandLine, FriendlyFormDropsOneFinalLineBreak) {
  const std::string path = ::testing::TempDir() + "matrix.txt";
  std::ofstream(path, std::ios::binary) << "1 2\r\n3 4\r\n";
  const Invocation run = parseCommandLine({"det", path});
  EXPECT_TRUE(run.textOnly);
  ASSERT_EQ(run.actions.size(), 2u);
  EXPECT_EQ(run.actions[0].text, "1 2\r\n3 4");
  EXPECT_EQ(run.actions[1].id, 1000);
}

TEST(CommandLine, TextFileStaysVerbatim) {
  const std::string path = ::testing::TempDir() + "verbatim.txt";
  std::ofstream(path, std::ios::binary) << "1 2\n";
  const Invocation run = parseCommandLine({"dornikel", "--text-file", "1004", path});
  EXPECT_EQ(run.actions[0].text, "1 2\r\n");
}

TEST(CommandLine, UsageErrors) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"nosuch"},
      {"dornikel", "--frobnicate"},
      {"dornikel", "--text", "1004"},
      {"dornikel", "--text", "999", "1"},
      {"dornikel", "--check", "1004"},
      {"dornikel", "--press"},
      {"dornikel", "--press", "abc"},
      {"dornikel", "--press", "4242"},
      {"dornikel", "--text-file", "1004", "/nonexistent/file"},
      {"dornikel", "1000"},
      {"det", "a", "b"},
  };
  for (const auto& args : bad) EXPECT_THROW(parseCommandLine(args), UsageError) << ::testing::PrintToString(args);
}

}  // namespace
}  // namespace matcalc::console
