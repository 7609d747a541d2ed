// Feeds arbitrary bytes to one program's command handler as a sequence of
// commands: edit texts, radio choices and command identifiers. Every box it
// shows must be one of its fixed boxes or a well-formed result: numbers of
// any size, unless a text has a zero denominator; the range error only for
// a number beyond 32 bits in a text, or with a zero denominator.
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>

#include "box_oracle.h"
#include "program_info.h"
#include "recording_window.h"
#include FUZZ_PROGRAM_HEADER

namespace {

using namespace matcalc;

// Reads the input as commands: a selector byte, then its operands.
class CommandStream {
 public:
  CommandStream(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool done() const { return at_ >= size_; }
  std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::string text() {
    const std::size_t length = (static_cast<std::size_t>(byte()) << 8 | byte()) % 2048;
    const std::size_t n = length < size_ - at_ ? length : size_ - at_;
    std::string s(reinterpret_cast<const char*>(data_ + at_), n);
    at_ += n;
    return s;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

int pickId(const ProgramInfo& program, std::uint8_t selector) {
  const std::size_t all = program.editBoxes.size() + program.radioButtons.size() + program.pushButtons.size();
  std::size_t i = selector % (all + 3);
  if (i < program.pushButtons.size()) return program.pushButtons[i];
  i -= program.pushButtons.size();
  if (i < program.radioButtons.size()) return program.radioButtons[i];
  i -= program.radioButtons.size();
  if (i < program.editBoxes.size()) return program.editBoxes[i];
  i -= program.editBoxes.size();
  return i == 0 ? 1 : i == 1 ? 2 : selector * 257;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ProgramInfo& program = FUZZ_PROGRAM_INFO;
  const auto handler = program.makeHandler();  // lives for the whole sequence, as a dialog does
  RecordingWindow dialog;
  CommandStream commands(data, size);
  for (int step = 0; step < 16 && !commands.done(); ++step) {
    const std::uint8_t op = commands.byte();
    if (op % 3 == 0 && !program.editBoxes.empty()) {
      const int box = program.editBoxes[commands.byte() % program.editBoxes.size()];
      dialog.setText(box, commands.text());
    } else if (op % 3 == 1) {
      // One radio button of the group, or none.
      const std::size_t pick = commands.byte() % (program.radioButtons.size() + 1);
      for (const int radio : program.radioButtons) dialog.setChecked(radio, false);
      if (pick < program.radioButtons.size()) dialog.setChecked(program.radioButtons[pick], true);
    } else {
      const fuzz::Allowed allowed = fuzz::allowedBy(program, dialog);
      handler->onCommand(dialog, pickId(program, commands.byte()));
      for (const MessageRecord& box : dialog.messages()) {
        if (!fuzz::isWellFormed(program.name, box, allowed)) {
          std::fprintf(stderr, "unexpected box: caption [%s] text [%s]\n", box.caption.c_str(), box.text.c_str());
          std::abort();
        }
      }
      dialog.clearMessages();
    }
  }
  return 0;
}
