// matcalc's command line: actions in order, --json anywhere, texts verbatim,
// the friendly forms, the usage errors that end with exit code 2, and what
// goes to which stream.
#include "command_line.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "dornikel.h"
#include "programs.h"
#include "quendrel.h"
#include "ravelle.h"
#include "run_matcalc.h"
#include "sontaby.h"
#include "usage.h"
#include "version.h"

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

std::string writeFile(const std::string& name, const std::string& content) {
  const std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

// Every friendly form, `matcalc WORD FILE...`: each file's text, one final
// line break dropped and its line feeds made CR LF, fills the form's edit
// boxes in order; its radio button, if it has one, is checked; compute is
// pressed; each box's text is printed alone. More files than boxes, fewer
// (but none for a form of one box, which reads standard input), or a file
// that cannot be read, are usage errors.
TEST(CommandLine, FriendlyForms) {
  struct Form {
    const char* word;
    std::string_view program;
    std::vector<int> boxes;
    int radio;  // 0 for none
  };
  const Form forms[] = {
      {"det", "dornikel", {kMatrixBox}, 0},
      {"rank", "quendrel", {kMatrixBox}, kQuendrelRankButton},
      {"inverse", "ravelle", {kMatrixBox}, kInverseRadio},
      {"adjugate", "ravelle", {kMatrixBox}, kAdjugateRadio},
      {"add", "sontaby", {kSontabyMatrix1Box, kSontabyMatrix2Box}, kSontabySumButton},
      {"sub", "sontaby", {kSontabyMatrix1Box, kSontabyMatrix2Box}, kSontabyDifferenceButton},
      {"mul", "sontaby", {kSontabyMatrix1Box, kSontabyMatrix2Box}, kSontabyProductButton},
      {"scale", "sontaby", {kSontabyMatrix1Box, kSontabyMatrix2Box}, kSontabyScalarButton},
  };
  const std::string files[] = {writeFile("first.txt", "1 2\r\n3 4\r\n"), writeFile("second.txt", "5 6\n7 8\n\n")};
  const std::string texts[] = {"1 2\r\n3 4", "5 6\r\n7 8\r\n"};
  for (const Form& form : forms) {
    std::vector<std::string> args = {form.word};
    args.insert(args.end(), files, files + form.boxes.size());
    const Invocation run = parseCommandLine(args);
    ASSERT_NE(run.program, nullptr) << form.word;
    EXPECT_EQ(run.program->name, form.program) << form.word;
    EXPECT_TRUE(run.textOnly) << form.word;
    EXPECT_FALSE(run.json) << form.word;
    std::vector<Action> want;
    for (std::size_t i = 0; i < form.boxes.size(); ++i) want.push_back({Action::Kind::Text, form.boxes[i], texts[i]});
    if (form.radio != 0) want.push_back({Action::Kind::Check, form.radio, {}});
    want.push_back({Action::Kind::Press, kComputeButton, {}});
    ASSERT_EQ(run.actions.size(), want.size()) << form.word;
    for (std::size_t i = 0; i < want.size(); ++i) {
      EXPECT_EQ(run.actions[i].kind, want[i].kind) << form.word << ' ' << i;
      EXPECT_EQ(run.actions[i].id, want[i].id) << form.word << ' ' << i;
      EXPECT_EQ(run.actions[i].text, want[i].text) << form.word << ' ' << i;
    }
    std::vector<std::string> tooMany = args, missing = args;
    tooMany.push_back(files[0]);
    missing.back() = "/nonexistent/file";
    EXPECT_THROW(parseCommandLine(tooMany), UsageError) << form.word;
    EXPECT_THROW(parseCommandLine(missing), UsageError) << form.word;
    if (form.boxes.size() == 2) {
      EXPECT_THROW(parseCommandLine({form.word}), UsageError) << form.word;
      EXPECT_THROW(parseCommandLine({form.word, files[0]}), UsageError) << form.word;
    }
  }
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
      {"dornikel", "--text-file", "1004", ::testing::TempDir()},  // a directory
      {"det", ::testing::TempDir()},
      {"dornikel", "1000"},
      {"det", "a", "b"},
  };
  for (const auto& args : bad) EXPECT_THROW(parseCommandLine(args), UsageError) << ::testing::PrintToString(args);
}

TEST(Matcalc, ExitCodeAndStreams) {
  struct Row {
    std::vector<std::string> args;
    int exitCode;
    std::string out;  // exactly
    bool errEmpty;
  };
  const std::string usage(kUsage);
  const std::vector<Row> rows = {
      {{"--help"}, 0, usage, true},
      {{"-h"}, 0, usage, true},
      {{"det", "--json", "--help"}, 0, usage, true},
      {{"--version"}, 0, "matcalc " MATCALC_VERSION "\n", true},
      {{"dornikel", "--text", "1004", "--help"}, 0, "", true},  // a text, not a request
      {{"dornikel", "--text", "1004", "1 2\n3 4", "--press", "1000"}, 0, "计算完毕\n行列式的值为 -2\n\n", true},
      {{}, 2, "", false},
      {{"--frobnicate"}, 2, "", false},
      {{"dornikel", "--press", "4242"}, 2, "", false},
  };
  for (const Row& row : rows) {
    std::ostringstream out, err;
    EXPECT_EQ(runMatcalc(row.args, out, err), row.exitCode) << ::testing::PrintToString(row.args);
    EXPECT_EQ(out.str(), row.out) << ::testing::PrintToString(row.args);
    EXPECT_EQ(err.str().empty(), row.errEmpty) << ::testing::PrintToString(row.args) << err.str();
  }
}

// A file is read only as far as its text could still fit an edit box (65534
// bytes of GBK); a longer one gives the size-error box.
TEST(Matcalc, FileLongerThanAnEditBoxHolds) {
  std::string chinese;  // 32766 characters, 65532 bytes of GBK, 98298 of UTF-8
  for (int i = 0; i < 32766; ++i) chinese += "一";
  std::string emoji;    // 65536 characters GBK lacks: 4 bytes of UTF-8 each, "?" in GBK
  for (int i = 0; i < 65536; ++i) emoji += "\xF0\x9F\x98\x80";
  std::string ones;     // 1 MiB
  for (int i = 0; i < (1 << 19); ++i) ones += "1 ";
  struct Row {
    const char* name;
    std::string content;
    std::string out;
  };
  const std::string tooLarge = "矩阵不能超过20行20列\n";
  const std::vector<Row> rows = {
      {"65534 bytes of GBK fit", "7 " + chinese, "行列式的值为 7\n"},
      {"65535 do not", "7 " + chinese + " ", tooLarge},
      {"characters that take four bytes each", emoji, tooLarge},
      {"1 MiB", ones, tooLarge},
  };
  const std::string path = ::testing::TempDir() + "long.txt";
  for (const Row& row : rows) {
    std::ofstream(path, std::ios::binary) << row.content;
    std::ostringstream out, err;
    EXPECT_EQ(runMatcalc({"det", path}, out, err), 0) << row.name;
    EXPECT_EQ(out.str(), row.out) << row.name;
    EXPECT_LT(parseCommandLine({"det", path}).actions[0].text.size(), std::size_t{300000}) << row.name;
  }
}

TEST(Matcalc, UsageShowsAnExampleOfEveryForm) {
  for (const ProgramInfo* program : allPrograms()) {
    EXPECT_NE(kUsage.find("\n  matcalc " + std::string(program->name) + " "), std::string_view::npos) << program->name;
  }
  for (const FriendlyForm& form : allFriendlyForms()) {
    EXPECT_NE(kUsage.find("\n  matcalc " + std::string(form.word) + " "), std::string_view::npos) << form.word;
  }
}

}  // namespace
}  // namespace matcalc::console
