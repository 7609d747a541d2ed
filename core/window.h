#pragma once
// The window seam: the only window operations the program logic uses. The
// Windows shell implements them with GetDlgItemTextW (converted to GBK),
// IsDlgButtonChecked, and MessageBoxW or, for a text too large for a message
// box, a result window of its own (texts converted from GBK); tests and the
// console use a recording implementation. Texts cross the seam as GBK bytes.
#include <cstddef>

namespace matcalc {

enum class Owner { None, Dialog };

class Window {
 public:
  virtual ~Window() = default;

  // Copies at most count - 1 bytes of edit box `id` into buffer and always
  // ends them with a zero byte; returns the number of bytes copied. Lines end
  // in carriage return and line feed.
  virtual std::size_t readText(int id, char* buffer, std::size_t count) = 0;

  // Whether radio button `id` is checked.
  virtual bool isChecked(int id) = 0;

  // A modal message box with the OK button only, owned by the dialog or by
  // nothing; returns when the user has closed it.
  virtual void showMessage(Owner owner, const char* text, const char* caption) = 0;
};

// A program's own logic: the dialog passes it the identifier of every command.
//
// Re-entry: a box the dialog does not own leaves the dialog usable, so a
// further command can run inside that box's message loop, nested in the
// command that showed it. A handler therefore shows such a box only when it
// is done with the storage it keeps from one command to the next (the text
// shown is the box's own), and keeps little on the stack while the box is
// open, since each nested command stacks up on the one before. Every
// handler's last step shows the box, and the one large buffer, the input
// text, lives only in readMatrices (matrix_input.h), which has returned by
// then.
class CommandHandler {
 public:
  virtual ~CommandHandler() = default;
  virtual void onCommand(Window& dialog, int id) = 0;
};

// Control identifiers shared by every dialog.
inline constexpr int kComputeButton = 1000;
inline constexpr int kMatrixBox = 1004;

}  // namespace matcalc
