#pragma once
// A window whose result boxes let a further compute command run while they
// are open, as the real dialog does while a box without owner is open: the
// first such box runs a command on the first texts given, the box that
// command shows runs one on the second texts, and so on.
#include <string>
#include <utility>
#include <vector>

#include "recording_window.h"

namespace matcalc::testing {

class NestingWindow : public RecordingWindow {
 public:
  // Edit box identifiers and the texts, GBK with CR LF, typed into them.
  using Texts = std::vector<std::pair<int, std::string>>;

  NestingWindow(CommandHandler& handler, std::vector<Texts> nested) : handler_(handler), nested_(std::move(nested)) {}

  void showMessage(Owner owner, const char* text, const char* caption) override {
    const std::string before = text;
    RecordingWindow::showMessage(owner, text, caption);
    if (owner == Owner::None && depth_ < nested_.size()) {
      for (const auto& [id, typed] : nested_[depth_++]) setText(id, typed);
      handler_.onCommand(*this, kComputeButton);
    }
    closedTexts_.push_back(before == text ? before : "changed: " + std::string(text));
  }

  // The text of each box as it closed, innermost first, marked when a nested
  // command changed it.
  const std::vector<std::string>& closedTexts() const { return closedTexts_; }

 private:
  CommandHandler& handler_;
  std::vector<Texts> nested_;
  std::size_t depth_ = 0;
  std::vector<std::string> closedTexts_;
};

}  // namespace matcalc::testing
