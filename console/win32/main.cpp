// matcalc.exe, matcalc as a 32-bit Windows console program. The command line
// arrives in UTF-16 and is handed on in UTF-8; standard input and output are
// binary, so that files and pipes carry the same bytes as on Linux: UTF-8
// without line ends rewritten and without end-of-file at a Ctrl-Z byte.
#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "run_matcalc.h"
#include "utf8_text.h"

namespace {

matcalc::console::Printer printerOf(std::FILE* file) {
  return [file](std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
  };
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(matcalc::console::utf8FromWide(argv[i]));
  return matcalc::console::runMatcalc(args, printerOf(stdout), printerOf(stderr));
}
