#pragma once
// A window without a window system: edit texts and radio states are set by
// the caller, and every message box is recorded instead of shown.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "window.h"

namespace matcalc {

struct MessageRecord {
  Owner owner;
  std::string text;     // GBK, as passed to the window function
  std::string caption;  // GBK
  friend bool operator==(const MessageRecord&, const MessageRecord&) = default;
};

class RecordingWindow : public Window {
 public:
  // Text in GBK with CR LF line ends, as an edit box holds it.
  void setText(int id, std::string text) { texts_[id] = std::move(text); }
  void setChecked(int id, bool checked);

  std::size_t readText(int id, char* buffer, std::size_t count) override;
  bool isChecked(int id) override { return checked_.count(id) != 0; }
  void showMessage(Owner owner, const char* text, const char* caption) override;

  const std::vector<MessageRecord>& messages() const { return messages_; }
  void clearMessages() { messages_.clear(); }

 private:
  std::map<int, std::string> texts_;
  std::set<int> checked_;
  std::vector<MessageRecord> messages_;
};

}  // namespace matcalc
