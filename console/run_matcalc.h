#pragma once
// The whole of matcalc but its entry: reads the command line, drives one
// simulated dialog and prints its message boxes on `out`; usage errors go to
// `err`. Returns the exit code: 0, 1 when `out` failed, 2 for bad usage.
#include <ostream>
#include <string>
#include <vector>

namespace matcalc::console {

int runMatcalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace matcalc::console
