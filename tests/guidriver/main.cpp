// guidriver: starts a calculator's .exe, drives its dialog with the same
// actions as matcalc through real window messages, and prints the message
// boxes it shows exactly as matcalc prints them. Exit codes: 0 when the
// calculator ran and ended with 0 after WM_CLOSE, 1 when it misbehaved, 2
// for bad usage.
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

#include "actions.h"
#include "box_output.h"
#include "calculator_session.h"

using namespace guidriver;

namespace {

void print(const std::vector<Box>& boxes, const Run& run) {
  for (const Box& box : boxes) {
    const std::string text = formatBox(box, run.json, run.windowFacts);
    std::fwrite(text.data(), 1, text.size(), stdout);
  }
  std::fflush(stdout);
}

int drive(const Run& run) {
  CalculatorSession session(run);
  const Box warning = session.start();
  if (run.startup) print({warning}, run);
  for (const Action& action : run.actions) print(session.apply(action), run);
  const DWORD code = session.close();
  if (code != 0) {
    std::fprintf(stderr, "guidriver: the calculator ended with exit code %lu\n", code);
    return 1;
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  // In physical pixels at any DPI, as the calculators (which are DPI aware)
  // place their windows.
  SetProcessDPIAware();
  _setmode(_fileno(stdout), _O_BINARY);
  Run run;
  try {
    run = parseCommandLine({argv + 1, argv + argc});
  } catch (const UsageError& e) {
    std::fprintf(stderr, "guidriver: %s\n", e.what());
    return 2;
  }
  try {
    return drive(run);
  } catch (const DriverError& e) {
    std::fprintf(stderr, "guidriver: %s\n", e.what());
    return 1;
  }
}
