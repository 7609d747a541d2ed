#pragma once
// Drives one program's command handler through a recording window, with
// texts given and boxes returned in UTF-8, as a user would read them.
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "encoding.h"
#include "program_info.h"
#include "recording_window.h"

namespace matcalc::testing {

struct Box {
  Owner owner;
  std::string caption;
  std::string text;
  friend bool operator==(const Box&, const Box&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Box& b) {
    return os << (b.owner == Owner::Dialog ? "[dialog] " : "[none] ") << b.caption << ": \"" << b.text << '"';
  }
};

class DialogDriver {
 public:
  explicit DialogDriver(const ProgramInfo& program) : DialogDriver(program, program.makeHandler()) {}
  // The program's dialog with a handler made otherwise.
  DialogDriver(const ProgramInfo& program, std::unique_ptr<CommandHandler> handler)
      : program_(program), handler_(std::move(handler)) {}

  // Sets an edit box as a user would type it: UTF-8, line feeds become CR LF.
  DialogDriver& type(int id, const std::string& utf8) {
    window_.setText(id, console::editBoxText(utf8));
    return *this;
  }
  // Sets an edit box to raw GBK bytes, as they reach the program.
  DialogDriver& typeBytes(int id, std::string bytes) {
    window_.setText(id, std::move(bytes));
    return *this;
  }
  DialogDriver& check(int id) {
    for (const int other : program_.radioButtons) window_.setChecked(other, false);
    if (id != 0) window_.setChecked(id, true);
    return *this;
  }
  // Sends one command and returns the boxes it showed.
  std::vector<Box> press(int id) {
    window_.clearMessages();
    handler_->onCommand(window_, id);
    std::vector<Box> boxes;
    for (const MessageRecord& m : window_.messages()) {
      boxes.push_back({m.owner, console::toUtf8(m.caption), console::toUtf8(m.text)});
    }
    return boxes;
  }
  // The text of the one box the command showed ("" when it showed none or several).
  std::string pressForText(int id) {
    const std::vector<Box> boxes = press(id);
    return boxes.size() == 1 ? boxes[0].text : std::string();
  }

 private:
  const ProgramInfo& program_;
  std::unique_ptr<CommandHandler> handler_;
  RecordingWindow window_;
};

inline Box rangeErrorBox() { return {Owner::Dialog, "Error", "数值超出范围,无法精确计算"}; }
inline Box sizeErrorBox() { return {Owner::Dialog, "Error", "矩阵不能超过20行20列"}; }

}  // namespace matcalc::testing
