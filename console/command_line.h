#pragma once
// The command line of matcalc, turned into the steps of one simulated dialog.
#include <stdexcept>
#include <string>
#include <vector>

#include "program_info.h"

namespace matcalc::console {

// Bad usage: matcalc prints the message on one line and exits with 2.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Action {
  enum class Kind { Text, Check, Press };
  Kind kind;
  int id;
  std::string text;  // for Kind::Text: GBK with CR LF line ends
};

struct Invocation {
  enum class Request { Run, Help, Version };
  Request request = Request::Run;  // Help and Version leave the rest empty
  const ProgramInfo* program = nullptr;
  std::vector<Action> actions;
  bool json = false;
  bool textOnly = false;  // a friendly form: print each box's text alone
};

// Reads `matcalc PROGRAM ACTION...`, a friendly form such as
// `matcalc det [FILE]`, or a request for the usage or the version; files
// named on the line are read here.
Invocation parseCommandLine(const std::vector<std::string>& args);

}  // namespace matcalc::console
