#pragma once
// What a front end needs to know of one program: its name, the controls of
// its dialog, and how to make its command handler.
#include <memory>
#include <span>
#include <string_view>

#include "window.h"

namespace matcalc {

struct ProgramInfo {
  std::string_view name;             // lower case, as typed on a command line
  std::span<const int> editBoxes;    // in the order the program reads them
  std::span<const int> radioButtons; // one group: checking one clears the others
  std::span<const int> pushButtons;
  std::unique_ptr<CommandHandler> (*makeHandler)();
};

// The makeHandler of a program whose handler is the class T.
template <class T>
std::unique_ptr<CommandHandler> makeHandler() {
  return std::make_unique<T>();
}

}  // namespace matcalc
