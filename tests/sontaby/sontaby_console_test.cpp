// matcalc's full form for Sontaby: its two edit boxes, its radio buttons and
// its push buttons, and no other control.
#include <gtest/gtest.h>

#include "command_line.h"
#include "sontaby.h"

namespace matcalc::console {
namespace {

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
