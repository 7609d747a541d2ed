#pragma once
// What `matcalc --help` prints: every form of the command line, with one
// example each.
#include <string_view>

namespace matcalc::console {

inline constexpr std::string_view kUsage = R"(usage: matcalc PROGRAM ACTION... [--json]
       matcalc det|inverse|adjugate|rank [FILE]
       matcalc add|sub|mul|scale FILE1 FILE2
       matcalc --help | -h | --version

Drives a calculator's command handler through a simulated dialog and prints
each message box it shows: its caption, its text and a blank line, or one
JSON object a box with --json.

PROGRAM is dornikel, ravelle, sontaby or quendrel; its ACTIONs apply in order:
  --text ID TEXT        types TEXT (UTF-8; line feeds become CR LF) into edit box ID
  --text-file ID FILE   the same with the text of FILE (- for standard input)
  --check ID            checks radio button ID
  --press ID            presses button ID (1000 computes)

The friendly forms print only the result text. They take the matrix from
FILE, or from standard input when no FILE is given; a final line break is
dropped. scale multiplies the first matrix by the first element of the second.

Examples:
  matcalc dornikel --text 1004 $'1 2\n3 4' --press 1000
  matcalc ravelle --text 1004 $'2 1\n1 1' --check 1007 --press 1000
  matcalc sontaby --text 1006 $'1 2\n3 4' --text 1004 $'5 6\n7 8' --check 1011 --press 1000
  matcalc quendrel --text-file 1004 matrix.txt --check 1005 --press 1000 --json
  matcalc det matrix.txt
  matcalc inverse matrix.txt
  matcalc adjugate < matrix.txt
  matcalc rank matrix.txt
  matcalc add first.txt second.txt
  matcalc sub first.txt second.txt
  matcalc mul first.txt second.txt
  matcalc scale matrix.txt factor.txt

matcalc.exe, the Windows build, writes to a console window in UTF-16
(WriteConsoleW), so that the Chinese texts show right whatever the console's
code page; redirected to a file or a pipe, it writes UTF-8, as matcalc does.

Exit status: 0 when the dialog ran, 1 when the output could not be written, 2
for bad usage (told on standard error).
)";

}  // namespace matcalc::console
