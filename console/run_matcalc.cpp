#include "run_matcalc.h"

#include "command_line.h"
#include "output.h"
#include "recording_window.h"
#include "usage.h"
#include "version.h"

namespace matcalc::console {
namespace {

void checkRadio(RecordingWindow& dialog, const ProgramInfo& program, int id) {
  for (const int other : program.radioButtons) dialog.setChecked(other, false);
  dialog.setChecked(id, true);
}

}  // namespace

int runMatcalc(const std::vector<std::string>& args, const Printer& out, const Printer& err) {
  Invocation run;
  try {
    run = parseCommandLine(args);
  } catch (const UsageError& e) {
    err("matcalc: " + std::string(e.what()) + "\nmatcalc: 'matcalc --help' shows every form with an example\n");
    return 2;
  }

  bool written = true;
  if (run.request == Invocation::Request::Help) {
    written = out(kUsage);
  } else if (run.request == Invocation::Request::Version) {
    written = out("matcalc " MATCALC_VERSION "\n");
  } else {
    const OutputForm form = run.json ? OutputForm::Json : run.textOnly ? OutputForm::TextOnly : OutputForm::Plain;
    RecordingWindow dialog;
    const auto handler = run.program->makeHandler();
    for (const Action& action : run.actions) {
      switch (action.kind) {
        case Action::Kind::Text: dialog.setText(action.id, action.text); break;
        case Action::Kind::Check: checkRadio(dialog, *run.program, action.id); break;
        case Action::Kind::Press:
          handler->onCommand(dialog, action.id);
          for (const MessageRecord& box : dialog.messages()) written = out(formatMessage(box, form)) && written;
          dialog.clearMessages();
          break;
      }
    }
  }
  return written ? 0 : 1;
}

}  // namespace matcalc::console
