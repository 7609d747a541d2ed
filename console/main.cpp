// matcalc: drives a calculator's command handler through a simulated dialog
// and prints the message boxes it shows.
#include <iostream>

#include "command_line.h"
#include "output.h"
#include "recording_window.h"

using namespace matcalc;
using namespace matcalc::console;

namespace {

void checkRadio(RecordingWindow& dialog, const ProgramInfo& program, int id) {
  for (const int other : program.radioButtons) dialog.setChecked(other, false);
  dialog.setChecked(id, true);
}

}  // namespace

int main(int argc, char** argv) {
  Invocation run;
  try {
    run = parseCommandLine({argv + 1, argv + argc});
  } catch (const UsageError& e) {
    std::cerr << "matcalc: " << e.what() << '\n';
    return 2;
  }

  const OutputForm form = run.json ? OutputForm::Json : run.textOnly ? OutputForm::TextOnly : OutputForm::Plain;
  RecordingWindow dialog;
  const auto handler = run.program->makeHandler();
  for (const Action& action : run.actions) {
    switch (action.kind) {
      case Action::Kind::Text: dialog.setText(action.id, action.text); break;
      case Action::Kind::Check: checkRadio(dialog, *run.program, action.id); break;
      case Action::Kind::Press:
        handler->onCommand(dialog, action.id);
        for (const MessageRecord& box : dialog.messages()) std::cout << formatMessage(box, form);
        dialog.clearMessages();
        break;
    }
  }
  std::cout.flush();
  return std::cout ? 0 : 1;
}
