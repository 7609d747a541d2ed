#include "programs.h"

#include <array>

#include "dornikel.h"
#include "quendrel.h"
#include "ravelle.h"
#include "sontaby.h"

namespace matcalc::console {
namespace {

struct Entry {
  std::string_view name;
  const ProgramInfo* info;  // nullptr: not built yet
};

const std::array kPrograms = {
    Entry{"dornikel", &kDornikelInfo},
    Entry{"ravelle", &kRavelleInfo},
    Entry{"sontaby", &kSontabyInfo},
    Entry{"quendrel", &kQuendrelInfo},
};

constexpr int kMatrixBoxOnly[] = {kMatrixBox};
constexpr int kSontabyBoxes[] = {kSontabyMatrix1Box, kSontabyMatrix2Box};

constexpr std::array kFriendlyForms = {
    FriendlyForm{"det", "dornikel", kMatrixBoxOnly, 0, true},
    FriendlyForm{"rank", "quendrel", kMatrixBoxOnly, kQuendrelRankButton, true},
    FriendlyForm{"inverse", "ravelle", kMatrixBoxOnly, kInverseRadio, true},
    FriendlyForm{"adjugate", "ravelle", kMatrixBoxOnly, kAdjugateRadio, true},
    FriendlyForm{"add", "sontaby", kSontabyBoxes, kSontabySumButton, false},
    FriendlyForm{"sub", "sontaby", kSontabyBoxes, kSontabyDifferenceButton, false},
    FriendlyForm{"mul", "sontaby", kSontabyBoxes, kSontabyProductButton, false},
    FriendlyForm{"scale", "sontaby", kSontabyBoxes, kSontabyScalarButton, false},
};

}  // namespace

const ProgramInfo* findProgram(std::string_view name, bool& known) {
  for (const Entry& e : kPrograms) {
    if (e.name == name) {
      known = true;
      return e.info;
    }
  }
  known = false;
  return nullptr;
}

const FriendlyForm* findFriendlyForm(std::string_view word) {
  for (const FriendlyForm& f : kFriendlyForms) {
    if (f.word == word) return &f;
  }
  return nullptr;
}

}  // namespace matcalc::console
