// Draws whole commands from the fuzzer's bytes: the program, its radio
// button, the control pressed, and for each edit box, or all but one, a
// matrix text (drawn_text.h) of up to 20 x 20 elements. A second command may
// follow on the same handler.
//
// Each command runs on the program's handler. Compute must show exactly one
// box, help one, any other control none; each box is one the program may
// show (box_oracle.h), and nothing leaks. A command without a zero
// denominator, on matrices the step-by-step oracle computes fast enough, also
// runs on the program's handler computing step by step: its boxes must be
// the same, byte for byte.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "box_oracle.h"
#include "dornikel.h"
#include "drawn_text.h"
#include "quendrel.h"
#include "ravelle.h"
#include "recording_window.h"
#include "sontaby.h"

namespace {

using namespace matcalc;
using fuzz::Draw;
using fuzz::DrawnText;

// A program, its handler computing step by step, and the largest side the
// step-by-step oracle is given for elements of up to 12 digits and of more.
// Ravelle's oracle computes a determinant for every cell.
struct Program {
  const ProgramInfo& info;
  std::unique_ptr<CommandHandler> (*stepByStep)();
  int oracleSide;
  int oracleSideForLongTerms;
};

template <class Handler>
std::unique_ptr<CommandHandler> stepByStep() {
  return std::make_unique<Handler>(Method::StepByStep);
}

const Program kPrograms[] = {
    {kDornikelInfo, stepByStep<Dornikel>, 20, 12},
    {kRavelleInfo, stepByStep<Ravelle>, 8, 5},
    {kSontabyInfo, stepByStep<Sontaby>, 20, 20},
    {kQuendrelInfo, stepByStep<Quendrel>, 20, 12},
};

// One command: the texts typed (the others left as they were), the radio
// button checked (0 for none), the control pressed.
struct Command {
  std::vector<std::pair<int, DrawnText>> texts;
  int radio = 0;
  int control = kComputeButton;
};

std::string escaped(const std::string& bytes) {
  std::string out;
  for (const char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b >= 0x20 && b < 0x7F && b != '\\') {
      out += ch;
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", b);
      out += hex;
    }
  }
  return out;
}

// Sontaby's second matrix: mostly of the shape its operation needs.
std::pair<int, int> secondShape(Draw& draw, int radio, int rows, int columns) {
  if (draw.upTo(3) == 3) return {draw.side(), draw.side()};
  if (radio == kSontabyProductButton) return {columns, draw.side()};
  if (radio == kSontabyScalarButton) return {1, 1};
  return {rows, columns};
}

Command drawCommand(Draw& draw, const Program& program) {
  Command command;
  const auto& radios = program.info.radioButtons;
  const int radio = draw.byte();  // none now and then
  command.radio = radios.empty() || radio >= 240 ? 0 : radios[static_cast<std::size_t>(radio) % radios.size()];
  const int rows = draw.side(), columns = draw.upTo(3) == 3 ? draw.side() : rows;
  for (std::size_t k = 0; k < program.info.editBoxes.size(); ++k) {
    if (draw.upTo(15) == 15) continue;  // left as it was
    const auto [r, c] = k == 0 ? std::pair(rows, columns) : secondShape(draw, command.radio, rows, columns);
    command.texts.emplace_back(program.info.editBoxes[k], fuzz::drawMatrixText(draw, r, c));
  }
  if (draw.upTo(15) == 15) {
    const auto& buttons = program.info.pushButtons;
    command.control = draw.flag() ? buttons[draw.byte() % buttons.size()] : 990 + draw.upTo(30);
  }
  return command;
}

// The program's dialog on both handlers: the normal one and the one computing
// step by step, given only commands it computes fast enough.
class Dialogs {
 public:
  explicit Dialogs(const Program& program)
      : program_(program), handler_(program.info.makeHandler()), oracle_(program.stepByStep()) {}

  void run(const Command& command) {
    for (const auto& [id, drawn] : command.texts) {
      window_.setText(id, drawn.text);
      oracleWindow_.setText(id, drawn.text);
      sizes_[id] = {drawn.side, drawn.digits};
    }
    for (const int radio : program_.info.radioButtons) {
      window_.setChecked(radio, radio == command.radio);
      oracleWindow_.setChecked(radio, radio == command.radio);
    }
    const fuzz::Allowed allowed = fuzz::allowedBy(program_.info, window_);
    const std::vector<MessageRecord> boxes = press(*handler_, window_, command.control);
    const auto& buttons = program_.info.pushButtons;
    const bool acts = std::find(buttons.begin(), buttons.end(), command.control) != buttons.end();
    if (boxes.size() != (acts ? 1u : 0u)) fail("unexpected number of boxes", boxes);
    for (const MessageRecord& box : boxes) {
      if (!fuzz::isWellFormed(program_.info.name, box, allowed)) fail("unexpected box", boxes);
    }
    if (!allowed.rangeError && oracleIsFastEnough() && press(*oracle_, oracleWindow_, command.control) != boxes) {
      fail("step by step shows other boxes", boxes);
    }
  }

 private:
  static std::vector<MessageRecord> press(CommandHandler& handler, RecordingWindow& window, int control) {
    window.clearMessages();
    handler.onCommand(window, control);
    return window.messages();
  }

  // Whether the oracle computes the matrices in the boxes fast enough: its
  // time grows with the side and the length of the terms.
  bool oracleIsFastEnough() const {
    for (const auto& [id, size] : sizes_) {
      const auto [side, digits] = size;
      if (side > (digits <= 12 ? program_.oracleSide : program_.oracleSideForLongTerms)) return false;
    }
    return true;
  }

  [[noreturn]] void fail(const char* what, const std::vector<MessageRecord>& boxes) {
    std::fprintf(stderr, "%s: %.*s\n", what, static_cast<int>(program_.info.name.size()), program_.info.name.data());
    for (const int id : program_.info.editBoxes) {
      char text[70000];
      window_.readText(id, text, sizeof text);
      std::fprintf(stderr, "box %d: \"%s\"\n", id, escaped(text).c_str());
    }
    for (const int radio : program_.info.radioButtons) {
      if (window_.isChecked(radio)) std::fprintf(stderr, "checked %d\n", radio);
    }
    for (const MessageRecord& box : boxes) {
      std::fprintf(stderr, "shown: [%s] \"%s\"\n", escaped(box.caption).c_str(), escaped(box.text).c_str());
    }
    std::abort();
  }

  const Program& program_;
  std::unique_ptr<CommandHandler> handler_, oracle_;
  RecordingWindow window_, oracleWindow_;
  std::map<int, std::pair<int, std::size_t>> sizes_;  // of each box's text: side, digits
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider bytes(data, size);
  Draw draw(bytes);
  const Program& program = kPrograms[draw.byte() % std::size(kPrograms)];
  Dialogs dialogs(program);  // kept for both commands, as a dialog keeps its handlers
  for (int step = 0; step < 2 && (step == 0 || draw.flag()); ++step) dialogs.run(drawCommand(draw, program));
  return 0;
}
