// `matcalc inverse [FILE]` and `matcalc adjugate [FILE]`: the file fills the
// edit box, the form chooses its radio button and presses compute.
#include <gtest/gtest.h>

#include <fstream>

#include "command_line.h"
#include "ravelle.h"

namespace matcalc::console {
namespace {

TEST(RavelleFriendlyForms, ChooseTheirOperation) {
  const std::string path = ::testing::TempDir() + "ravelle_matrix.txt";
  std::ofstream(path, std::ios::binary) << "1 2\n3 4\n";
  const struct {
    const char* word;
    int radio;
  } forms[] = {{"inverse", kInverseRadio}, {"adjugate", kAdjugateRadio}};
  for (const auto& form : forms) {
    const auto run = parseCommandLine({form.word, path});
    EXPECT_EQ(run.program, &kRavelleInfo) << form.word;
    EXPECT_TRUE(run.textOnly) << form.word;
    ASSERT_EQ(run.actions.size(), 3u) << form.word;
    EXPECT_EQ(run.actions[0].kind, Action::Kind::Text);
    EXPECT_EQ(run.actions[0].id, kMatrixBox);
    EXPECT_EQ(run.actions[0].text, "1 2\r\n3 4");  // one final line break dropped
    EXPECT_EQ(run.actions[1].kind, Action::Kind::Check);
    EXPECT_EQ(run.actions[1].id, form.radio) << form.word;
    EXPECT_EQ(run.actions[2].kind, Action::Kind::Press);
    EXPECT_EQ(run.actions[2].id, kComputeButton);
    EXPECT_THROW(parseCommandLine({form.word, path, path}), UsageError) << form.word;
  }
}

}  // namespace
}  // namespace matcalc::console
