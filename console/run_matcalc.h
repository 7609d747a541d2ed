#pragma once
// The whole of matcalc but its entry: reads the command line, drives one
// simulated dialog and prints its message boxes on `out`; usage errors go to
// `err`. Returns the exit code: 0, 1 when `out` failed, 2 for bad usage.
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace matcalc::console {

// Writes some bytes through to where they go; false when they could not be
// written.
using Printer = std::function<bool(std::string_view bytes)>;

int runMatcalc(const std::vector<std::string>& args, const Printer& out, const Printer& err);

// The same on standard library streams. Kept apart from the form above,
// because any use of the streams links their locale machinery, which would
// weigh about 800 KB in the statically linked matcalc.exe.
int runMatcalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace matcalc::console
