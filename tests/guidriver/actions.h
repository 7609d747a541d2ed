#pragma once
// guidriver's command line: the calculator's .exe, then the same ACTIONs as
// matcalc, then what to print.
#include <stdexcept>
#include <string>
#include <vector>

namespace guidriver {

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Action {
  // KeepOpen: from now on boxes without an owner stay open, so that later
  // commands run inside their message loops; CloseBoxes: reads the boxes
  // left open again (oldest first) and closes them.
  // Paste: the text is put on the clipboard and pasted into the emptied
  // edit box, as a user pastes what a spreadsheet copied.
  enum class Kind { Text, Paste, Check, Press, Snap, SnapBox, KeepOpen, CloseBoxes };
  Kind kind;
  int id = 0;
  std::wstring text;  // Text: the edit box's contents (CR LF line ends); Paste: the clipboard's, as given; Snap*: a file
};

struct Run {
  std::wstring exe;
  std::vector<Action> actions;
  bool json = false;
  bool startup = false;      // also print the start-up warning box
  bool windowFacts = false;  // with --json: each box's kind of window and rectangle
  std::wstring copyTo;       // press 复制 in each result window; the clipboard's text goes here
  bool closeWithEscape = false;  // close each box by the Escape key, not by IDOK
};

// Reads `PROGRAM.exe ACTION... [--json] [--startup] [--window-facts]
// [--copy-to FILE] [--close-with-escape]`; --text-file contents (UTF-8, "-"
// for standard input) are read here.
Run parseCommandLine(const std::vector<std::wstring>& args);

// UTF-8 to UTF-16 as matcalc takes a text: each byte that does not start a
// well-formed sequence becomes U+FFFD (shown as "?" in GBK), and each line
// feed not already after a carriage return becomes carriage return and line
// feed.
std::wstring editBoxText(const std::string& utf8);

}  // namespace guidriver
