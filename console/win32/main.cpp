// matcalc.exe, matcalc as a 32-bit Windows console program. The command line
// arrives in UTF-16 and is handed on in UTF-8; standard input and output are
// binary, so that files and pipes carry the same bytes as on Linux: UTF-8
// without line ends rewritten and without end-of-file at a Ctrl-Z byte. A
// console is written in UTF-16 instead, so that the Chinese texts show right
// whatever its code page.
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>

#include "run_matcalc.h"
#include "utf8_text.h"

namespace {

// Standard output or error (`which`): a console gets the text through
// WriteConsoleW, a file or a pipe the UTF-8 bytes through `file`.
matcalc::console::Printer printerOf(DWORD which, std::FILE* file) {
  const HANDLE handle = GetStdHandle(which);
  DWORD mode = 0;
  if (GetFileType(handle) == FILE_TYPE_CHAR && GetConsoleMode(handle, &mode)) {
    return [handle](std::string_view bytes) {
      const std::wstring text = matcalc::console::wideFromUtf8(bytes);
      // In pieces: a console takes a limited amount in one call.
      for (std::size_t done = 0; done < text.size();) {
        const auto piece = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 8192));
        DWORD written = 0;
        if (!WriteConsoleW(handle, text.data() + done, piece, &written, nullptr) || written == 0) return false;
        done += written;
      }
      return true;
    };
  }
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
  return matcalc::console::runMatcalc(args, printerOf(STD_OUTPUT_HANDLE, stdout), printerOf(STD_ERROR_HANDLE, stderr));
}
