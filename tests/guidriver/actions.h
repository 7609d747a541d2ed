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
  // edit box, as a user pastes what a spreadsheet copied. Type: the text is
  // typed into the emptied edit box, each character as an input method
  // commits it and each line feed as the Enter key.
  enum class Kind { Text, Paste, Type, Check, Press, Snap, SnapBox, KeepOpen, CloseBoxes };
  Kind kind;
  int id = 0;
  std::wstring text;  // Text: the edit box's contents (CR LF line ends); Paste: the clipboard's, as given; Type:
                      // the characters; Snap*: a file
};

// One step of a copy from a result window.
struct CopyStep {
  // Keys: a chord, such as ctrl+a or shift+down, pressed as a person would;
  // DoubleClick: a double-click on a cell of the text; CopyMessage: WM_COPY
  // sent to the text box; Button: 复制 pressed.
  enum class Kind { Keys, DoubleClick, CopyMessage, Button };
  Kind kind;
  std::vector<unsigned short> keys;  // Keys: virtual keys, pressed in order and released in reverse
  int row = 0;                       // DoubleClick: the cell's line and its place on it, from 1
  int column = 0;
};

// --copy STEPS FILE: in each result window, the steps (STEPS separated by
// commas: a chord such as ctrl+c, ctrl+insert or shift+down; double-click:ROW:COLUMN;
// wm-copy; button), then the clipboard's text into FILE in UTF-8.
struct Copy {
  std::vector<CopyStep> steps;
  std::wstring file;
};

struct Run {
  std::wstring exe;
  std::vector<Action> actions;
  bool json = false;
  bool startup = false;      // also print the start-up warning box
  bool windowFacts = false;  // with --json: each box's kind of window and rectangle
  std::vector<Copy> copies;  // made in each result window, in order
  bool closeWithEscape = false;  // close each box by the Escape key, not by IDOK
};

// Reads `PROGRAM.exe ACTION... [--json] [--startup] [--window-facts]
// [--copy STEPS FILE]... [--close-with-escape]`; --text-file contents (UTF-8,
// "-" for standard input) are read here.
Run parseCommandLine(const std::vector<std::wstring>& args);

// UTF-8 to UTF-16 as matcalc takes a text: each byte that does not start a
// well-formed sequence becomes U+FFFD (shown as "?" in GBK), and each line
// feed not already after a carriage return becomes carriage return and line
// feed.
std::wstring editBoxText(const std::string& utf8);

}  // namespace guidriver
