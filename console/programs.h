#pragma once
// The programs matcalc can drive, and its friendly one-step forms.
#include <span>
#include <string_view>

#include "program_info.h"

namespace matcalc::console {

// The program named `name`; nullptr when there is none.
const ProgramInfo* findProgram(std::string_view name);

// Every program matcalc drives.
std::span<const ProgramInfo* const> allPrograms();

// A friendly form: `matcalc WORD FILE...` fills the edit boxes from the files,
// checks one radio button (0 for none) and presses the compute button.
struct FriendlyForm {
  std::string_view word;
  std::string_view program;
  std::span<const int> boxes;  // filled from the files, in order
  int radio;
  bool filesOptional;          // one file, standard input when it is missing
};

const FriendlyForm* findFriendlyForm(std::string_view word);

// Every friendly form.
std::span<const FriendlyForm> allFriendlyForms();

}  // namespace matcalc::console
