#include "programs.h"

#include <array>

#include "dornikel.h"
#include "quendrel.h"
#include "ravelle.h"
#include "sontaby.h"

namespace matcalc::console {
namespace {

const std::array kPrograms = {&kDornikelInfo, &kRavelleInfo, &kSontabyInfo, &kQuendrelInfo};

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

std::span<const ProgramInfo* const> allPrograms() { return kPrograms; }

std::span<const FriendlyForm> allFriendlyForms() { return kFriendlyForms; }

const ProgramInfo* findProgram(std::string_view name) {
  for (const ProgramInfo* program : kPrograms) {
    if (program->name == name) return program;
  }
  return nullptr;
}

const FriendlyForm* findFriendlyForm(std::string_view word) {
  for (const FriendlyForm& f : kFriendlyForms) {
    if (f.word == word) return &f;
  }
  return nullptr;
}

}  // namespace matcalc::console
