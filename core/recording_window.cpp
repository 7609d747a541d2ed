#include "recording_window.h"

#include <cstring>

namespace matcalc {

void RecordingWindow::setChecked(int id, bool checked) {
  if (checked) checked_.insert(id);
  else checked_.erase(id);
}

std::size_t RecordingWindow::readText(int id, char* buffer, std::size_t count) {
  if (count == 0) return 0;
  const auto it = texts_.find(id);
  const std::string empty;
  const std::string& text = it == texts_.end() ? empty : it->second;
  // Like an edit box, the text ends at its first zero byte.
  std::size_t n = std::strlen(text.c_str());
  if (n > count - 1) n = count - 1;
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
  return n;
}

void RecordingWindow::showMessage(Owner owner, const char* text, const char* caption) {
  messages_.push_back({owner, text, caption});
}

}  // namespace matcalc
