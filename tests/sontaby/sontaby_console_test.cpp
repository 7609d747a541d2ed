// matcalc's friendly forms for Sontaby: `matcalc add|sub|mul|scale FILE1
// FILE2` fill box 1006 from FILE1 and box 1004 from FILE2, choose the
// operation and compute; both files are required.
#include <gtest/gtest.h>

#include <fstream>

#include "command_line.h"
#include "sontaby.h"

namespace matcalc::console {
namespace {

std::string writeFile(const std::string& name, const std::string& content) {
  const std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

TEST(SontabyFriendlyForms, FillBothBoxesChooseAndCompute) {
  const std::string first = writeFile("sontaby_first.txt", "1 2\n3 4\n");
  const std::string second = writeFile("sontaby_second.txt", "5 6\n7 8\n");
  const std::pair<const char*, int> forms[] = {
      {"add", kSontabySumButton},
      {"sub", kSontabyDifferenceButton},
      {"mul", kSontabyProductButton},
      {"scale", kSontabyScalarButton},
  };
  for (const auto& [word, radio] : forms) {
    const Invocation run = parseCommandLine({word, first, second});
    EXPECT_EQ(run.program->name, "sontaby");
    EXPECT_TRUE(run.textOnly);
    ASSERT_EQ(run.actions.size(), 4u) << word;
    EXPECT_EQ(run.actions[0].kind, Action::Kind::Text);
    EXPECT_EQ(run.actions[0].id, kSontabyMatrix1Box);
    EXPECT_EQ(run.actions[0].text, "1 2\r\n3 4");  // one final line break dropped
    EXPECT_EQ(run.actions[1].id, kSontabyMatrix2Box);
    EXPECT_EQ(run.actions[1].text, "5 6\r\n7 8");
    EXPECT_EQ(run.actions[2].kind, Action::Kind::Check);
    EXPECT_EQ(run.actions[2].id, radio);
    EXPECT_EQ(run.actions[3].kind, Action::Kind::Press);
    EXPECT_EQ(run.actions[3].id, kComputeButton);
  }
}

TEST(SontabyFriendlyForms, BothFilesRequired) {
  const std::string file = writeFile("sontaby_one.txt", "1\n");
  for (const char* word : {"add", "sub", "mul", "scale"}) {
    EXPECT_THROW(parseCommandLine({word}), UsageError) << word;
    EXPECT_THROW(parseCommandLine({word, file}), UsageError) << word;
    EXPECT_THROW(parseCommandLine({word, file, file, file}), UsageError) << word;
    EXPECT_THROW(parseCommandLine({word, file, "/nonexistent/file"}), UsageError) << word;
  }
}

TEST(SontabyFullForm, ControlsOfTheDialog) {
  const Invocation run = parseCommandLine({"sontaby", "--text", "1006", "1", "--text", "1004", "2", "--check", "1011",
                                    "--check", "1009", "--press", "1007", "--press", "1000"});
  EXPECT_EQ(run.actions.size(), 6u);
  EXPECT_THROW(parseCommandLine({"sontaby", "--text", "1005", "1"}), UsageError);
  EXPECT_THROW(parseCommandLine({"sontaby", "--check", "1010"}), UsageError);
  EXPECT_THROW(parseCommandLine({"sontaby", "--check", "1006"}), UsageError);
}

}  // namespace
}  // namespace matcalc::console
